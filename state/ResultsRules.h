// The rules of the results table without any screen: the grade of a result,
// the ranking of the table, the lines of the per-exercise results file and
// the entries of the results log, and reading and writing both files.
//
// Files are Windows-1250 text with CR LF line ends. A results file holds one
// record per line, "name|right|wrong|grade|mark", in ranked order.
#pragma once

#include "state/Misc.h"
#include "platform/filelock.h"
#include "platform/safefile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace results {

// One row of an exercise's table of results.
struct ResultRecord {
    QString name;
    std::int16_t right = 0;
    std::int16_t wrong = 0;
    std::int16_t grade = 0;
    std::uint8_t mark = 0;  // 1 for the record just inserted, else 0

    bool operator==(const ResultRecord &) const = default;
};

// The grade for `right` of `total` items: p = right / total * 100 (double);
// every band 1 ... 5 with lower <= p <= upper sets the result to its grade,
// so the last matching band wins. Empty when no band matches or total is 0.
QString gradeFor(int right, int total, const std::array<Misc::GradeBand, 6> &bands);

// True when a ranks below b: worse grade; or equal grade and fewer right;
// or equal grade and right and more wrong.
bool ranksAfter(const ResultRecord &a, const ResultRecord &b);

// Bubble-sorts the table by RanksAfter. Records that rank equal keep their
// order, so a newer record stays below an older equal one.
void sortResults(std::vector<ResultRecord> &records);

// Clears every mark, appends `record` with mark 1 and re-sorts. Returns the
// new record's rank (1 = best).
int insertResult(std::vector<ResultRecord> &records, ResultRecord record);

// A decimal count or grade text as a 16-bit number: surrounding spaces
// skipped, an optional sign, digits, an optional "." and fraction (rounded
// down). Empty, other text or a value outside 16 bits gives nothing.
std::optional<std::int16_t> parseCount(const QString &text);

// The name as it can be stored in a record: "|" would split the record and
// a line end would split the line, so "|" becomes "/" and CR, LF and tabs
// become spaces.
QString storableName(const QString &name);

// One line of a results file: fields are split at every "|", characters
// after a fifth "|" are ignored; right, wrong and grade must convert
// (ParseCount). The mark is not read: a loaded record is unmarked. A line
// that cannot be converted gives nothing.
std::optional<ResultRecord> parseResultLine(const QString &line);
// "name|right|wrong|grade|mark" without spaces.
QString formatResultLine(const ResultRecord &record);

// Reads a results file. A missing file is an empty table (ok stays true);
// a file that exists but cannot be read sets ok to false. Lines that cannot
// be converted are counted in *skipped and, when not empty, handed back
// unchanged in *kept, so that a rewrite can keep them.
std::vector<ResultRecord> readResultsFile(const QString &nativePath, int *skipped = nullptr,
                                          QStringList *kept = nullptr, bool *ok = nullptr);
// Rewrites the whole results file atomically, the records in their order and
// then the kept lines unchanged: either the old or the new file is left,
// never a torn one. In a folder that takes no new file but whose results
// file is writable, the file is rewritten in place, the old bytes put back
// on failure.
platform::WriteResult writeResultsFile(const QString &nativePath, const std::vector<ResultRecord> &records,
                                       const QStringList &kept = {});

// Enters one result under the file's lock: reads the table as it is now on
// disk (from seedPath when nativePath does not exist yet, so a table
// installed elsewhere is carried over), inserts the record (InsertResult,
// then its mark becomes `mark`), rewrites the file keeping unreadable lines,
// and hands the table as it now stands on disk to *table (without the new
// record when it was not saved). Nothing is written when the existing file
// cannot be read or the lock cannot be had within waitMs (error EBUSY).
platform::WriteResult saveNewResult(const QString &nativePath, const QString &seedPath, const ResultRecord &record,
                                    std::uint8_t mark, std::vector<ResultRecord> *table,
                                    int waitMs = platform::kLockWaitMs);

// Pads text with spaces to n characters; a longer text is kept whole.
QString padRight(const QString &text, int n);

// What one results log entry says.
struct LogEntry {
    QString name;
    QString group;     // the group title
    QString exercise;  // the exercise title
    int questionCount = 0;
    QString right;
    QString wrong;
    QString grade;
    QDateTime when;
};

// The four lines of a log entry (without line ends); label(k) gives text k
// of the texts file (35 ... 43).
QStringList logEntryLinesOf(const LogEntry &entry, const std::function<QString(int)> &label);

// Appends lines (each ended by CR LF) to the log under the log's lock: the
// old log is never rewritten; an entry that fails midway is cut back, so
// no half entry remains; an old log whose last line lacks its line end gets
// one first. Fails with EBUSY when the lock cannot be had within waitMs.
platform::WriteResult appendLogEntry(const QString &nativePath, const QStringList &lines,
                                     int waitMs = platform::kLockWaitMs);

}  // namespace results
