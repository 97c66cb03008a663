// Checks a built course against everything the program relies on.
#pragma once

#include <QString>
#include <QStringList>

namespace course {

// Problems found in the data directory (and the media directory next to it
// when it exists), each "file:line: sentence" (line 0 when the problem
// concerns the whole file). Empty when the course is sound.
QStringList checkCourse(const QString &dataDir);

// The checks of a course's sources (the folder "build" reads): the content
// files, the texts and the grade bands by the same rules as the built files,
// and the teacher's own recordings (checkOwnRecordings).
QStringList checkSources(const QString &srcDir);

// The checks of one data file given as its stored bytes. name is its name in
// the data directory ("7.dat", "Texty.dat", "Znamky.dat", "3.res"); file
// names it in the messages. Content files and texts are unscrambled first;
// every file is checked for the wrong encoding (checkEncoding), then by the
// rules of its kind.
QStringList checkDataFile(const QString &name, const QByteArray &stored, const QString &file);

// Lines of a Windows-1250 file that are UTF-8 text instead (looksLikeUtf8):
// the first such line is reported with the count of the others.
QStringList checkEncoding(const QByteArray &plain, const QString &file);

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
