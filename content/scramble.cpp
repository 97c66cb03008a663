#include "content/scramble.h"

#include "app/Misc.h"
#include "platform/codec.h"
#include "platform/paths.h"
#include "platform/safefile.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcScramble, "tutorix.content")

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

namespace {
// Creates the temporary copy as a new file that only its owner can read.
// Whatever stands at the path (a stale copy or a planted link) is removed
// first, and O_EXCL | O_NOFOLLOW make sure no link is followed.
int createPrivateFile(const QString &native) {
    const QByteArray path = QFile::encodeName(native);
    ::unlink(path.constData());
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
}  // namespace

bool UnscrambleContentFile(const QString &sourcePath) {
    Misc::TempFilePath = chooseTempFilePath();
    QFile source(platform::nativePath(sourcePath));
    if (!source.open(QIODevice::ReadOnly)) {
        qCWarning(lcScramble) << "cannot open" << source.fileName();
        return false;
    }
    if (source.size() == 0) return false;
    const QString target = platform::nativePath(Misc::TempFilePath);
    const int fd = createPrivateFile(target);
    if (fd < 0) {
        qCWarning(lcScramble) << "cannot create" << target;
        return false;
    }
    bool ok = true;
    while (ok && !source.atEnd()) {
        QByteArray chunk = source.read(kChunkSize);
        if (chunk.isEmpty()) break;
        scrambleChunk(chunk);
        ok = writeAll(fd, chunk);
    }
    ::close(fd);
    return ok;
}

QStringList readScrambledLines(const QString &sourcePath, bool *ok) {
    const bool written = UnscrambleContentFile(sourcePath);
    QStringList lines;
    bool readOk = false;
    if (written) lines = platform::readTextLines(platform::nativePath(Misc::TempFilePath), &readOk);
    platform::deleteFileForced(Misc::TempFilePath);
    if (ok) *ok = written && readOk;
    return lines;
}

bool writeScrambledFile(const QString &nativePath, const QByteArray &plain, QString *error) {
    const platform::WriteResult r = platform::writeFileAtomic(nativePath, scrambleBytes(plain));
    if (!r && error) *error = r.message;
    return r.ok;
}

}  // namespace content
