// The course's sources: UTF-8 text files, one line per item, turned into the
// Windows-1250 lines of the built course.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace course {

// The lines of a UTF-8 source held in memory (LF or CR LF, no final empty
// line; a leading byte order mark is dropped).
QStringList sourceLinesFromBytes(const QByteArray &utf8);

// Reads a UTF-8 source file as lines (sourceLinesFromBytes of its content).
QStringList readSourceLines(const QString &path, bool *ok = nullptr);

// Encodes lines as Windows-1250 with CR LF after every line.
QByteArray encodeCourseText(const QStringList &lines);

}  // namespace course
