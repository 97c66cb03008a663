#include "state/ResultsDir.h"

#include "state/Misc.h"
#include "platform/configfile.h"
#include "platform/ini.h"
#include "platform/logging.h"
#include "platform/paths.h"
#include "platform/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Misc {

namespace {

QString withBackslash(const QString &dir) { return dir.endsWith(QLatin1Char('\\')) ? dir : dir + QLatin1Char('\\'); }

// A native folder path without a trailing "/" (but "/" itself).
QString plainFolder(const QString &native) {
    QString out = native;
    while (out.size() > 1 && out.endsWith(QLatin1Char('/'))) out.chop(1);
    return out;
}

// Opens for writing without changing the file.
bool writable(const QString &nativeFile) {
    const int fd = ::open(QFile::encodeName(nativeFile).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

bool canCreateIn(const QString &nativeDir, int *err) {
    QByteArray probe = QFile::encodeName(nativeDir + QStringLiteral("/.tutorix-write-test-XXXXXX"));
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0) {
        *err = errno;
        return false;
    }
    ::close(fd);
    ::unlink(probe.constData());
    return true;
}

}  // namespace

QString czechFolderReason(int error) {
    switch (error) {
    case ENOENT: return QStringLiteral("složka neexistuje a nelze ji vytvořit");
    case ENOTDIR: return QStringLiteral("nejde o složku");
    case EACCES:
    case EPERM: return QStringLiteral("chybí oprávnění k zápisu");
    }
    return platform::czechReason(error);
}

bool folderTakesResults(const QString &nativeDir, QString *why, int *whyError) {
    int err = 0;
    if (canCreateIn(nativeDir, &err)) return true;
    if (why) *why = QString::fromLocal8Bit(std::strerror(err));
    if (whyError) *whyError = err;
    // A read-only folder whose results files were made writable on purpose.
    const QDir dir(nativeDir);
    const QStringList logs = dir.entryList({QStringLiteral("Vysledky.dat")}, QDir::Files);
    if (logs.isEmpty() || !writable(dir.filePath(logs.first()))) return false;
    const QStringList tables = dir.entryList({QStringLiteral("*.res")}, QDir::Files);
    for (const QString &t : tables)
        if (!writable(dir.filePath(t))) return false;
    if (why) why->clear();
    if (whyError) *whyError = 0;
    return true;
}

ResultsDirChoice decideResultsDir(const QString &iniPath, const QString &dataDir) {
    ResultsDirChoice c;
    const QString named = platform::getPrivateProfileString(QStringLiteral("LING1"), QLatin1String(kResultsDirKey),
                                                            QString(), iniPath)
                              .trimmed();
    if (!named.isEmpty()) {
        // A relative folder is taken relative to the INI, like CD and HD.
        c.configured = plainFolder(platform::nativePath(platform::resolveConfigDir(named, QFileInfo(iniPath).path())));
        errno = 0;
        if (!QDir().mkpath(c.configured) && !QFileInfo(c.configured).isDir()) {
            c.whyNotError = QFileInfo::exists(c.configured) ? ENOTDIR : errno ? errno : ENOENT;
            c.whyNot = QString::fromLocal8Bit(std::strerror(c.whyNotError));
        } else if (folderTakesResults(c.configured, &c.whyNot, &c.whyNotError)) {
            c.dir = c.configured;
            return c;
        }
        if (c.whyNot.isEmpty()) c.whyNot = QString::fromLocal8Bit(std::strerror(EACCES));
        if (c.whyNotError == 0) c.whyNotError = EACCES;
    }
    if (folderTakesResults(platform::nativePath(dataDir))) {
        c.dir = plainFolder(platform::nativePath(dataDir));
        return c;
    }
    c.dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tutorix");
    c.ownFolder = true;
    QDir().mkpath(c.dir);
    return c;
}

ResultsDirChoice chooseResultsDir(const QString &iniPath) {
    const ResultsDirChoice c = decideResultsDir(iniPath, DataDir);
    if (!c.whyNot.isEmpty())
        qCWarning(lcApp) << "the configured results folder" << c.configured << "cannot be written:" << c.whyNot
                                << "- results go to" << c.dir;
    else
        qCInfo(lcApp) << "results in" << c.dir;
    ResultsDir = c.dir == plainFolder(platform::nativePath(DataDir)) ? DataDir : withBackslash(c.dir);
    return c;
}

}  // namespace Misc
