// A family of exercises as one unit: how its rows are laid out on the form,
// how a page is filled and what a checked row says. The form keeps the
// controls, the toolbar and the page flow and asks the family of its
// exercise for the rest; the differences inside a family are rows of the
// exercise table.
#pragma once

#include "exercise/CheckedRow.h"
#include "rules/ExerciseSpec.h"

class frm_Game01;

namespace exercise {

class ExerciseFamily {
public:
    virtual ~ExerciseFamily() = default;
    // Places row 1's controls for the exercise and creates rows 2 ... rows.
    virtual void layOut(frm_Game01 &form, const ExerciseSpec &spec, int rows) const = 0;
    // Fills the page from the records drawn for it.
    virtual void fillPage(frm_Game01 &form, const ExerciseSpec &spec) const = 0;
    // Checks row (1 ... 10) by the exercise's rule, leaves the box showing
    // what was judged and says what the row held.
    virtual CheckedRow checkRow(frm_Game01 &form, const ExerciseSpec &spec, int row) const;
};

// The family that runs the exercise (nullptr for an exercise not in the table).
const ExerciseFamily *familyOf(const ExerciseSpec &spec);

}  // namespace exercise
