#include "content/CourseFile.h"

#include "content/scramble.h"
#include "platform/logging.h"
#include "platform/paths.h"

#include <QFileInfo>

namespace content {

CourseFileRead readScrambledCourseFile(const QString &path) {
    CourseFileRead read;
    read.nativePath = platform::nativePath(path);
    if (!platform::fileExists(path)) {
        read.status = CourseFileRead::Status::Missing;
        return read;
    }
    bool ok = false;
    read.lines = readScrambledLines(path, &ok);
    if (!ok) {
        read.status = QFileInfo(read.nativePath).size() == 0 ? CourseFileRead::Status::Empty
                                                             : CourseFileRead::Status::Unreadable;
        read.lines.clear();
    }
    return read;
}

CourseFileRead loadCheckedContentFile(const QString &path, Layout layout, int exercise) {
    CourseFileRead read = readScrambledCourseFile(path);
    if (read.ok()) {
        if (const auto fault = findBadContentLine(read.lines, layout, exercise)) {
            read.status = CourseFileRead::Status::BadLine;
            read.fault = *fault;
        }
    }
    if (!read.ok()) qCWarning(lcContent) << "not loaded:" << read.nativePath << int(read.status) << read.fault.line;
    fillContentRecords(read.ok() ? read.lines : QStringList(), layout, exercise);
    return read;
}

QString courseFileMessage(const CourseFileRead &read, const QString &consequence) {
    // Joined, not formatted with arg(): a path may itself contain "%1".
    const QString file = QStringLiteral("Soubor ") + read.nativePath;
    QString what;
    switch (read.status) {
    case CourseFileRead::Status::Ok: return {};
    case CourseFileRead::Status::Missing: what = file + QStringLiteral(" chybí."); break;
    case CourseFileRead::Status::Empty: what = file + QStringLiteral(" je prázdný."); break;
    case CourseFileRead::Status::Unreadable: what = file + QStringLiteral(" se nepodařilo přečíst."); break;
    case CourseFileRead::Status::BadLine:
        what = file + QStringLiteral(" je poškozený nebo má špatný formát: řádek ") +
               QString::number(read.fault.line) + QLatin1Char(' ') + read.fault.reason + QLatin1Char('.');
        break;
    }
    if (!consequence.isEmpty()) what += QLatin1Char(' ') + consequence;
    return what + QStringLiteral(" Řekni o tom učiteli.");
}

QString exerciseCannotStart() { return QStringLiteral("Cvičení proto nejde spustit."); }
QString programCannotStart() { return QStringLiteral("Program proto nejde spustit."); }

}  // namespace content
