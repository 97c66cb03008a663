#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QString nativePath(const QString &dataPath) {
    QString p = dataPath;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.isEmpty()) return p;

    const bool absolute = p.startsWith(QLatin1Char('/'));
    const QStringList parts = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    bool resolving = true;
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        QString chosen = part;
        if (resolving && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QString base = current.isEmpty() ? QStringLiteral(".") : current;
            if (!QFileInfo::exists(base + QLatin1Char('/') + part)) {
                const QStringList entries =
                    QDir(base).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
                bool found = false;
                for (const QString &e : entries) {
                    if (e.compare(part, Qt::CaseInsensitive) == 0) {
                        chosen = e;
                        found = true;
                        break;
                    }
                }
                if (!found) resolving = false;
            }
        }
        if (!current.isEmpty() && !current.endsWith(QLatin1Char('/'))) current += QLatin1Char('/');
        current += chosen;
    }
    return current;
}

bool fileExists(const QString &dataPath) {
    const QFileInfo fi(nativePath(dataPath));
    return fi.exists() && fi.isFile();
}

bool deleteFileForced(const QString &dataPath) {
    const QString native = nativePath(dataPath);
    QFile f(native);
    if (!f.exists()) return true;
    f.setPermissions(f.permissions() | QFileDevice::WriteOwner);
    return f.remove();
}

}  // namespace platform
