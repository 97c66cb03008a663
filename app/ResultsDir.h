// Where the results of this run go: chosen once at start-up, never at the
// end of a run, and used by the results screen and the log alike.
//
// In order: the folder named by the optional key Vysledky of section LING1
// (created when missing) when results can be written there; the data folder
// when the pupil can write there (the folder itself, or at least the
// results log and every results table in it); else the pupil's own folder
// $XDG_DATA_HOME/tutorix (~/.local/share/tutorix). A table missing there is
// read from the data folder on first use, so the installed table is carried
// over.
#pragma once

#include <QString>

namespace Misc {

// The INI key that names a results folder explicitly.
inline constexpr char kResultsDirKey[] = "Vysledky";

// Sets ResultsDir (ending in "\"). DataDir must be set; iniPath is the
// configuration file that was read.
void ChooseResultsDir(const QString &iniPath);

// True when results can be written in the folder (a native path): a new file
// can be made there, or the log and every results table in it are writable.
bool FolderTakesResults(const QString &nativeDir);

}  // namespace Misc
