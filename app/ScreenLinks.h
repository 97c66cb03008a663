// Fills the hooks of state/Navigation.h with the screens, the exercise form,
// the results screen and the print job, which know nothing of each other.
#pragma once

namespace Misc {

// Connects every way between the screens; the program calls it once before
// the first screen is loaded (the tests do too).
void connectScreens();

}  // namespace Misc
