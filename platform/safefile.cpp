#include "platform/safefile.h"

#include "platform/logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr char kTempSuffix[] = ".tmp";
constexpr int kTempRandomChars = 6;  // the XXXXXX of mkostemps

WriteResult failure(int error, const QString &what, const QString &path) {
    WriteResult r;
    r.ok = false;
    r.error = error;
    r.message = QStringLiteral("cannot %1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(error)));
    qCWarning(lcPlatform).noquote() << r.message;
    return r;
}

// Writes all of data at offset; a write that makes no progress counts as a
// full disk. Returns 0 or the errno of the failure.
int writeAllAt(int fd, const QByteArray &data, off_t offset) {
    const char *p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::pwrite(fd, p, size_t(left), offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return ENOSPC;
        p += n;
        left -= n;
        offset += n;
    }
    return 0;
}

int syncFd(int fd) {
    while (::fsync(fd) != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

int closeFd(int fd) { return ::close(fd) == 0 || errno == EINTR ? 0 : errno; }

// Reads the whole open file from offset 0. Returns 0 or errno.
int readAll(int fd, QByteArray *out) {
    out->clear();
    char buf[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t n = ::pread(fd, buf, sizeof buf, offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return 0;
        out->append(buf, n);
        offset += n;
    }
}

mode_t currentUmask() {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
}

// The file a write really replaces: the target of a symbolic link.
QString resolvedTarget(const QString &path) {
    const QFileInfo fi(path);
    if (!fi.isSymLink()) return path;
    const QString target = fi.symLinkTarget();
    return target.isEmpty() ? path : target;
}

bool folderRefused(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// Writes data into the file itself. Space is reserved first, so a full disk
// is usually found before a byte changes; if a later write fails the old
// bytes are put back.
WriteResult writeInPlace(const QString &path, const QByteArray &data) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return failure(errno, QStringLiteral("open"), path);
    QByteArray old;
    if (const int e = readAll(fd, &old)) {
        ::close(fd);
        return failure(e, QStringLiteral("read"), path);
    }
    if (data.size() > old.size()) {
        const int e = ::posix_fallocate(fd, 0, off_t(data.size()));
        if (e != 0 && e != EOPNOTSUPP && e != EINVAL && e != ENOSYS) {
            ::ftruncate(fd, off_t(old.size()));  // an emulated reservation may have grown it
            ::close(fd);
            return failure(e, QStringLiteral("write"), path);
        }
    }
    int e = writeAllAt(fd, data, 0);
    if (!e && ::ftruncate(fd, off_t(data.size())) != 0) e = errno;
    if (!e) e = syncFd(fd);
    if (e) {
        const bool restored = writeAllAt(fd, old, 0) == 0 && ::ftruncate(fd, off_t(old.size())) == 0 &&
                              syncFd(fd) == 0;
        ::close(fd);
        WriteResult r = failure(e, QStringLiteral("write"), path);
        if (!restored) {
            r.message += QStringLiteral(" (the old content could not be put back)");
            qCCritical(lcPlatform).noquote() << r.message;
        }
        return r;
    }
    if (const int c = closeFd(fd)) return failure(c, QStringLiteral("write"), path);
    return {};
}

}  // namespace

WriteResult writeFileAtomic(const QString &nativePath, const QByteArray &data, InPlace inPlace) {
    const QString path = resolvedTarget(nativePath);
    const QFileInfo fi(path);
    const QString dir = fi.absolutePath();
    const QByteArray nativeFile = QFile::encodeName(fi.absoluteFilePath());

    struct stat old {};
    const bool exists = ::stat(nativeFile.constData(), &old) == 0;

    QByteArray temp = QFile::encodeName(dir + QStringLiteral("/.") + fi.fileName() + QLatin1Char('.')) +
                      QByteArray(kTempRandomChars, 'X') + kTempSuffix;
    const int fd = ::mkostemps(temp.data(), int(sizeof kTempSuffix - 1), O_CLOEXEC);
    if (fd < 0) {
        const int e = errno;
        if (inPlace == InPlace::WhenFolderRefuses && exists && folderRefused(e)) return writeInPlace(path, data);
        return failure(e, QStringLiteral("write"), path);
    }
    auto discard = [&](int error) {
        ::close(fd);
        ::unlink(temp.constData());
        return failure(error, QStringLiteral("write"), path);
    };

    const mode_t mode = exists ? (old.st_mode & 07777) : (0666 & ~currentUmask());
    if (::fchmod(fd, mode) != 0) return discard(errno);
    if (exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        // Keep the owner and group where we may (best effort: the new file
        // is ours otherwise, as any rewritten file would be).
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)!::fchown(fd, uid_t(-1), old.st_gid);
    }
    if (const int e = writeAllAt(fd, data, 0)) return discard(e);
    if (const int e = syncFd(fd)) return discard(e);
    struct stat written {};
    if (::fstat(fd, &written) != 0) return discard(errno);
    if (written.st_size != off_t(data.size())) return discard(EIO);
    if (::close(fd) != 0 && errno != EINTR) {
        const int e = errno;
        ::unlink(temp.constData());
        return failure(e, QStringLiteral("write"), path);
    }
    if (::rename(temp.constData(), nativeFile.constData()) != 0) {
        const int e = errno;
        ::unlink(temp.constData());
        return failure(e, QStringLiteral("replace"), path);
    }
    // The rename itself reaches the disk with the folder.
    const int dfd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return {};
}

WriteResult appendToFile(const QString &nativePath, const QByteArray &data, const QByteArray &lineEnd) {
    const QByteArray native = QFile::encodeName(nativePath);
    bool canRead = true;
    int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EACCES) {
        canRead = false;  // a write-only log still takes entries
        fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    }
    if (fd < 0) return failure(errno, QStringLiteral("open"), nativePath);
    const off_t oldLength = ::lseek(fd, 0, SEEK_END);
    if (oldLength < 0) {
        const int e = errno;
        ::close(fd);
        return failure(e, QStringLiteral("append to"), nativePath);
    }
    QByteArray bytes;
    if (canRead && oldLength > 0 && !lineEnd.isEmpty()) {
        char last = 0;
        if (::pread(fd, &last, 1, oldLength - 1) == 1 && last != '\n') bytes = lineEnd;
    }
    bytes += data;
    int e = writeAllAt(fd, bytes, oldLength);
    if (!e) e = syncFd(fd);
    if (e) {
        // Cut back: no half entry may stay behind.
        const bool cut = ::ftruncate(fd, oldLength) == 0 && syncFd(fd) == 0;
        ::close(fd);
        WriteResult r = failure(e, QStringLiteral("append to"), nativePath);
        if (!cut) {
            r.message += QStringLiteral(" (the partial entry could not be cut back)");
            qCCritical(lcPlatform).noquote() << r.message;
        }
        return r;
    }
    if (const int c = closeFd(fd)) return failure(c, QStringLiteral("append to"), nativePath);
    return {};
}

void removeLeftoverTemps(const QString &nativePath) {
    const QFileInfo fi(resolvedTarget(nativePath));
    const QString prefix = QStringLiteral(".") + fi.fileName() + QLatin1Char('.');
    QDir dir(fi.absolutePath());
    const QStringList names =
        dir.entryList({prefix + QStringLiteral("*") + QLatin1String(kTempSuffix)}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (name.size() != prefix.size() + kTempRandomChars + int(sizeof kTempSuffix - 1)) continue;
        if (dir.remove(name)) qCInfo(lcPlatform) << "removed the leftover" << dir.filePath(name);
    }
}

QString czechReason(int error) {
    switch (error) {
    case 0: return {};
    case ENOSPC:
    case EDQUOT: return QStringLiteral("na disku není volné místo");
    case EFBIG: return QStringLiteral("soubor by byl větší, než systém dovolí");
    case EACCES:
    case EPERM: return QStringLiteral("chybí oprávnění k zápisu");
    case EROFS: return QStringLiteral("disk je jen pro čtení");
    case EBUSY: return QStringLiteral("soubor právě zapisuje jiný počítač");
    case EIO: return QStringLiteral("chyba při zápisu na disk");
    }
    return QStringLiteral("zápis selhal (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace platform
