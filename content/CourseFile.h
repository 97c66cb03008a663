// Reading a course file so that every way it can fail is known and can be
// named: the file is missing, empty, cannot be read (or its plain copy
// cannot be written), or a line of it is not what the program expects.
#pragma once

#include "content/ContentCheck.h"
#include "content/Records.h"

#include <QString>
#include <QStringList>

namespace content {

struct CourseFileRead {
    enum class Status { Ok, Missing, Empty, Unreadable, BadLine };
    Status status = Status::Ok;
    QString nativePath;  // the file as messages name it
    LineFault fault;     // the first bad line (BadLine)
    QStringList lines;   // the plain lines (Ok, BadLine)
    bool ok() const { return status == Status::Ok; }
};

// Unscrambles and reads a course file (content file or Texty.dat) given by
// its data path; status Ok, Missing, Empty or Unreadable.
CourseFileRead readScrambledCourseFile(const QString &path);

// Loads a content file into ContentRecords and RecordCount once its lines
// passed FindBadContentLine. On any failure nothing of the file is kept:
// the layout's fields are cleared and RecordCount is 0.
CourseFileRead loadCheckedContentFile(const QString &path, Layout layout, int exercise);

// The pupil's message for a file that failed: what is wrong with which file
// (a native path) and which line, then `consequence` (a sentence such as
// "Cvičení proto nejde spustit.", or nothing) and whom to tell. Empty for Ok.
QString courseFileMessage(const CourseFileRead &read, const QString &consequence);

// Consequences used with CourseFileMessage.
QString exerciseCannotStart();
QString programCannotStart();

}  // namespace content
