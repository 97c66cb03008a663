// The program's command line: --help, --version and the program's options.
//
// Parsed before the application object exists, so --help and --version work
// without a display. Options are added in parseCommandLine() and their values
// handed on in ProgramOptions.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace app {

// Values of the program's options.
struct ProgramOptions {
    int scale = 0;         // --scale N: show the scene at N (1 ... 16) times; 0 = choose
    bool verbose = false;  // --verbose: the program's own log on standard error
};

// The logging rules of a run: the program's own info and debug lines only
// with --verbose; warnings and errors always. QT_LOGGING_RULES, when set,
// still wins over these.
QString loggingRules(bool verbose);

// What parsing decided: go on with options, or end at once with exitCode
// after printing text to stdout (help, version: code 0) or stderr (an error:
// code 2).
struct CommandLineResult {
    std::optional<ProgramOptions> options;
    int exitCode = 0;
    QString out;
    QString err;
};

// Parses args (args[0] is the program). Pure: prints nothing itself.
CommandLineResult parseCommandLine(const QStringList &args);

// Parses the process arguments; prints help, version or an error and returns
// the exit code when the program should end, otherwise nothing.
std::optional<int> handleCommandLine(int argc, char *argv[], ProgramOptions *options);

}  // namespace app
