// tutorix-course report [FOLDER...] [-o report.html] [--pdf report.pdf]
// [--from D.M.YYYY] [--to D.M.YYYY] [--pupil NAME] [--open]: the teacher's
// report of one or more results folders, as an HTML page and/or a PDF.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace report {

// The folder reported when none is named: the results folder the program
// itself would use now (Tutorix.ini with its Vysledky key, or the pupil's
// own ~/.local/share/tutorix). The one place that decides it; notes for the
// teacher about the choice are added to *notes. "" when there is none.
QString defaultReportFolder(QStringList *notes);

// Where --open writes when no -o is given: the user's cache folder.
QString cachedReportPath();

// args are the words after "report". Returns the exit code: 0 written,
// 1 a folder or the output failed, 2 wrong usage.
int runReportCommand(const QStringList &args, QTextStream &out, QTextStream &err);

}  // namespace report
