// Tutorix Lingvana 1: the program starts with its selection screen, whose
// load runs the start-up and shows the title screen.
#include "app/CommandLine.h"
#include "app/QtCzech.h"
#include "app/SceneMode.h"
#include "app/ScreenLinks.h"
#include "state/Services.h"
#include "app/Startup.h"
#include "platform/sound.h"
#include "screens/frm_Select.h"
#include "ui/Form.h"
#include "ui/Scene.h"

#include <QApplication>
#include <QLoggingCategory>

int main(int argc, char *argv[]) {
    app::ProgramOptions options;
    if (const auto code = app::handleCommandLine(argc, argv, &options)) return *code;
    // A normal start and end print nothing; --verbose turns the log on.
    QLoggingCategory::setFilterRules(app::loggingRules(options.verbose));

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tutorix"));
    QApplication::setApplicationVersion(QStringLiteral(TUTORIX_VERSION));
    // Ties the windows to the installed desktop entry (its icon and name).
    QGuiApplication::setDesktopFileName(QStringLiteral(TUTORIX_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    Misc::installCzechQtTranslations();

    // "--scale N" shows the scene at scale N instead of switching the display.
    Misc::setCommandLineScale(options.scale);
    // Until start-up decides, every window (also a start-up failure's box)
    // fits the screen whatever QT_SCALE_FACTOR says.
    ui::applySceneScale(ui::chooseScale(ui::primaryScreenPixels(), Misc::scaleFromCommandLine()));

    // The close button and Alt+F4 of every screen ask the exit question;
    // Ctrl+C or a kill puts the display and the keyboard layout back and
    // ends the program, also while a message box is open.
    Misc::installWaysOut();

    // The sound module loads once the title is on the screen.
    ui::afterFirstPicture(&app, [] { platform::Sounds::prepare(); });

    Misc::connectScreens();
    frm_Select::get().Load();
    int code = 0;
    if (Misc::programEnding(&code)) return code;
    return app.exec();
}
