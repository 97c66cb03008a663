// The random draw of a page's records without repeats within a run.
#pragma once

#include <array>
#include <functional>
#include <vector>

namespace exercise {

// A source of random numbers uniform in [0, 1).
using RandomSource = std::function<double()>;

// Draws the record numbers (1 ... recordCount) of a page into drawn(1 ...
// itemsOnPage). drawn holds the run's history: on the first page it is
// cleared; otherwise the earlier pages move up by ten (entries 11 ... 60) and
// entries 1 ... 10 are cleared. A number is redrawn while it equals any of
// entries 1 ... 60 or a record of checked, so no record comes twice within
// the last sixty. Once every record is used, records shown on pages that
// were never checked may come again (never a checked one, never twice on the
// page), so skipping pages cannot end a run. When even those are used up the
// remaining rows stay 0 and the result is false (the draw never loops
// without end).
bool DrawPageItems(std::array<int, 61> &drawn, int recordCount, int itemsOnPage, bool firstPage,
                   const RandomSource &random, const std::vector<int> &checked = {});

// The program's generator, seeded from the clock on every call.
RandomSource clockSeededRandom();

}  // namespace exercise

namespace Misc {
// DrawPageItems on the run state: DrawnItems, CheckedItems, ItemsOnPage, and
// the first page when ItemsRemaining equals QuestionCount (which also
// forgets the checked records of an earlier run).
bool DrawPageItems(int recordCount);
// Notes the records of the page just checked (DrawnItems 1 ... ItemsOnPage).
void noteCheckedPage();
}  // namespace Misc
