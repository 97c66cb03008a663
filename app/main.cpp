// Tutorix Lingvana 1: the program starts with its selection screen, whose
// load runs the start-up and shows the title screen.
#include "app/CommandLine.h"
#include "app/Services.h"
#include "app/Startup.h"
#include "platform/display.h"
#include "screens/frm_Select.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    app::ProgramOptions options;
    if (const auto code = app::handleCommandLine(argc, argv, &options)) return *code;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tutorix"));
    QApplication::setApplicationVersion(QStringLiteral(TUTORIX_VERSION));
    // Ties the windows to the installed desktop entry (its icon and name).
    QGuiApplication::setDesktopFileName(QStringLiteral(TUTORIX_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);

    // Ctrl+C or a kill puts the display mode back before the program ends.
    platform::installTerminationHandler([] {
        Misc::RestoreDisplayMode();
        QCoreApplication::exit(130);
    });

    frm_Select::get().Load();
    int code = 0;
    if (Misc::ProgramEnding(&code)) return code;
    return app.exec();
}
