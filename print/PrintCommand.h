// The course tool's "print" command: worksheets straight into a PDF file for
// teachers' scripts, through the same drawing path as the print button.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace print {

// args: DATADIR EXERCISE COUNT OUT.pdf [NAME] [COPIES]. Loads Texty.dat and
// the exercise's content file from DATADIR (exercise 21 with all its
// topics) and prints. Returns the process exit code (0 done, 1 failed,
// 2 bad arguments); messages go to err.
int runPrintCommand(const QStringList &args, QTextStream &err);

}  // namespace print
