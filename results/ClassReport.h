// The teacher's report as numbers, without any widget or file: runs from the
// results log and checked answers from the answers log are added one by one
// (nothing of them is kept beyond the totals the report shows), then
// finish() hands back the class at a glance, each exercise, its hardest
// items, each pupil and the activity per week.
#pragma once

#include "state/AnswersLog.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <array>
#include <utility>
#include <vector>

namespace results {

// Which runs and answers the report takes: an empty date leaves that side
// open, an empty pupil takes everybody (names matched by PupilKey).
struct ReportFilter {
    QDate from;
    QDate to;
    QString pupil;
};

// The score of a run in percent: right of right + wrong (0 for no items).
double runPercent(int right, int wrong);
// The Monday of the week of a date.
QDate weekOf(const QDate &date);

// A week of runs: how many, and their average score.
struct WeekPoint {
    QDate week;  // its Monday
    int runs = 0;
    double averagePercent = 0;
};

// Wrong answers with how often each was given, most frequent first.
using WrongAnswers = std::vector<std::pair<QString, int>>;

// One pupil's runs of one exercise.
struct GradeCell {
    int runs = 0;
    int lastGrade = 0;  // grade of the latest run (0 when none)
    int bestGrade = 0;  // the best (lowest) grade
    QDateTime lastWhen;
};

// An item with how often it was answered and answered wrong.
struct ItemStats {
    int exercise = 0;
    QString item;
    QString expected;  // the right answer, as last recorded
    int attempts = 0;
    int wrong = 0;
    WrongAnswers wrongAnswers;  // at most the few most frequent
    double wrongShare() const { return attempts > 0 ? double(wrong) / attempts : 0; }
};

struct ScorePoint {
    QDateTime when;
    int exercise = 0;
    double percent = 0;
};

struct PupilReport {
    QString name;  // the spelling used most often
    QString key;   // PupilKey
    int runs = 0;
    int answers = 0;
    int wrongAnswers = 0;
    double averagePercent = 0;
    QDateTime firstRun, lastRun;
    std::array<GradeCell, 25> cells{};  // by exercise 1 ... 24
    std::vector<ScorePoint> scores;     // in time order
    std::vector<ItemStats> missed;      // most often wrong first
};

struct ExerciseReport {
    int exercise = 0;
    int runs = 0;
    double averagePercent = 0;
    std::array<int, 6> grades{};  // runs per grade 1 ... 5 (0 unused)
    std::vector<WeekPoint> weeks;  // trend, in time order
    int answers = 0;
    std::vector<ItemStats> hardest;  // highest share wrong first
};

struct ClassReport {
    int runs = 0;
    int answers = 0;
    QDate firstDay, lastDay;  // of the runs and answers taken
    std::vector<PupilReport> pupils;        // by name
    std::vector<ExerciseReport> exercises;  // those with runs or answers, by number
    std::vector<WeekPoint> activity;        // runs per week, in time order, weeks without runs included
    const ExerciseReport *exercise(int n) const;
};

// How much of each list the report shows.
struct ReportLimits {
    int hardestPerExercise = 10;
    int missedPerPupil = 10;
    int wrongAnswersPerItem = 3;
    int minAttempts = 3;  // an item needs this many attempts to count as hard
};

class ReportBuilder {
public:
    explicit ReportBuilder(ReportFilter filter = {});

    // One finished run (exercise 1 ... 24, grade 1 ... 5 or 0 when none).
    void addRun(const QDateTime &when, const QString &name, int exercise, int right, int wrong, int grade);
    // One checked answer.
    void addAnswer(const AnswerEntry &answer);

    ClassReport finish(const ReportLimits &limits = {}) const;

private:
    struct Item {
        QString expected;
        int attempts = 0;
        int wrong = 0;
        QHash<QString, int> wrongAnswers;
    };
    struct PupilItem {
        int attempts = 0;
        int wrong = 0;
        std::vector<std::pair<QString, int>> wrongAnswers;  // texts shared with Item's keys
    };
    struct Pupil {
        QString key;
        QHash<QString, int> spellings;
        PupilReport report;
        double percentSum = 0;
        QHash<int, PupilItem> items;  // by item id
    };
    struct Exercise {
        int runs = 0;
        double percentSum = 0;
        std::array<int, 6> grades{};
        QHash<qint64, std::pair<int, double>> weeks;  // Julian day of the Monday: runs, sum of percent
        int answers = 0;
    };

    int pupilOf(const QString &name);  // -1 when the filter leaves the pupil out
    bool takesDate(const QDate &day) const;
    void noteDay(const QDate &day);

    ReportFilter m_filter;
    QString m_pupilKey;
    QHash<QString, int> m_byName;  // as written; -1 for pupils left out
    QString m_lastName;            // the name asked for last, its pupil and its count of uses
    int m_lastIndex = -1;
    int *m_lastSpelling = nullptr;
    QHash<QString, int> m_byKey;
    std::vector<Pupil> m_pupils;
    std::array<Exercise, 25> m_exercises{};
    std::array<QHash<QString, int>, 25> m_itemIds;  // item text -> index in m_items
    std::vector<std::pair<int, QString>> m_itemNames;  // exercise, item
    std::vector<Item> m_items;
    int m_runs = 0;
    int m_answers = 0;
    QDate m_first, m_last;
};

}  // namespace results
