// tutorix-course results DATADIR [--format csv|json] [--exercise N]: prints
// every stored result of a data folder in UTF-8 for the teacher.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace course {

// args are the words after "results". Returns the exit code: 0 printed,
// 1 no such folder or the output could not be written, 2 wrong usage.
int runResultsCommand(const QStringList &args, QTextStream &err);

}  // namespace course
