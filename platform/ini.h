// Reading Tutorix.ini the way the Windows profile functions read INI files.
//
// Section and key names match without regard to case, blanks around names
// and values are trimmed, a value enclosed in matching quotes loses them, and
// a value is cut to 254 characters (a 255-character buffer with its NUL).
// "\" is an ordinary character. The program never writes the file.
#pragma once

#include <QString>

namespace platform {

constexpr int kProfileBufferSize = 255;

// Value of key in section of the INI file at iniPath (a data path), or
// defaultValue when the file, the section or the key is missing.
QString getPrivateProfileString(const QString &section, const QString &key,
                                const QString &defaultValue, const QString &iniPath);

// The same on INI text already read (for tests and tools).
QString profileStringFromText(const QString &iniText, const QString &section,
                              const QString &key, const QString &defaultValue);

}  // namespace platform
