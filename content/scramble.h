// Scrambled course files and their temporary plain copy.
//
// Content files and Texty.dat are stored XOR-ed with the repeating key
// "9271", in chunks of 1,048,577 bytes whose first byte is stored plain and
// whose key position restarts with every chunk. The transformation is its own
// inverse. Readers unscramble into a temporary copy, read its lines and
// delete it. The copy is named after Dat.tmp with a suffix unique to the
// process and the call ("Dat-<pid>-<random>.tmp"), so copies of different
// runs and users never meet.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace content {

inline constexpr char kContentKey[] = "9271";
inline constexpr qint64 kChunkSize = 1048577;

// Applies the transformation to one chunk in place.
void scrambleChunk(QByteArray &chunk);
// Applies it to a whole file image (chunks of kChunkSize).
QByteArray scrambleBytes(const QByteArray &data);

// The temporary path: $TMP, else $TEMP, else the system's temporary
// directory, followed by "\Dat.tmp".
QString chooseTempFilePath();
// basePath ("...\Dat.tmp") with a suffix unique to this process and call:
// "...\Dat-<pid>-<16 hex digits>.tmp".
QString uniqueTempFilePath(const QString &basePath);

// Unscrambles the file at the data path into TempFilePath, which it sets to
// a new unique name on every call. An empty or missing source writes no
// temporary file. The copy is created exclusively (never over an existing
// file or through a link), readable only by its owner; a copy that could not
// be written whole is removed. Returns false when no copy was written.
bool UnscrambleContentFile(const QString &sourcePath);

// The lines of an unscrambled course file held in memory (Windows-1250,
// CR LF): what a reader of the temporary copy gets.
QStringList linesOfPlainText(const QByteArray &plain);

// The reader protocol: unscramble, read the copy as Windows-1250 lines (only
// if it is still this user's private regular file), delete the copy. ok is
// false when the file was missing or empty or the copy could not be read.
QStringList readScrambledLines(const QString &sourcePath, bool *ok = nullptr);

// Writes data scrambled to a native path (course tool), replacing the file
// only when the whole of it was written; *error tells why it was not.
bool writeScrambledFile(const QString &nativePath, const QByteArray &plain, QString *error = nullptr);

}  // namespace content
