// The ways from one screen to another. The screens, the exercise form, the
// results screen and the print job sit side by side and include none of each
// other; where one hands over to another it calls one of these hooks, which
// the program fills at start-up (connectScreens in app/ScreenLinks.h).
#pragma once

#include <functional>

namespace ui {
class Form;
}

namespace Misc {

struct Navigation {
    // ---- Start-up (the selection screen's load) -------------------------
    // Reads the configuration and the tables; false when the program must
    // end (the message was shown).
    std::function<bool()> loadConfiguration;
    // Switches the display to 640 x 480, or scales the scene.
    std::function<void()> setDisplayMode;

    // ---- Into the exercise (setup, intro and topic screens) --------------
    // Loads and shows the exercise form for ExerciseNumber.
    std::function<void()> showExercise;
    // The exercise form while it is loaded, else nullptr (a run that ended
    // in its load).
    std::function<ui::Form *()> exerciseScreen;
    // The topic screen's choice: topic button t is selected (false without
    // the topic screen).
    std::function<bool(int)> topicChosen;

    // ---- Print button and exit --------------------------------------------
    // The print dialog and the worksheets of the current exercise.
    std::function<void()> printWorksheets;
    // The exit question; true when the pupil chose to end.
    std::function<bool()> exitProgram;

    // ---- Out of the exercise ----------------------------------------------
    // The setup screen (loaded when it was not), not shown.
    std::function<ui::Form *()> setupScreen;
    // Shows the exercise's help page over the exercise form `from`, which it
    // returns to; returns the help page.
    std::function<ui::Form *(ui::Form *from)> showExerciseHelp;
    // Shows the stored results table of the exercise during a run; its back
    // button returns to `from`. Returns the results screen.
    std::function<ui::Form *(ui::Form *from)> showResultsTable;
    // The end of a run: the results screen gets the run's grade, stores the
    // result and the log entry and is shown; its back button goes to the
    // setup screen. Returns the results screen.
    std::function<ui::Form *()> showRunResult;
};

// Made on first use, so that hooks filled before main (the tests) stay.
inline Navigation &links() {
    static Navigation links;
    return links;
}
inline Navigation &Go = links();

}  // namespace Misc
