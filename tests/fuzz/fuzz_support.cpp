#include "fuzz_support.h"

#include <QGuiApplication>

namespace fuzz {

void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

}  // namespace fuzz

// The parsers under fuzzing open no forms, so the state's watch over the
// screen in front (state/Misc.cpp, which needs the form toolkit) has nothing
// to watch here.
namespace Misc {
bool watchCurrentScreen() { return true; }
}  // namespace Misc
