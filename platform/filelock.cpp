#include "platform/filelock.h"

#include "platform/logging.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace platform {

namespace {

// Waiters poll with short random sleeps: a fixed or growing sleep lets a
// few writers starve the others when a whole class saves at once.
void pause() { std::this_thread::sleep_for(std::chrono::milliseconds(5 + QRandomGenerator::global()->bounded(25))); }

}  // namespace

QString FileLock::lockFilePath(const QString &nativePath) { return nativePath + QStringLiteral(".lock"); }

FileLock::FileLock(const QString &nativePath, int waitMs) : m_path(nativePath) {
    m_locked = lockFileOrRecord(waitMs);
    if (!m_locked) qCWarning(lcPlatform) << "could not lock" << m_path << "within" << waitMs << "ms";
}

FileLock::~FileLock() {
    if (m_lockFile) m_lockFile->unlock();
    if (m_fd >= 0) ::close(m_fd);  // closing drops the record lock
}

bool FileLock::lockFileOrRecord(int waitMs) {
    QElapsedTimer clock;
    clock.start();
    m_lockFile = std::make_unique<QLockFile>(lockFilePath(m_path));
    m_lockFile->setStaleLockTime(kStaleLockMs);
    for (;;) {
        if (m_lockFile->tryLock(0)) return true;
        if (m_lockFile->error() != QLockFile::LockFailedError) break;  // no lock file can be made here
        if (clock.elapsed() >= waitMs) return false;
        pause();
    }
    qCInfo(lcPlatform) << "no lock file beside" << m_path << "- locking the file itself";
    m_lockFile.reset();
    return recordLock(waitMs, clock.elapsed());
}

bool FileLock::recordLock(int waitMs, qint64 startMs) {
    QElapsedTimer clock;
    clock.start();
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0) {
        // A file that cannot be opened for writing cannot be written either:
        // the write itself reports why.
        return true;
    }
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    for (;;) {
        if (::fcntl(m_fd, F_SETLK, &fl) == 0) return true;
        if (errno != EACCES && errno != EAGAIN && errno != EINTR) return true;  // no record locks here
        if (startMs + clock.elapsed() >= waitMs) return false;
        pause();
    }
}

}  // namespace platform
