#include "platform/configfile.h"

#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {
const QString kIniName = QStringLiteral("Tutorix.ini");
}

ConfigSearch configSearchOfProcess() {
    ConfigSearch s;
    s.windowsDirEnv = qEnvironmentVariable("TUTORIX_WINDOWS_DIR");
    s.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    s.xdgConfigDirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    s.home = QDir::homePath();
    if (QCoreApplication::instance()) s.programDir = QCoreApplication::applicationDirPath();
    return s;
}

QStringList configCandidates(const ConfigSearch &s) {
    QStringList places;
    if (!s.windowsDirEnv.isEmpty()) places << QDir::cleanPath(s.windowsDirEnv + QLatin1Char('/') + kIniName);
    // XDG: a relative XDG_CONFIG_HOME or XDG_CONFIG_DIRS entry is invalid and ignored.
    const QString configHome = QDir::isAbsolutePath(s.xdgConfigHome) ? s.xdgConfigHome
                                                                     : s.home + QStringLiteral("/.config");
    places << QDir::cleanPath(configHome + QStringLiteral("/tutorix/") + kIniName);
    QStringList dirs;
    for (const QString &d : s.xdgConfigDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(d)) dirs << d;
    if (dirs.isEmpty()) dirs << QStringLiteral("/etc/xdg");
    for (const QString &d : dirs) places << QDir::cleanPath(d + QStringLiteral("/tutorix/") + kIniName);
    if (!s.programDir.isEmpty())
        places << QDir::cleanPath(s.programDir + QStringLiteral("/../share/tutorix/course/") + kIniName);
    places.removeDuplicates();
    return places;
}

QString findConfigFile(const ConfigSearch &search) {
    for (const QString &place : configCandidates(search))
        if (fileExists(place)) return nativePath(place);
    return {};
}

QString resolveConfigDir(const QString &value, const QString &iniFolder) {
    QString v = value;
    v.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (v.isEmpty() || v.startsWith(QLatin1Char('/'))) return value;
    QString resolved = QDir::cleanPath(iniFolder + QLatin1Char('/') + v);
    if (value.endsWith(QLatin1Char('\\')) || value.endsWith(QLatin1Char('/'))) resolved += QLatin1Char('\\');
    return resolved;
}

}  // namespace platform
