#include "state/ResultsRules.h"

#include "platform/codec.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cmath>
#include <limits>

namespace results {

QString gradeFor(int right, int total, const std::array<Misc::GradeBand, 6> &bands) {
    if (total <= 0) return {};
    const double p = double(right) / double(total) * 100.0;
    QString grade;
    for (std::size_t i = 1; i <= 5; ++i) {
        const Misc::GradeBand &b = bands[i];
        if (double(b.lower) <= p && p <= double(b.upper)) grade = QString::number(b.grade).trimmed();
    }
    return grade;
}

bool ranksAfter(const ResultRecord &a, const ResultRecord &b) {
    if (a.grade != b.grade) return a.grade > b.grade;
    if (a.right != b.right) return a.right < b.right;
    return a.wrong > b.wrong;
}

void sortResults(std::vector<ResultRecord> &records) {
    const std::size_t count = records.size();
    if (count < 2) return;
    // Each pass carries the best remaining record up to position i; only a
    // strictly better record moves past another, which keeps ties in order.
    for (std::size_t i = 0; i + 1 < count; ++i)
        for (std::size_t j = count - 1; j > i; --j)
            if (ranksAfter(records[j - 1], records[j])) std::swap(records[j - 1], records[j]);
}

int insertResult(std::vector<ResultRecord> &records, ResultRecord record) {
    for (ResultRecord &r : records) r.mark = 0;
    record.mark = 1;
    records.push_back(std::move(record));
    sortResults(records);
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].mark == 1) return int(i) + 1;
    return int(records.size());
}

std::optional<std::int16_t> parseCount(const QString &text) {
    const QString t = text.trimmed();
    int pos = 0;
    bool negative = false;
    if (pos < t.size() && (t.at(pos) == QLatin1Char('-') || t.at(pos) == QLatin1Char('+'))) {
        negative = t.at(pos) == QLatin1Char('-');
        ++pos;
    }
    double value = 0;
    int digits = 0;
    while (pos < t.size() && t.at(pos) >= QLatin1Char('0') && t.at(pos) <= QLatin1Char('9')) {
        value = value * 10 + (t.at(pos).unicode() - '0');
        ++digits;
        ++pos;
        if (value > 1e6) return std::nullopt;  // far outside 16 bits
    }
    if (pos < t.size() && t.at(pos) == QLatin1Char('.')) {
        ++pos;
        double scale = 0.1;
        while (pos < t.size() && t.at(pos) >= QLatin1Char('0') && t.at(pos) <= QLatin1Char('9')) {
            value += (t.at(pos).unicode() - '0') * scale;
            scale /= 10;
            ++digits;
            ++pos;
        }
    }
    if (digits == 0 || pos != t.size()) return std::nullopt;
    const double whole = std::floor(negative ? -value : value);
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return std::int16_t(whole);
}

QString storableName(const QString &name) {
    QString out = name;
    out.replace(QLatin1Char('|'), QLatin1Char('/'));
    for (QChar &c : out)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t')) c = QLatin1Char(' ');
    return out;
}

std::optional<ResultRecord> parseResultLine(const QString &line) {
    QString fields[5];
    int counter = 0;
    for (QChar c : line) {
        if (c == QLatin1Char('|')) {
            ++counter;
            if (counter >= 5) break;
        } else {
            fields[counter] += c;
        }
    }
    if (counter < 3) return std::nullopt;  // right, wrong and grade are needed
    const auto right = parseCount(fields[1]);
    const auto wrong = parseCount(fields[2]);
    const auto grade = parseCount(fields[3]);
    if (!right || !wrong || !grade) return std::nullopt;
    ResultRecord r;
    r.name = fields[0];
    r.right = *right;
    r.wrong = *wrong;
    r.grade = *grade;
    r.mark = 0;
    return r;
}

QString formatResultLine(const ResultRecord &record) {
    // Joined, not formatted with arg(): a name may itself contain "%1".
    const QChar bar = QLatin1Char('|');
    return storableName(record.name) + bar + QString::number(record.right) + bar + QString::number(record.wrong) +
           bar + QString::number(record.grade) + bar + QString::number(record.mark);
}

std::vector<ResultRecord> readResultsFile(const QString &nativePath, int *skipped, QStringList *kept, bool *ok) {
    std::vector<ResultRecord> out;
    int bad = 0;
    bool read = false;
    const QStringList lines = platform::readTextLines(nativePath, &read);
    if (read) {
        for (const QString &line : lines) {
            if (auto r = parseResultLine(line)) {
                out.push_back(*r);
            } else {
                ++bad;
                if (kept && !line.isEmpty()) kept->append(line);
            }
        }
    }
    if (skipped) *skipped = bad;
    if (ok) *ok = read || !QFileInfo::exists(nativePath);
    return out;
}

