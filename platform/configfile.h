// Where the program finds Tutorix.ini.
//
// The places are tried in this order and the first existing file wins:
//   1. $TUTORIX_WINDOWS_DIR/Tutorix.ini (when the variable is set and not empty);
//   2. the user's $XDG_CONFIG_HOME/tutorix/Tutorix.ini (~/.config when unset);
//   3. each $XDG_CONFIG_DIRS entry + /tutorix/Tutorix.ini (/etc/xdg when unset),
//      where a school points every computer at a shared course;
//   4. the installed course's own Tutorix.ini, ../share/tutorix/course beside
//      the program's bin folder, so an unpacked package runs from any root.
// A CD or HD value that is a relative path is taken relative to the folder
// of the INI file it was read from, so an installed course names its media
// and data folders as "media\" and "data\".
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// What the search depends on: environment values (empty when unset) and the
// folder that holds the running program.
struct ConfigSearch {
    QString windowsDirEnv;  // TUTORIX_WINDOWS_DIR
    QString xdgConfigHome;  // XDG_CONFIG_HOME
    QString xdgConfigDirs;  // XDG_CONFIG_DIRS, ":"-separated
    QString home;           // the user's home folder
    QString programDir;     // QCoreApplication::applicationDirPath()
};

// The search of this process.
ConfigSearch configSearchOfProcess();

// Every place a Tutorix.ini is looked for, as native paths in search order.
QStringList configCandidates(const ConfigSearch &search);

// The first candidate that exists (its name matched without regard to
// case), or an empty string when none does.
QString findConfigFile(const ConfigSearch &search);

// A directory value read from the INI: a relative value is resolved against
// iniFolder (with "\" or "/" separators); an absolute or empty value is
// returned as it is.
QString resolveConfigDir(const QString &value, const QString &iniFolder);

}  // namespace platform
