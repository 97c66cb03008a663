// Dates and times as the results files write them ("8.12.2026", "14:03" or
// "14:03:27"), read without Qt's general format parser: the teacher's
// report reads millions of them.
#pragma once

#include <QDate>
#include <QStringView>
#include <QTime>

namespace results {

// "d.M.yyyy": day and month of one or two digits, a four-digit year.
// Invalid for anything else or an impossible date.
QDate parseDayMonthYear(QStringView text);
// "hh:mm" or, with seconds, "hh:mm:ss", two digits each.
// Invalid for anything else.
QTime parseClock(QStringView text, bool withSeconds);

}  // namespace results
