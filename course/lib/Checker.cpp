#include "course/lib/Checker.h"

#include "course/lib/MediaCheck.h"

#include <QDir>
#include <QFileInfo>

namespace course {

QStringList checkCourse(const QString &dataDir) {
    QStringList problems;
    for (int n = 1; n <= 24; ++n)
        if (!QFileInfo::exists(QStringLiteral("%1/%2.dat").arg(dataDir).arg(n)))
            problems << QStringLiteral("%1/%2.dat:0: the content file is missing").arg(dataDir).arg(n);
    const QString media = QFileInfo(dataDir + QStringLiteral("/../media")).absoluteFilePath();
    if (QFileInfo(media).isDir()) problems << checkMedia(media, dataDir);
    return problems;
}

}  // namespace course
