#include "app/SceneMode.h"

#include "state/Misc.h"
#include "state/Services.h"
#include "app/Startup.h"
#include "platform/display.h"
#include "platform/ini.h"
#include "platform/logging.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/sound.h"
#include "screens/frm_Pozadi.h"
#include "screens/frm_Select.h"
#include "ui/Form.h"
#include "ui/Scene.h"

#include <QFile>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace Misc {

namespace {
int g_commandLineScale = 0;

bool isTrue(const QString &value) {
    const QString v = value.trimmed().toLower();
    return v == QLatin1String("1") || v == QLatin1String("ano") || v == QLatin1String("yes") ||
           v == QLatin1String("true");
}
}  // namespace

void setCommandLineScale(int scale) { g_commandLineScale = scale; }
int scaleFromCommandLine() { return g_commandLineScale; }

SceneSettings sceneSettingsFrom(const QString &iniText, int commandLineScale) {
    SceneSettings s;
    const QString section = QStringLiteral("LING1");
    bool ok = false;
    const int scale = platform::profileStringFromText(iniText, section, QStringLiteral("Scale"), QString()).toInt(&ok);
    if (ok && scale >= 1 && scale <= 16) s.forcedScale = scale;
    if (commandLineScale > 0) s.forcedScale = commandLineScale;
    s.preferScaling = s.forcedScale > 0 ||
                      isTrue(platform::profileStringFromText(iniText, section, QStringLiteral("PreferScaling"), QString()));
    return s;
}

SceneSettings readSceneSettings() {
    QFile ini(platform::nativePath(WindowsDir + QStringLiteral("Tutorix.ini")));
    QString text;
    if (ini.open(QIODevice::ReadOnly)) text = QString::fromLatin1(ini.readAll());
    return sceneSettingsFrom(text, g_commandLineScale);
}

bool switchDisplayOrScale(const SceneSettings &settings) {
    if (!settings.preferScaling && platform::DisplayModes::change(640, 480, 16)) {
        ui::setDisplaySwitched(true);
        ui::applySceneScale(1);
        return true;
    }
    ui::setDisplaySwitched(false);
    ui::applySceneScale(ui::chooseScale(ui::primaryScreenPixels(), settings.forcedScale));
    if (!settings.preferScaling) {
        qCInfo(lcApp) << "display not switched; asking the pupil to go on scaled";
        platform::msgBox(Text(44), Text(45), platform::MsgIcon::None, platform::MsgButtons::Ok);
    }
    return false;
}

bool runCloseRequest() {
    static bool asking = false;
    if (asking) return false;  // a second close while the question is open
    asking = true;
    const bool yes = platform::msgBox(Text(1), Text(2), platform::MsgIcon::Question, platform::MsgButtons::YesNo) ==
                     platform::MsgResult::Yes;
    asking = false;
    if (!yes) return false;
    restoreKeyboardLayoutIfChanged();
    RestoreDisplayMode();
    frm_Pozadi::Unload();
    frm_Select::Unload();
    endProgram(0);
    return true;
}

void installWaysOut() {
    ui::Form::setCloseRequestHandler([] { runCloseRequest(); });
    platform::installTerminationHandler([](int signalNumber) { endOnSignal(signalNumber); });
}

void endOnSignal(int signalNumber) {
    qCInfo(lcApp) << "signal" << signalNumber << ": restoring the display and the keyboard layout";
    platform::Sounds::stop();
    restoreKeyboardLayoutIfChanged();
    const platform::DisplayMode saved{SavedDisplayMode.width, SavedDisplayMode.height, SavedDisplayMode.bitsPerPixel,
                                      SavedDisplayMode.refreshRate};
    if (saved.width > 0) platform::DisplayModes::restore(saved);
    std::fflush(nullptr);
    // Ends with the signal itself, so whoever started the program sees why;
    // nested loops (an open message box) are not given a chance to go on.
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
    ::_exit(128 + signalNumber);
}

}  // namespace Misc
