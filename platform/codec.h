// Windows-1250 text of course files and result files.
//
// Course text files (content files, Texty.dat, Znamky.dat, the results files
// and the results log) are 8-bit Windows-1250 with CR LF line ends. This is
// the one place that turns their bytes into QString and back.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// Decodes Windows-1250 bytes. The five byte values that the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) map to the same code points, so no
// byte is lost.
QString decode1250(const QByteArray &bytes);

// Encodes to Windows-1250. Characters without a Windows-1250 form become "?".
QByteArray encode1250(const QString &text);

// True when every character of text has a Windows-1250 form.
bool representableIn1250(const QString &text);

// Splits decoded text into lines the way a sequential text read does: a line
// ends at CR LF (or a lone LF); a final line without a line end is read too;
// a file ending in a line end has no empty last line.
QStringList splitLines(const QString &text);

// Joins lines with CR LF after each line.
QString joinLinesCrLf(const QStringList &lines);

// Reads a Windows-1250 text file as lines. A missing file gives no lines and
// ok = false.
QStringList readTextLines(const QString &nativePath, bool *ok = nullptr);

}  // namespace platform
