#include "rules/ExerciseGroups.h"

namespace screens {

const std::vector<ExerciseGroup> &exerciseGroups() {
    static const std::vector<ExerciseGroup> groups = {
        {0, {}, {}, 0, {}},
        {3, {1, 2, 3, 4}, {4, 17, 24, 30}, 140, {80, 69, 69, 83}},
        {5, {5, 6, 7}, {6, 18, 25}, 140, {102, 93, 105}},
        {7, {8, 9, 10}, {8, 19, 26}, 140, {102, 93, 105}},
        {9, {11, 12}, {10, 20}, 185, {102, 105}},
        {11, {13, 14, 15, 16, 17, 18}, {12, 21, 27, 31, 32, 33}, 140, {57, 46, 47, 47, 46, 60}},
        {13, {19, 20, 21}, {14, 22, 28}, 140, {102, 93, 105}},
        {15, {22, 23, 24}, {16, 23, 29}, 140, {102, 93, 105}},
    };
    return groups;
}

int groupOfExercise(int exercise, int *position) {
    const auto &groups = exerciseGroups();
    for (int g = 1; g < int(groups.size()); ++g)
        for (int k = 0; k < int(groups[g].exercises.size()); ++k)
            if (groups[g].exercises[k] == exercise) {
                if (position) *position = k + 1;
                return g;
            }
    return 0;
}

int nameTextOfExercise(int exercise) {
    int k = 0;
    const int g = groupOfExercise(exercise, &k);
    return g ? exerciseGroups()[g].nameTexts[k - 1] : 0;
}

std::vector<int> rightColumnTops(int group) {
    const ExerciseGroup &g = exerciseGroups().at(group);
    std::vector<int> tops;
    int top = g.firstTop;
    for (std::size_t k = 0; k < g.heights.size(); ++k) {
        tops.push_back(top);
        top += g.heights[k] - 1;
    }
    return tops;
}

}  // namespace screens
