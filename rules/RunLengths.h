// The item counts a run can have: the five count buttons of the setup
// screen offer 10, 15, 20, 25 and 30 questions. The setup screen, the grade
// band check, the worksheet page counts and the course tool all read them
// here, so that a run length is never listed twice.
#pragma once

#include <array>
#include <cstddef>

namespace exercise {

inline constexpr std::array<int, 5> kRunLengths{10, 15, 20, 25, 30};

// The longest run: the most items a run draws.
inline constexpr int kLongestRun = kRunLengths.back();

// The place (0 ... 4) of a count among the run lengths; -1 for any other.
constexpr int runLengthIndex(int count) {
    for (std::size_t k = 0; k < kRunLengths.size(); ++k)
        if (kRunLengths[k] == count) return int(k);
    return -1;
}

}  // namespace exercise

namespace screens {

// Number of items of count button k (1 ... 5) of the setup screen.
inline int countOfButton(int k) { return exercise::kRunLengths.at(std::size_t(k - 1)); }

}  // namespace screens
