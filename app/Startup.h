// Start-up, configuration and the exit sequence.
#pragma once

#include "state/GradeBands.h"
#include "state/Misc.h"
#include "state/TextTable.h"
#include "state/ResultsDir.h"

#include <QString>
#include <QStringList>

namespace Misc {

// The three start-up failure messages (caption "Chyba", critical icon).
QString startupMessage(int number);
// Message 2 or 3 followed by a line naming the files (native paths) that are
// missing, or with damaged set that cannot be read, as the box and standard
// error show it.
QString missingFilesMessage(int number, const QStringList &files, bool damaged = false);

// The start-up warning when the results folder named in Tutorix.ini cannot
// be written: that folder, why, and where this run's results go instead.
QString resultsFolderMessage(const ResultsDirChoice &choice);

// Reads Tutorix.ini, checks the data and media files, loads the cursors, the
// keyboard layout, the grade table and the text table. On a failure it shows
// the message and returns false: the caller ends the program.
bool LoadConfiguration();

// The directory rule of the INI values: "\" appended when missing.
QString withTrailingBackslash(const QString &dir);

void LoadGradeTable(const QString &path);

void SetDisplayMode();
void RestoreDisplayMode();

// The exit button: asks (texts 1 and 2) and on Yes restores the display,
// unloads the background and selection screens and ends the program.
// Returns true when the pupil chose to end.
bool runExitSequence();

}  // namespace Misc
