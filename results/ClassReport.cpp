#include "results/ClassReport.h"

#include "results/PupilKey.h"
#include "rules/ExerciseSpec.h"

#include <QCollator>

#include <algorithm>
#include <map>

namespace results {

namespace {

WrongAnswers mostFrequent(WrongAnswers answers, int limit) {
    std::sort(answers.begin(), answers.end(), [](const auto &a, const auto &b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    if (int(answers.size()) > limit) answers.resize(std::size_t(limit));
    return answers;
}

std::vector<WeekPoint> weekPoints(const QHash<qint64, std::pair<int, double>> &weeks) {
    std::map<qint64, std::pair<int, double>> ordered;
    for (auto it = weeks.cbegin(); it != weeks.cend(); ++it) ordered.emplace(it.key(), it.value());
    std::vector<WeekPoint> out;
    for (const auto &[day, v] : ordered)
        out.push_back({QDate::fromJulianDay(day), v.first, v.first > 0 ? v.second / v.first : 0});
    return out;
}

// The wall-clock time as a number: the logs hold local times, and comparing
// them this way needs no time-zone look-up for each of millions of entries.
qint64 wall(const QDateTime &t) { return t.date().toJulianDay() * 86400000LL + t.time().msecsSinceStartOfDay(); }

WrongAnswers answersOf(const QHash<QString, int> &counts) {
    WrongAnswers out;
    out.reserve(std::size_t(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) out.emplace_back(it.key(), it.value());
    return out;
}

}  // namespace

double runPercent(int right, int wrong) {
    const int total = right + wrong;
    return total > 0 ? 100.0 * right / total : 0;
}

QDate weekOf(const QDate &date) { return date.addDays(1 - date.dayOfWeek()); }

const ExerciseReport *ClassReport::exercise(int n) const {
    for (const ExerciseReport &e : exercises)
        if (e.exercise == n) return &e;
    return nullptr;
}

ReportBuilder::ReportBuilder(ReportFilter filter) : m_filter(std::move(filter)) {
    if (!m_filter.pupil.trimmed().isEmpty()) m_pupilKey = pupilKeyOf(m_filter.pupil);
}

bool ReportBuilder::takesDate(const QDate &day) const {
    return (!m_filter.from.isValid() || day >= m_filter.from) && (!m_filter.to.isValid() || day <= m_filter.to);
}

void ReportBuilder::noteDay(const QDate &day) {
    if (!m_first.isValid() || day < m_first) m_first = day;
    if (!m_last.isValid() || day > m_last) m_last = day;
}

int ReportBuilder::pupilOf(const QString &name) {
    // The rows of one checked page come one after another.
    if (m_lastIndex >= 0 && name == m_lastName) {
        ++*m_lastSpelling;
        return m_lastIndex;
    }
    const auto known = m_byName.constFind(name);
    int index = known != m_byName.cend() ? *known : -2;
    if (index == -2) {
        const QString key = pupilKeyOf(name);
        if (key.isEmpty() || (!m_pupilKey.isEmpty() && key != m_pupilKey)) {
            index = -1;
        } else {
            index = m_byKey.value(key, -1);
            if (index < 0) {
                index = int(m_pupils.size());
                m_byKey.insert(key, index);
                m_pupils.emplace_back();
                m_pupils.back().key = key;
            }
        }
        m_byName.insert(name, index);
    }
    if (index >= 0) {
        int &count = m_pupils[std::size_t(index)].spellings[name];
        ++count;
        m_lastName = name;
        m_lastIndex = index;
        m_lastSpelling = &count;
    }
    return index;
}

void ReportBuilder::addRun(const QDateTime &when, const QString &name, int exercise, int right, int wrong,
                           int grade) {
    if (!::exercise::isExercise(exercise) || !when.isValid() || !takesDate(when.date())) return;
    const int p = pupilOf(name);
    if (p < 0) return;
    const double percent = runPercent(right, wrong);
    ++m_runs;
    noteDay(when.date());

    Exercise &e = m_exercises[std::size_t(exercise)];
    ++e.runs;
    e.percentSum += percent;
    if (grade >= 1 && grade <= 5) ++e.grades[std::size_t(grade)];
    auto &week = e.weeks[weekOf(when.date()).toJulianDay()];
    ++week.first;
    week.second += percent;

    Pupil &pupil = m_pupils[std::size_t(p)];
    PupilReport &r = pupil.report;
    ++r.runs;
    pupil.percentSum += percent;
    if (!r.firstRun.isValid() || wall(when) < wall(r.firstRun)) r.firstRun = when;
    if (!r.lastRun.isValid() || wall(when) > wall(r.lastRun)) r.lastRun = when;
    r.scores.push_back({when, exercise, percent});
    GradeCell &cell = r.cells[std::size_t(exercise)];
    ++cell.runs;
    if (grade >= 1 && grade <= 5) {
        if (!cell.lastWhen.isValid() || wall(when) >= wall(cell.lastWhen)) {
            cell.lastWhen = when;
            cell.lastGrade = grade;
        }
        if (cell.bestGrade == 0 || grade < cell.bestGrade) cell.bestGrade = grade;
    }
}

void ReportBuilder::addAnswer(const AnswerEntry &a) {
    if (!exercise::isExercise(a.exercise) || !a.when.isValid() || !takesDate(a.when.date())) return;
    const int p = pupilOf(a.name);
    if (p < 0) return;
    ++m_answers;
    noteDay(a.when.date());
    ++m_exercises[std::size_t(a.exercise)].answers;

    auto &ids = m_itemIds[std::size_t(a.exercise)];
    auto found = ids.constFind(a.item);
    if (found == ids.cend()) {
        found = ids.insert(a.item, int(m_items.size()));
        m_items.emplace_back();
        m_itemNames.emplace_back(a.exercise, a.item);
    }
    const int id = *found;
    Item &item = m_items[std::size_t(id)];
    ++item.attempts;
    if (item.expected != a.expected) item.expected = a.expected;
    Pupil &pupil = m_pupils[std::size_t(p)];
    ++pupil.report.answers;
    PupilItem &mine = pupil.items[id];
    ++mine.attempts;
    if (a.right) return;
    ++item.wrong;
    ++mine.wrong;
    ++pupil.report.wrongAnswers;
    // The pupil's list shares the text stored once for the item.
    auto answer = item.wrongAnswers.find(a.answer);
    if (answer == item.wrongAnswers.end()) answer = item.wrongAnswers.insert(a.answer, 0);
    ++*answer;
    for (auto &[text, count] : mine.wrongAnswers)
        if (text == a.answer) return void(++count);
    mine.wrongAnswers.emplace_back(answer.key(), 1);
}

ClassReport ReportBuilder::finish(const ReportLimits &limits) const {
    ClassReport out;
    out.runs = m_runs;
    out.answers = m_answers;
    out.firstDay = m_first;
    out.lastDay = m_last;

    const auto stats = [&](int id, int attempts, int wrong, WrongAnswers answers) {
        return ItemStats{m_itemNames[std::size_t(id)].first, m_itemNames[std::size_t(id)].second,
                         m_items[std::size_t(id)].expected, attempts, wrong,
                         mostFrequent(std::move(answers), limits.wrongAnswersPerItem)};
    };
    // By share wrong, smoothed so that an item tried only a few times does
    // not push aside one that most of the class got wrong.
    const auto smoothed = [](const ItemStats &s) { return (s.wrong + 1.0) / (s.attempts + 2.0); };
    const auto harder = [&](const ItemStats &a, const ItemStats &b) {
        if (smoothed(a) != smoothed(b)) return smoothed(a) > smoothed(b);
        if (a.wrong != b.wrong) return a.wrong > b.wrong;
        return a.item < b.item;
    };

    // Items, per exercise: the ones with enough attempts, hardest first.
    std::array<std::vector<ItemStats>, 25> hardest;
    for (int id = 0; id < int(m_items.size()); ++id) {
        const Item &it = m_items[std::size_t(id)];
        if (it.wrong == 0 || it.attempts < limits.minAttempts) continue;
        hardest[std::size_t(m_itemNames[std::size_t(id)].first)].push_back(
            stats(id, it.attempts, it.wrong, answersOf(it.wrongAnswers)));
    }
    for (int n = 1; n <= exercise::kExerciseCount; ++n) {
        const Exercise &e = m_exercises[std::size_t(n)];
        if (e.runs == 0 && e.answers == 0) continue;
        ExerciseReport r;
        r.exercise = n;
        r.runs = e.runs;
        r.averagePercent = e.runs > 0 ? e.percentSum / e.runs : 0;
        r.grades = e.grades;
        r.weeks = weekPoints(e.weeks);
        r.answers = e.answers;
        auto &h = hardest[std::size_t(n)];
        std::sort(h.begin(), h.end(), harder);
        if (int(h.size()) > limits.hardestPerExercise) h.resize(std::size_t(limits.hardestPerExercise));
        r.hardest = std::move(h);
        out.exercises.push_back(std::move(r));
    }

    QHash<qint64, std::pair<int, double>> activity;
    for (const Pupil &p : m_pupils) {
        PupilReport r = p.report;
        r.key = p.key;
        // The spelling used most often; of equal ones the first in sort order.
        int best = -1;
        for (auto it = p.spellings.cbegin(); it != p.spellings.cend(); ++it)
            if (it.value() > best || (it.value() == best && it.key().simplified() < r.name)) {
                best = it.value();
                r.name = it.key().simplified();
            }
        r.averagePercent = r.runs > 0 ? p.percentSum / r.runs : 0;
        std::stable_sort(r.scores.begin(), r.scores.end(),
                         [](const ScorePoint &a, const ScorePoint &b) { return wall(a.when) < wall(b.when); });
        for (const ScorePoint &s : r.scores) {
            auto &week = activity[weekOf(s.when.date()).toJulianDay()];
            ++week.first;
            week.second += s.percent;
        }
        for (auto it = p.items.cbegin(); it != p.items.cend(); ++it)
            if (it->wrong > 0) r.missed.push_back(stats(it.key(), it->attempts, it->wrong, it->wrongAnswers));
        std::sort(r.missed.begin(), r.missed.end(), [](const ItemStats &a, const ItemStats &b) {
            if (a.wrong != b.wrong) return a.wrong > b.wrong;
            if (a.wrongShare() != b.wrongShare()) return a.wrongShare() > b.wrongShare();
            return a.exercise != b.exercise ? a.exercise < b.exercise : a.item < b.item;
        });
        if (int(r.missed.size()) > limits.missedPerPupil) r.missed.resize(std::size_t(limits.missedPerPupil));
        out.pupils.push_back(std::move(r));
    }
    QCollator czech{QLocale(QLocale::Czech)};
    std::sort(out.pupils.begin(), out.pupils.end(), [&](const PupilReport &a, const PupilReport &b) {
        const int c = czech.compare(a.name, b.name);
        return c != 0 ? c < 0 : a.key < b.key;
    });

    // Every week from the first run to the last, so that a quiet week shows.
    if (!activity.isEmpty()) {
        qint64 first = *activity.keyBegin(), last = first;
        for (auto it = activity.keyBegin(); it != activity.keyEnd(); ++it) {
            first = std::min(first, *it);
            last = std::max(last, *it);
        }
        for (qint64 d = first; d <= last; d += 7) {
            const auto week = activity.value(d);
            out.activity.push_back({QDate::fromJulianDay(d), week.first, week.first > 0 ? week.second / week.first : 0});
        }
    }
    return out;
}

}  // namespace results
