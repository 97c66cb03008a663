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

// The decision, for the program and for the course tool alike.
struct ResultsDirChoice {
    QString dir;            // native path of the folder results go to
    QString configured;     // native path named by Vysledky, "" when not set
    QString whyNot;         // why the configured folder is not used ("" when it is, or none is set)
    int whyNotError = 0;    // the errno behind whyNot
    bool ownFolder = false; // dir is the pupil's own $XDG_DATA_HOME/tutorix
};

// Decides the results folder for the INI that was read and its data folder
// (as in the INI, "\"-separated). Creates the configured folder and the
// pupil's own folder when missing; changes no state of the program.
ResultsDirChoice decideResultsDir(const QString &iniPath, const QString &dataDir);

// Sets ResultsDir (ending in "\") from DecideResultsDir. DataDir must be set;
// iniPath is the configuration file that was read.
ResultsDirChoice chooseResultsDir(const QString &iniPath);

// The reason a folder takes no results, in Czech, for the pupil and the
// teacher ("chybí oprávnění k zápisu").
QString czechFolderReason(int error);

// True when results can be written in the folder (a native path): a new file
// can be made there, or the log and every results table in it are writable.
// *why (optional) gets the reason when not.
bool folderTakesResults(const QString &nativeDir, QString *why = nullptr, int *whyError = nullptr);

}  // namespace Misc
