// The exercise form's toolbar: four picture buttons (check, new page,
// results table, back), each with a normal and a lit picture.
#pragma once

#include <QPixmap>

#include <array>

class frm_Game01;

namespace Misc {

// Normal and lit picture of buttons 1 ... 4: entry 2k - 2 normal, 2k - 1 lit.
// (Made on first use: pictures cannot exist before the application.)
std::array<QPixmap, 8> &ToolbarPictures();

// Creates buttons 2 ... 4 beside button 1, loads the eight pictures and shows
// every button normal.
void SetUpNavigationButtons(frm_Game01 &form);
// Shows button k lit and the others normal (k = 0: all normal).
void HighlightToolbarButton(frm_Game01 &form, int k);

}  // namespace Misc
