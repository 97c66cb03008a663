// Keyboard use and screen-reader names of the exercise form: the toolbar,
// the help area, every kind of row (typed answers, drop-down lists, switches,
// word tiles and their rows, loudspeakers, the lists and overview of
// exercise 18), the marks and the continue button, in reading order.
#pragma once

class frm_Game01;

namespace exercise {

void setUpExerciseKeys(frm_Game01 &form);
// Places the areas that stand for the clocks of exercise 19 (drawn on the
// background, so without a control of their own); called after a page fill.
void updateKeyAreas(frm_Game01 &form);

}  // namespace exercise
