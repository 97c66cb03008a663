// Scrambled course files and their temporary plain copy.
//
// Content files and Texty.dat are stored XOR-ed with the repeating key
// "9271", in chunks of 1,048,577 bytes whose first byte is stored plain and
// whose key position restarts with every chunk. The transformation is its own
// inverse. Readers unscramble into the one temporary file Dat.tmp, read its
// lines and delete it.
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

// Unscrambles the file at the data path into TempFilePath (which it sets).
// An empty or missing source writes no temporary file. The copy is created
// anew, never through an existing link, readable only by its owner. Returns
// false when no copy was written.
bool UnscrambleContentFile(const QString &sourcePath);

// The reader protocol: unscramble, read the copy as Windows-1250 lines,
// delete the copy. ok is false when the file was missing or empty.
QStringList readScrambledLines(const QString &sourcePath, bool *ok = nullptr);

// Writes data scrambled to a native path (course tool), replacing the file
// only when the whole of it was written; *error tells why it was not.
bool writeScrambledFile(const QString &nativePath, const QByteArray &plain, QString *error = nullptr);

}  // namespace content
