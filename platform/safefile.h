// Checked file writes: the one way the program and the course tool write files.
//
// A file is replaced only when its new content is completely on disk: the
// bytes go to a temporary file in the same folder, every write is checked,
// the file is synced and its size compared, and only then is it renamed over
// the old one. On any failure the temporary file is removed and the old file
// stays exactly as it was. Appends are cut back to the old length when any
// part of them fails, so no half entry remains.
//
// (Buffered writers report "no space" only when they flush, sometimes only
// after the short file has already replaced the old one; these functions
// never buffer past a check.)
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The outcome of a write. error is the errno of the first failure (0 when
// the write succeeded; EBUSY when a lock could not be had in time); message
// names the file and the reason in English, for logs and the course tool.
struct WriteResult {
    bool ok = true;
    int error = 0;
    QString message;
    explicit operator bool() const { return ok; }
};

// Whether writeFileAtomic may write into the file itself when the folder
// refuses a new (temporary) file while the file itself is writable, as in a
// read-only folder whose results files were made writable on purpose. The
// old bytes are kept in memory and put back when the write fails.
enum class InPlace { Never, WhenFolderRefuses };

// Replaces the file at nativePath with data (creates it when missing). A
// symbolic link is followed: its target is replaced. A new file gets the
// mode 0666 less the umask; a replaced file keeps its mode.
WriteResult writeFileAtomic(const QString &nativePath, const QByteArray &data, InPlace inPlace = InPlace::Never);

// Appends data to the file (created when missing) and syncs it; when the
// file is not empty and does not end in "\n", lineEnd is written first. On
// any failure the file is cut back to its old length.
WriteResult appendToFile(const QString &nativePath, const QByteArray &data, const QByteArray &lineEnd = {});

// Removes the temporary files that a killed writer of nativePath left
// beside it. Call it only while no other writer of that file can be active
// (under the file's lock).
void removeLeftoverTemps(const QString &nativePath);

// The reason of a failed write in Czech, for the pupil ("na disku není
// volné místo").
QString czechReason(int error);

}  // namespace platform
