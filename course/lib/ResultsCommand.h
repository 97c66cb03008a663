// tutorix-course results [FOLDER] [--format csv|json|xlsx] [--separator C]
// [--exercise N] [-o FILE]: every stored result of a results folder for the
// teacher, in UTF-8 or as a workbook. Without FOLDER, the folder the program
// itself would use on this computer.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace course {

// args are the words after "results". Returns the exit code: 0 printed,
// 1 no such folder or the output could not be written, 2 wrong usage.
int runResultsCommand(const QStringList &args, QTextStream &err);

}  // namespace course
