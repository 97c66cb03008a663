// Paths of the course data.
//
// The data names files with "\" ("Bitmap\Select\bckg.bmp") and the program
// joins them to directories that end in "\". Linux file systems are
// case-sensitive while the course names the same file "Znamky.dat" in one
// place and "znamky.dat" in another, so every component is matched without
// regard to case.
#pragma once

#include <QString>

namespace platform {

// Turns a data path (separators "\" or "/") into a native path. Each
// component that does not exist with its exact spelling is looked up in its
// directory without regard to case; when nothing matches, the remaining
// components are kept as written (so the result names where the file would
// be created).
QString nativePath(const QString &dataPath);

// True when the data path names an existing regular file (case-insensitive).
bool fileExists(const QString &dataPath);

// Deletes the file, also when it is read-only. Returns true when no file is
// left.
bool deleteFileForced(const QString &dataPath);

}  // namespace platform
