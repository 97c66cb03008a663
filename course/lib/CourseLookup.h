// The course and results folder the program itself would start with, found
// the same way for every command of the course tool that reads results:
// the same Tutorix.ini lookup, its HD and Vysledky keys, and the same
// fallback to the pupil's own folder.
#pragma once

#include "app/ResultsDir.h"

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

// Texty.dat of a results folder; a per-user results folder or an archive
// has none, so then the one of the course the program would start with.
// Empty when neither can be read.
QStringList courseTextsFor(const QString &folder);

}  // namespace course
