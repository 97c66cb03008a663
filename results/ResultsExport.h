// Every stored result of a data folder, for the teacher: the records of the
// per-exercise results files joined with the date and time of their entry
// in the results log, printed as CSV or JSON in UTF-8.
//
// A log entry belongs to a record when exercise title, name, right, wrong and
// grade agree. Equal records keep their order in a results file (the older
// one above), so each record takes the earliest log entry not yet taken.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace results {

// One record of one exercise as exported.
struct ExportRow {
    int exercise = 0;   // 1 ... 24
    QString title;      // the exercise's name from the texts file
    QString name;
    int right = 0;
    int wrong = 0;
    int grade = 0;
    QDateTime when;     // invalid when the log has no entry for the record
};

// What a results log entry says, read back from its four lines.
struct LoggedResult {
    QString name;
    QString exercise;   // exercise title
    int right = 0;
    int wrong = 0;
    int grade = 0;
    QDateTime when;
};

// One entry from three consecutive lines of a results log (the fourth is
// the separator); nothing when they do not form an entry.
std::optional<LoggedResult> parseLogEntry(const QString &l1, const QString &l2, const QString &l3,
                                         const std::function<QString(int)> &label);

// Reads the entries of a results log (its lines); label(k) gives text k of
// the texts file (35 ... 43), the words the log was written with. Lines that
// do not form an entry are passed over.
std::vector<LoggedResult> parseLogEntries(const QStringList &lines, const std::function<QString(int)> &label);

// Sets `when` of each row from the first matching log entry not yet used.
void matchLogDates(std::vector<ExportRow> &rows, const std::vector<LoggedResult> &log);

// The Czech column headers every format carries, in the order of ExportRow.
QStringList exportHeaders();

// CSV: a header row and one row per record, fields separated by separator
// (",", ";" as Czech spreadsheets expect, or a tab) and quoted where they
// hold it, a quote or a line end; CR LF line ends, starting with a UTF-8
// byte order mark so that spreadsheet programs read Czech names as UTF-8.
// Date and time as "yyyy-MM-dd hh:mm".
QByteArray formatCsv(const std::vector<ExportRow> &rows, QChar separator = QLatin1Char(','));
// JSON: an array of objects with the keys exercise, title, name, right,
// wrong, grade and date ("yyyy-MM-ddThh:mm:00", null when unknown).
QByteArray formatJson(const std::vector<ExportRow> &rows);

// Collects the records of dataDir (the N.res files and Vysledky.dat) for
// exercise `only` (1 ... 24) or all exercises (0). texts are the lines of
// Texty.dat (titles and log words; may be empty). Problems (unreadable
// lines, missing log words) are added to warnings.
std::vector<ExportRow> collectResults(const QString &dataDir, const QStringList &texts, int only,
                                      QStringList *warnings);

}  // namespace results
