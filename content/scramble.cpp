#include "content/scramble.h"

#include "content/ContentTables.h"
#include "platform/codec.h"
#include "platform/logging.h"
#include "platform/paths.h"
#include "platform/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace content {

void scrambleChunk(QByteArray &chunk) {
    char *p = chunk.data();
    for (qsizetype i = 1; i < chunk.size(); ++i) p[i] = char(p[i] ^ kContentKey[i % 4]);
}

QByteArray scrambleBytes(const QByteArray &data) {
    QByteArray out;
    out.reserve(data.size());
    for (qint64 off = 0; off < data.size(); off += kChunkSize) {
        QByteArray chunk = data.mid(off, kChunkSize);
        scrambleChunk(chunk);
        out.append(chunk);
    }
    return out;
}

QString chooseTempFilePath() {
    QString dir = qEnvironmentVariable("TMP");
    if (dir.isEmpty()) dir = qEnvironmentVariable("TEMP");
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir + QStringLiteral("\\Dat.tmp");
}

QString uniqueTempFilePath(const QString &basePath) {
    QString stem = basePath;
    if (stem.endsWith(QLatin1String(".tmp"))) stem.chop(4);
    const quint64 nonce = QRandomGenerator::system()->generate64();
    return stem + QStringLiteral("-%1-%2.tmp").arg(QCoreApplication::applicationPid()).arg(nonce, 16, 16, QLatin1Char('0'));
}

namespace {
// Creates the temporary copy as a new file that only its owner can read.
// O_EXCL | O_NOFOLLOW refuse anything already standing at the path, a link
// included, so nothing but a file made by this call is ever written or read.
int createPrivateFile(const QString &native) {
    const QByteArray path = QFile::encodeName(native);
    return ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

bool writeAll(int fd, const QByteArray &data) {
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += n;
    }
    return true;
}

// Reads the copy back, but only when it is still a regular file of this user
// that nobody else can read (never through a link).
QByteArray readPrivateFile(const QString &native, bool *ok) {
    *ok = false;
    const int fd = ::open(QFile::encodeName(native).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return {};
    QByteArray data;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0) {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                *ok = n == 0;
                break;
            }
            data.append(buffer, n);
        }
    }
    ::close(fd);
    if (!*ok) data.clear();
    return data;
}
}  // namespace

bool UnscrambleContentFile(const QString &sourcePath) {
    // A fresh name for every call: a copy left by another program run or
    // another user can neither block this one nor be read in its place.
    Misc::TempFilePath = uniqueTempFilePath(chooseTempFilePath());
    QFile source(platform::nativePath(sourcePath));
    if (!source.open(QIODevice::ReadOnly)) {
        qCWarning(lcContent) << "cannot open" << source.fileName();
        return false;
    }
    if (source.size() == 0) return false;
    const QString target = platform::nativePath(Misc::TempFilePath);
    int fd = createPrivateFile(target);
    for (int attempt = 0; fd < 0 && errno == EEXIST && attempt < 8; ++attempt) {
        Misc::TempFilePath = uniqueTempFilePath(chooseTempFilePath());
        fd = createPrivateFile(platform::nativePath(Misc::TempFilePath));
    }
    if (fd < 0) {
        qCWarning(lcContent) << "cannot create" << platform::nativePath(Misc::TempFilePath);
        return false;
    }
    bool ok = true;
    while (ok && !source.atEnd()) {
        QByteArray chunk = source.read(kChunkSize);
        if (chunk.isEmpty()) {
            ok = source.error() == QFileDevice::NoError;
            break;
        }
        scrambleChunk(chunk);
        ok = writeAll(fd, chunk);
    }
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        qCWarning(lcContent) << "cannot write" << platform::nativePath(Misc::TempFilePath);
        ::unlink(QFile::encodeName(platform::nativePath(Misc::TempFilePath)).constData());
    }
    return ok;
}

QStringList linesOfPlainText(const QByteArray &plain) { return platform::splitLines(platform::decode1250(plain)); }

QStringList readScrambledLines(const QString &sourcePath, bool *ok) {
    const bool written = UnscrambleContentFile(sourcePath);
    bool readOk = false;
    QByteArray plain;
    if (written) {
        const QString copy = platform::nativePath(Misc::TempFilePath);
        plain = readPrivateFile(copy, &readOk);
        ::unlink(QFile::encodeName(copy).constData());
    }
    if (ok) *ok = written && readOk;
    return linesOfPlainText(plain);
}

bool writeScrambledFile(const QString &nativePath, const QByteArray &plain, QString *error) {
    const platform::WriteResult r = platform::writeFileAtomic(nativePath, scrambleBytes(plain));
    if (!r && error) *error = r.message;
    return r.ok;
}

}  // namespace content