platform::WriteResult writeResultsFile(const QString &nativePath, const std::vector<ResultRecord> &records,
                                       const QStringList &kept) {
    QStringList lines;
    lines.reserve(qsizetype(records.size()) + kept.size());
    for (const ResultRecord &r : records) lines << formatResultLine(r);
    lines << kept;
    return platform::writeFileAtomic(nativePath, platform::encode1250(platform::joinLinesCrLf(lines)),
                                     platform::InPlace::WhenFolderRefuses);
}

platform::WriteResult saveNewResult(const QString &nativePath, const QString &seedPath, const ResultRecord &record,
                                    std::uint8_t mark, std::vector<ResultRecord> *table, int waitMs) {
    platform::WriteResult result;
    platform::FileLock lock(nativePath, waitMs);
    if (!lock.isLocked()) {
        result.ok = false;
        result.error = EBUSY;
        result.message = QStringLiteral("Soubor %1 je právě zamčený, zapisuje do něj někdo jiný.").arg(nativePath);
        if (table) *table = readResultsFile(QFileInfo::exists(nativePath) ? nativePath : seedPath);
        return result;
    }
    platform::removeLeftoverTemps(nativePath);
    const QString from = QFileInfo::exists(nativePath) || seedPath.isEmpty() ? nativePath : seedPath;
    QStringList kept;
    bool readOk = false;
    std::vector<ResultRecord> records = readResultsFile(from, nullptr, &kept, &readOk);
    if (!readOk) {
        // Writing now would replace records that could not be read.
        result.ok = false;
        result.error = EACCES;
        result.message = QStringLiteral("Soubor %1 nelze přečíst.").arg(from);
        if (table) table->clear();
        return result;
    }
    std::vector<ResultRecord> before = records;
    insertResult(records, record);
    for (ResultRecord &r : records)
        if (r.mark == 1) r.mark = mark;
    result = writeResultsFile(nativePath, records, kept);
    if (table) *table = result.ok ? std::move(records) : std::move(before);
    return result;
}

QString padRight(const QString &text, int n) {
    if (text.size() >= n) return text;
    return text + QString(n - text.size(), QLatin1Char(' '));
}

namespace {
// A line break inside a value would break the entry's four-line layout.
QString oneLine(const QString &text) {
    QString out = text;
    for (QChar &c : out)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) c = QLatin1Char(' ');
    return out;
}
}  // namespace

QStringList logEntryLinesOf(const LogEntry &e, const std::function<QString(int)> &label) {
    const QString date =
        QStringLiteral("%1.%2.%3").arg(e.when.date().day()).arg(e.when.date().month()).arg(e.when.date().year());
    const QString time = QStringLiteral("%1:%2")
                             .arg(e.when.time().hour(), 2, 10, QLatin1Char('0'))
                             .arg(e.when.time().minute(), 2, 10, QLatin1Char('0'));
    const QString colon = QStringLiteral(": ");
    const QString colon2 = QStringLiteral(":  ");
    QStringList lines;
    lines << label(35) + colon + padRight(oneLine(e.name), 35) + QStringLiteral("   ") + label(36) + colon +
                 padRight(date, 10) + QStringLiteral("   ") + label(37) + colon + time;
    lines << label(38) + colon + padRight(oneLine(e.group), 20) + QStringLiteral(" ") + label(39) + colon +
                 padRight(oneLine(e.exercise), 30);
    lines << label(40) + colon2 + padRight(QString::number(e.questionCount), 6) + QStringLiteral("   ") + label(41) +
                 colon2 + padRight(oneLine(e.right), 6) + QStringLiteral("    ") + label(42) + colon2 +
                 padRight(oneLine(e.wrong), 6) + QStringLiteral("    ") + label(43) + colon2 + oneLine(e.grade);
    lines << QString(75, QLatin1Char('='));
    return lines;
}

platform::WriteResult appendLogEntry(const QString &nativePath, const QStringList &lines, int waitMs) {
    platform::FileLock lock(nativePath, waitMs);
    if (!lock.isLocked()) {
        platform::WriteResult busy;
        busy.ok = false;
        busy.error = EBUSY;
        busy.message = QStringLiteral("Soubor %1 je právě zamčený, zapisuje do něj někdo jiný.").arg(nativePath);
        return busy;
    }
    // One write of the whole entry: a reader never sees a part of it.
    return platform::appendToFile(nativePath, platform::encode1250(platform::joinLinesCrLf(lines)),
                                  QByteArrayLiteral("\r\n"));
}

}  // namespace results
