// The seven exercise groups of the selection screen: which exercises each
// group holds, in which order, and the text-table entries of their titles
// and names; the heights of the right column for each group size.
#pragma once

#include <vector>

namespace screens {

struct ExerciseGroup {
    int titleText;                  // text-table entry of the group title
    std::vector<int> exercises;     // exercise numbers at positions 1, 2, ...
    std::vector<int> nameTexts;     // text-table entries of their names
    int firstTop;                   // top of position 1 in the right column
    std::vector<int> heights;       // heights of positions 1, 2, ...
};

// Groups 1 ... 7 (index 0 unused).
const std::vector<ExerciseGroup> &exerciseGroups();

// The group (1 ... 7) that holds exercise n, and its position in it.
int groupOfExercise(int exercise, int *position = nullptr);
// Text-table entry of the name of exercise n (0 when n is not 1 ... 24).
int nameTextOfExercise(int exercise);

// Tops of the right-column positions of group g: each position starts where
// the previous one ends minus one pixel (neighbours overlap by one).
std::vector<int> rightColumnTops(int group);

}  // namespace screens
