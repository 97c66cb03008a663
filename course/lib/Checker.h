// Checks a built course against everything the program relies on.
#pragma once

#include <QString>
#include <QStringList>

namespace course {

// Problems found in the data directory (and the media directory next to it
// when it exists), each "file:line: sentence". Empty when the course is
// sound.
QStringList checkCourse(const QString &dataDir);

}  // namespace course
