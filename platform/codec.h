// Windows-1250 text of course files and result files.
//
// Course text files (content files, Texty.dat, Znamky.dat, the results files
// and the results log) are 8-bit Windows-1250 with CR LF line ends. This is
// the one place that turns their bytes into QString and back.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// Decodes Windows-1250 bytes. The five byte values that the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) map to the same code points, so no
// byte is lost.
QString decode1250(const QByteArray &bytes);

// Encodes to Windows-1250. Characters without a Windows-1250 form become "?".
QByteArray encode1250(const QString &text);

// True when every character of text has a Windows-1250 form.
bool representableIn1250(const QString &text);

// True when bytes that should be Windows-1250 are UTF-8 text instead (a
// course file saved by an editor in the wrong encoding). The sign is that
// every byte above 0x7F belongs to a well-formed UTF-8 sequence and at least
// one sequence spells a letter or punctuation mark of Czech or English text
// (U+00A0 ... U+017F, U+2000 ... U+206F, the euro sign). Czech text in
// Windows-1250 practically never passes: its lower-case accented letters
// are not followed by continuation bytes, and its rare pairs that do form
// UTF-8 (an accented capital before "š" or "ž") decode to other scripts.
// Pure ASCII gives false: it reads the same in both encodings. Loaders and
// the course checker both use this test.
bool looksLikeUtf8(const QByteArray &bytes);

// Splits decoded text into lines the way a sequential text read does: a line
// ends at CR LF (or a lone LF); a final line without a line end is read too;
// a file ending in a line end has no empty last line.
QStringList splitLines(const QString &text);

// Joins lines with CR LF after each line.
QString joinLinesCrLf(const QStringList &lines);

// Reads a Windows-1250 text file as lines. A missing file gives no lines and
// ok = false.
QStringList readTextLines(const QString &nativePath, bool *ok = nullptr);

// Reads a Windows-1250 text file as a stream: onLine gets each line, split
// as splitLines does, while only a small buffer of the file is in memory.
// False when the file cannot be opened or a read fails midway.
bool forEachTextLine(const QString &nativePath, const std::function<void(const QString &)> &onLine);

}  // namespace platform
