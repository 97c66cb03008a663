// Switching the display to 640 x 480 and back.
//
// On X11 with RandR offering a 640 x 480 size the switch is real (the colour
// depth of an X screen cannot change, so only the size is switched). Elsewhere
// the switch reports failure and the program runs in a window over a
// background form.
#pragma once

#include <functional>

namespace platform {

struct DisplayMode {
    long width = 0;
    long height = 0;
    long bitsPerPixel = 0;
    long refreshRate = 0;
};

class DisplayModes {
public:
    // Current settings of the display; false when they cannot be read.
    static bool current(DisplayMode &mode);
    // Requests width x height (and bits per pixel where the system can); true
    // on success.
    static bool change(long width, long height, long bitsPerPixel);
    // Requests a saved mode again.
    static bool restore(const DisplayMode &mode);

    // Tests replace the system's answers.
    struct Fake {
        bool changeSucceeds = false;
        bool restoreSucceeds = true;
        int changeCalls = 0;
        int restoreCalls = 0;
    };
    static void setFake(Fake *fake);
};

// Hands SIGINT and SIGTERM to onSignal (with the signal's number) on the main
// thread, from whatever event loop is running, so that the program can put
// the display back before it ends.
void installTerminationHandler(std::function<void(int)> onSignal);

}  // namespace platform
