#include "course/lib/MediaCheck.h"

#include <QFileInfo>

namespace course {

QStringList checkMedia(const QString &mediaDir, const QString &) {
    QStringList problems;
    if (!QFileInfo(mediaDir).isDir()) problems << mediaDir + QStringLiteral(": the media folder is missing");
    return problems;
}

}  // namespace course
