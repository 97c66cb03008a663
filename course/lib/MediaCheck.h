// Checks the media tree of a course: every file the program opens exists,
// loads, and has the size the screens expect.
#pragma once

#include <QString>
#include <QStringList>

namespace course {

// Problems found under mediaDir, each "path: sentence". dataDir gives the
// content files whose recordings must exist; a recording that cannot be
// decoded, and one that no content line names, are problems too.
QStringList checkMedia(const QString &mediaDir, const QString &dataDir);

// Problems of the teacher's own recordings in srcDir/recordings: a file
// that no content line of 22, 23 or 24 names, of a kind the build does not
// read, that sox cannot decode, or a second file for one recording.
QStringList checkOwnRecordings(const QString &srcDir);

}  // namespace course
