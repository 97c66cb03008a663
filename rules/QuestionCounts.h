// The question counts a pupil can choose: the five count buttons of the
// setup screen, which the grade check of the results also walks through.
#pragma once

namespace screens {

// Number of items of count button k (1 ... 5): 10, 15, 20, 25, 30.
int countOfButton(int k);

}  // namespace screens
