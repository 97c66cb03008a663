// Checks a built course against everything the program relies on.
#pragma once

#include <QString>
#include <QStringList>

namespace course {

// Problems found in the data directory (and the media directory next to it
// when it exists), each "file:line: sentence" (line 0 when the problem
// concerns the whole file). Empty when the course is sound.
QStringList checkCourse(const QString &dataDir);

// The checks of one content file, given as its plain lines; file names the
// file in the messages.
QStringList checkContentLines(int exercise, const QStringList &lines, const QString &file);
// The checks of the screen texts (lines of Texty.dat).
QStringList checkTextLines(const QStringList &lines, const QString &file);
// The checks of the grade bands (lines of Znamky.dat).
QStringList checkGradeLines(const QStringList &lines, const QString &file);
// The checks of an exercise's results file (lines of N.res).
QStringList checkResultLines(const QStringList &lines, const QString &file);

}  // namespace course
