// Forgetting a pupil and archiving a school year, on a results folder that
// pupils may be writing to at the same moment.
//
// Every file is changed under the same lock the program takes to write it
// ("<file>.lock"), read, changed and replaced atomically while the lock is
// held, so a result saved meanwhile is either seen by the change or written
// after it, never lost. Lines are handled as bytes: a line that stays is
// written back byte for byte, unreadable lines included.
#pragma once

#include "platform/filelock.h"
#include "platform/safefile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace results {

// The three kinds of results files.
enum class ResultsFileKind { Table, Log, Answers };

struct ResultsFile {
    QString name;  // "3.res", "Vysledky.dat", "Odpovedi.dat"
    ResultsFileKind kind;
};

// The results files a folder can hold, in order: 1.res ... 24.res, the
// results log, the answers log.
std::vector<ResultsFile> resultsFileNames();

// What forgetting leaves of one file's bytes: the kept bytes and each
// removed record or entry as readable text (a log entry as its first line).
// key is PupilKey of the name; label(k) gives text k of the texts file, the
// words the log was written with.
struct ForgetSplit {
    QByteArray kept;
    QStringList removed;
    int unreadable = 0;  // lines that could not be read (kept)
};
ForgetSplit forgetInBytes(const QByteArray &bytes, ResultsFileKind kind, const QString &key,
                          const std::function<QString(int)> &label);

// Forgets the pupil in one file under its lock: with dryRun only reports.
// A missing file is nothing to forget. result names the file on failure.
struct ForgetOutcome {
    QStringList removed;
    int unreadable = 0;
    platform::WriteResult result;
};
ForgetOutcome forgetInFile(const QString &nativePath, ResultsFileKind kind, const QString &key,
                           const std::function<QString(int)> &label, bool dryRun,
                           int waitMs = platform::kLockWaitMs);

// Archives one file under its lock: copies it to archivePath, reads the
// copy back and compares it byte for byte, and only then empties the file.
// *bytes gets the size archived. On any failure the file is left as it was.
platform::WriteResult archiveFile(const QString &nativePath, const QString &archivePath, qint64 *bytes,
                                  int waitMs = platform::kLockWaitMs);

}  // namespace results
