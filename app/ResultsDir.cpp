#include "app/ResultsDir.h"

#include "app/Misc.h"
#include "platform/configfile.h"
#include "platform/ini.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcResultsDir, "tutorix.results")

namespace Misc {

namespace {

QString withBackslash(const QString &dir) { return dir.endsWith(QLatin1Char('\\')) ? dir : dir + QLatin1Char('\\'); }

// Opens for writing without changing the file.
bool writable(const QString &nativeFile) {
    const int fd = ::open(QFile::encodeName(nativeFile).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

bool canCreateIn(const QString &nativeDir) {
    QByteArray probe = QFile::encodeName(nativeDir + QStringLiteral("/.tutorix-write-test-XXXXXX"));
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.constData());
    return true;
}

}  // namespace

bool FolderTakesResults(const QString &nativeDir) {
    if (canCreateIn(nativeDir)) return true;
    // A read-only folder whose results files were made writable on purpose.
    const QDir dir(nativeDir);
    const QStringList logs = dir.entryList({QStringLiteral("Vysledky.dat")}, QDir::Files);
    if (logs.isEmpty() || !writable(dir.filePath(logs.first()))) return false;
    const QStringList tables = dir.entryList({QStringLiteral("*.res")}, QDir::Files);
    for (const QString &t : tables)
        if (!writable(dir.filePath(t))) return false;
    return true;
}

void ChooseResultsDir(const QString &iniPath) {
    const QString named = platform::getPrivateProfileString(QStringLiteral("LING1"), QLatin1String(kResultsDirKey),
                                                            QString(), iniPath)
                              .trimmed();
    if (!named.isEmpty()) {
        // A relative folder is taken relative to the INI, like CD and HD.
        const QString dir = withBackslash(platform::resolveConfigDir(named, QFileInfo(iniPath).path()));
        const QString native = platform::nativePath(dir);
        QDir().mkpath(native);
        if (FolderTakesResults(native)) {
            ResultsDir = dir;
            qCInfo(lcResultsDir) << "results in the configured folder" << native;
            return;
        }
        qCWarning(lcResultsDir) << "the configured results folder" << native << "cannot be written";
    }
    if (FolderTakesResults(platform::nativePath(DataDir))) {
        ResultsDir = DataDir;
        qCInfo(lcResultsDir) << "results in the data folder" << DataDir;
        return;
    }
    const QString own =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tutorix");
    if (!QDir().mkpath(own)) qCWarning(lcResultsDir) << "cannot create" << own;
    ResultsDir = withBackslash(own);
    qCInfo(lcResultsDir) << "the data folder is read-only: results in" << own;
}

}  // namespace Misc
