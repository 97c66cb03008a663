// Checks the media tree of a course: every file the program opens exists,
// loads, and has the size the screens expect.
#pragma once

#include <QString>
#include <QStringList>

namespace course {

// Problems found under mediaDir, each "path: sentence". dataDir gives the
// content files whose recordings must exist.
QStringList checkMedia(const QString &mediaDir, const QString &dataDir);

}  // namespace course
