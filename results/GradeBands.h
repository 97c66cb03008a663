// The check of the grade bands (Znamky.dat) made at start-up.
//
// The results screen gives a run the grade of every band that holds its
// percentage, the last one winning, and an empty grade when none does. A
// band table with a gap, a missing line (read as the band 0 ... 0 with grade
// 0, which then ranks best), a grade outside 1 ... 5 or a number that does
// not fit a byte would give wrong or empty grades, so such a table stops the
// program before any run is made.
#pragma once

#include "state/Misc.h"
#include "content/ContentCheck.h"

#include <QStringList>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace results {

// The item counts a run can have (exercise::kRunLengths as a list).
std::vector<int> runLengths();

// A field that is a whole number written with digits only, at most six of
// them, spaces around allowed; -1 otherwise.
int wholeNumber(const QString &field);

// The scores (right, total) of runs of every run length that the bands
// 1 ... 5 give no grade (GradeFor is empty), shortest run first and fewest
// right first within a run.
std::vector<std::pair<int, int>> scoresWithoutGrade(const std::array<Misc::GradeBand, 6> &bands);

// The first bad line of Znamky.dat (lines 1 ... 5; later lines are not
// read): a missing or empty line, a line that is not three whole numbers
// separated by "|", a bound above 100 %, a lower bound above the upper one,
// a grade outside 1 ... 5, or — once all five are sound — a band after which
// (or before which) some percentage of a run of runLengths() items gets no
// grade. The reason is a Czech phrase that follows "řádek N".
std::optional<content::LineFault> findBadGradeLine(const QStringList &lines);

}  // namespace results
