#include "results/ReportSources.h"

#include "platform/codec.h"
#include "platform/paths.h"
#include "results/ResultsExport.h"
#include "rules/ExerciseGroups.h"
#include "rules/ExerciseSpec.h"

#include <QHash>

namespace results {

namespace {

std::uint64_t fingerprintOf(const QString &text) {
    // Two independent seeds make a chance collision of two different
    // entries practically impossible even among millions.
    const std::uint64_t a = qHash(QStringView(text), 0x9e3779b97f4a7c15ULL);
    const std::uint64_t b = qHash(QStringView(text), 0x2545f4914f6cdd1dULL);
    const std::uint64_t f = a ^ (b << 1) ^ (b >> 63);
    return f == 0 ? 1 : f;  // 0 marks an empty slot
}

}  // namespace

std::size_t FingerprintSet::slotOf(std::uint64_t f) const {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = std::size_t(f * 0x9e3779b97f4a7c15ULL) & mask;
    while (m_slots[i] != 0 && m_slots[i] != f) i = (i + 1) & mask;
    return i;
}

bool FingerprintSet::contains(std::uint64_t f) const {
    return !m_slots.empty() && m_slots[slotOf(f)] == f;
}

bool FingerprintSet::insert(std::uint64_t f) {
    if ((m_count + 1) * 2 > m_slots.size()) {
        std::vector<std::uint64_t> old = std::move(m_slots);
        m_slots.assign(std::max<std::size_t>(1024, old.size() * 2), 0);
        for (std::uint64_t v : old)
            if (v != 0) m_slots[slotOf(v)] = v;
    }
    const std::size_t i = slotOf(f);
    if (m_slots[i] == f) return false;
    m_slots[i] = f;
    ++m_count;
    return true;
}

bool ReportReader::isNew(FingerprintSet &seen, std::vector<std::uint64_t> &mine, const QString &text) {
    if (!m_merge) return true;
    const std::uint64_t f = fingerprintOf(text);
    if (seen.contains(f)) return false;
    mine.push_back(f);
    return true;
}

void ReportReader::endFolder() {
    for (std::uint64_t f : m_newRuns) m_runs.insert(f);
    for (std::uint64_t f : m_newAnswers) m_answers.insert(f);
    m_newRuns = {};
    m_newAnswers = {};
}

FolderReading ReportReader::readFolder(const QString &folder, const QStringList &texts) {
    FolderReading out;
    out.folder = folder;
    const auto text = [&](int k) { return k >= 1 && k <= texts.size() ? texts.at(k - 1) : QString(); };
    out.hasTexts = !text(35).isEmpty() && !text(43).isEmpty();

    // Runs: a window of three lines slides over the log; an entry found in
    // it is taken whole and the window starts afresh after it.
    if (out.hasTexts) {
        QHash<QString, int> exerciseOfTitle;
        for (int n = 1; n <= exercise::kExerciseCount; ++n)
            exerciseOfTitle.insert(text(screens::nameTextOfExercise(n)).trimmed(), n);
        const QString start = text(35) + QStringLiteral(": ");
        QString l1, l2;
        int have = 0;
        out.hasLog = platform::forEachTextLine(
            platform::nativePath(folder + QStringLiteral("/Vysledky.dat")), [&](const QString &l3) {
                if (have == 2 && l1.startsWith(start)) {
                    if (const auto r = parseLogEntry(l1, l2, l3, text)) {
                        have = 0;
                        const int n = exerciseOfTitle.value(r->exercise, 0);
                        if (n == 0) return;
                        if (!isNew(m_runs, m_newRuns, l1 + QLatin1Char('\n') + l2 + QLatin1Char('\n') + l3)) {
                            ++out.duplicates;
                            return;
                        }
                        ++out.runs;
                        m_builder.addRun(r->when, r->name, n, r->right, r->wrong, r->grade);
                        return;
                    }
                }
                if (have == 2) l1 = std::move(l2), l2 = l3;
                else if (have == 1) l2 = l3, have = 2;
                else l1 = l3, have = 1;
            });
    }

    out.hasAnswers = platform::forEachTextLine(
        platform::nativePath(folder + QLatin1Char('/') + QLatin1String(kAnswersFileName)), [&](const QString &line) {
            if (line.isEmpty()) return;
            const auto a = parseAnswerLine(line);
            if (!a) return void(++out.unreadable);
            if (!isNew(m_answers, m_newAnswers, line)) return void(++out.duplicates);
            ++out.answers;
            m_builder.addAnswer(*a);
        });
    endFolder();
    return out;
}

}  // namespace results
