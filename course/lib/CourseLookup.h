// The course and results folder the program itself would start with, found
// the same way for every command of the course tool that reads results:
// the same Tutorix.ini lookup, its HD and Vysledky keys, and the same
// fallback to the pupil's own folder.
#pragma once

#include "state/ResultsDir.h"

#include <QString>
#include <QStringList>

namespace course {

struct CourseSetup {
    QString iniPath;  // "" when no Tutorix.ini was found
    QString dataDir;  // native data folder (HD), "" when unknown
    Misc::ResultsDirChoice results;  // where the program would put results now
};

// Looks the configuration up as the program does at start-up.
CourseSetup lookUpCourse();

// The Texty.dat a results folder is read with: its own; a per-user results
// folder or an archive has none (or only a damaged one), so then the one of
// the course the program would start with. "" when neither can be read.
QString courseTextsPathFor(const QString &folder);

// The lines of courseTextsPathFor(folder); empty when there is none.
QStringList courseTextsFor(const QString &folder);

// True when the folder holds a result: a results table, the results log or
// the answers log that is not empty.
bool holdsResults(const QString &folder);

// When the configured results folder (Vysledky) cannot be written, the
// program puts this computer's results elsewhere. A Czech note naming both
// folders and the reason when that other folder holds results; "" when the
// configured folder is used, none is configured or nothing went elsewhere.
QString fallbackNotice(const CourseSetup &setup);

}  // namespace course
