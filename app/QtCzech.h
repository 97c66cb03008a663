// Qt's own wording (standard buttons, the print and page dialogs) in Czech,
// like the rest of the program.
#pragma once

namespace Misc {

// Loads Qt's Czech translations (qtbase_cs from Qt's translations folder,
// with qt_cs as the older single-file name); false when none is installed.
bool installCzechQtTranslations();

}  // namespace Misc
