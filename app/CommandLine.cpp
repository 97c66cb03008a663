#include "app/CommandLine.h"

#include <QCommandLineParser>

#include <cstdio>

namespace app {

namespace {
const QString kProgram = QStringLiteral("tutorix");
}

CommandLineResult parseCommandLine(const QStringList &args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tutorix Lingvana 1 - kurz angličtiny (English course).\n"
                                                    "Reads Tutorix.ini from $TUTORIX_WINDOWS_DIR, "
                                                    "~/.config/tutorix, /etc/xdg/tutorix\n"
                                                    "or the installed course (../share/tutorix/course)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Show the screens N times larger (1-16) instead of switching the "
                                                  "display to 640 x 480."),
                                   QStringLiteral("N"));
    parser.addOption(scale);
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("Print the program's own log (configuration, course, results "
                                                    "folder, display, sound) on standard error."));
    parser.addOption(verbose);
    // Qt's own options ("-platform offscreen", "-style fusion", ...) are taken
    // by the application object later; here they are only let through.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "display", "style", "stylesheet",
                             "qwindowgeometry", "qwindowtitle", "qwindowicon", "session", "reverse"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name));
        if (qstrcmp(name, "reverse") != 0) qtOption.setValueName(QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }

    CommandLineResult r;
    if (!parser.parse(args)) {
        r.exitCode = 2;
        r.err = QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(kProgram, parser.errorText());
        return r;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object the parser cannot know the program's name.
        r.out = parser.helpText().replace(QStringLiteral("<executable_name>"), kProgram);
        return r;
    }
    if (parser.isSet(version)) {
        r.out = QStringLiteral("%1 %2\n").arg(kProgram, QStringLiteral(TUTORIX_VERSION));
        return r;
    }
    if (!parser.positionalArguments().isEmpty()) {
        r.exitCode = 2;
        r.err = QStringLiteral("%1: unexpected argument '%2'\nTry '%1 --help'.\n")
                    .arg(kProgram, parser.positionalArguments().constFirst());
        return r;
    }
    ProgramOptions options;
    options.verbose = parser.isSet(verbose);
    if (parser.isSet(scale)) {
        bool ok = false;
        options.scale = parser.value(scale).toInt(&ok);
        if (!ok || options.scale < 1 || options.scale > 16) {
            r.exitCode = 2;
            r.err = QStringLiteral("%1: --scale takes a whole number from 1 to 16\nTry '%1 --help'.\n").arg(kProgram);
            return r;
        }
    }
    r.options = options;
    return r;
}

QString loggingRules(bool verbose) {
    return verbose ? QStringLiteral("tutorix.*=true")
                   : QStringLiteral("tutorix.*.debug=false\ntutorix.*.info=false");
}

std::optional<int> handleCommandLine(int argc, char *argv[], ProgramOptions *options) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const CommandLineResult r = parseCommandLine(args);
    std::fputs(r.out.toUtf8().constData(), stdout);
    std::fputs(r.err.toUtf8().constData(), stderr);
    if (r.options) {
        *options = *r.options;
        return std::nullopt;
    }
    return r.exitCode;
}

}  // namespace app
