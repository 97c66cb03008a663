// How the 640 x 480 scene reaches the screen, and the ways out of the program
// from any screen: the close button, Alt+F4, SIGTERM and SIGINT.
//
// The display is switched to 640 x 480 where it can be; elsewhere (or when a
// school prefers it) the scene is shown at the largest whole-number scale
// that fits, centred over the background form. Tutorix.ini section LING1:
//   Scale=N          shows the scene at scale N (1 ... 16, never larger than
//                    fits) instead of switching the display
//   PreferScaling=1  scales (at the fitting scale) instead of switching
// The command-line option "--scale N" does the same as Scale and wins over it.
#pragma once

#include <QString>
#include <QStringList>

namespace Misc {

struct SceneSettings {
    int forcedScale = 0;  // 0: the fitting scale
    bool preferScaling = false;
};

// The scene settings of the INI text (section LING1, keys Scale and
// PreferScaling) with the command line's scale (0 = none) on top.
SceneSettings sceneSettingsFrom(const QString &iniText, int commandLineScale);

// The scale given on the command line (main sets it before start-up).
void setCommandLineScale(int scale);
int scaleFromCommandLine();

// Reads the scene settings of WindowsDir + "Tutorix.ini".
SceneSettings readSceneSettings();

// Start-up's display step: switches the display to 640 x 480, or shows the
// scene scaled. Returns true when the display was switched. The message of
// a failed switch is shown only when switching was tried.
bool switchDisplayOrScale(const SceneSettings &settings);

// The close button or Alt+F4 of any screen: the exit question; "Ano" ends the
// program as the selection screen's exit does (keyboard layout included).
bool runCloseRequest();

// Makes the close button and Alt+F4 of every screen run RunCloseRequest and
// SIGTERM/SIGINT run endOnSignal (main calls it before start-up).
void installWaysOut();

// SIGTERM/SIGINT: the display and the keyboard layout are put back (without
// any message box) and the program ends at once, whatever loop is running.
void endOnSignal(int signalNumber);

}  // namespace Misc
