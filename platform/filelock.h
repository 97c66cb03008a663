// A lock around one read-modify-write of a shared file.
//
// Several programs (pupils on the PCs of a classroom that share one data
// folder) may rewrite the same results file at the same moment. Each of them
// holds the lock file "<file name>.lock" beside the file while it reads,
// changes and writes it. The lock file names the holder's process and host,
// so a lock left by a writer that was killed is recognised and taken over:
// at once on the same computer, after kStaleLockMs from another one.
//
// A folder where no lock file can be made (read-only, while the file itself
// was made writable) is locked by a record lock on the file itself; writes
// into such a folder are in place, so every writer locks the same file.
#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace platform {

// How long a writer waits for the lock at most.
inline constexpr int kLockWaitMs = 10000;
// A lock file this old is taken over even when its holder cannot be asked
// (another computer). A rewrite takes milliseconds; the margin allows for
// clocks of classroom PCs that disagree.
inline constexpr int kStaleLockMs = 30000;

class FileLock {
public:
    // Locks the file at nativePath; waits up to waitMs (polling with short
    // sleeps). isLocked() tells whether the lock is held.
    explicit FileLock(const QString &nativePath, int waitMs = kLockWaitMs);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    bool isLocked() const { return m_locked; }
    // The lock file beside a file.
    static QString lockFilePath(const QString &nativePath);

private:
    bool lockFileOrRecord(int waitMs);
    bool recordLock(int waitMs, qint64 startMs);

    QString m_path;
    std::unique_ptr<QLockFile> m_lockFile;
    int m_fd = -1;  // the file itself, when it carries a record lock
    bool m_locked = false;
};

}  // namespace platform
