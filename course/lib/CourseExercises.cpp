#include "course/lib/CourseExercises.h"

#include <array>

namespace course {

namespace {

using media::Icon;
using T = RowTint;

constexpr const char *kDraws = "běh o 30 otázkách i jeho pracovní list berou 30 různých položek";
constexpr const char *kDrawsLists = "běh o 30 otázkách bere všech svých 30 seznamů najednou";
constexpr const char *kDrawsClocks = "pracovní list o 30 otázkách bere pro každou polovinu svých 60 míst 30 různých hodin";
constexpr const char *kDrawsItems = "běh o 30 otázkách bere 30 různých položek";

constexpr RowBands kSwitchBands{40, 564, 120, 60, 66, 570, 121, 48};
constexpr RowBands kListBands{28, 590, 102, 30, 35, 595, 101, 34};
constexpr RowBands kLongGapBands{28, 590, 102, 30, 35, 600, 102, 34};
constexpr RowBands kModelBands{14, 596, 102, 30, 35, 600, 101};
constexpr RowBands kTileBands{28, 590, 86, 30, 33, 595, 85, 34};
constexpr RowTint kModelTint{T::TealLight, 18, 104, 92, 26};

// clang-format off
const std::array<CourseExercise, 25> kTable{{
    {},
    // n  icon          bands                                    tint                             records reason  switch words        closes
    {1,  Icon::Hand,    {58, 564, 90, 30, 33, 570, 90, 62},      {},                              kDraws},
    {2,  Icon::List,    kSwitchBands,                            {},                              kDraws,         {"", ""},           true},
    {3,  Icon::Pencil,  {40, 564, 123, 30, 32, 570, 121, 50},    {T::Teal, 84, 124, 233, 28},     kDraws},
    {4,  Icon::List,    kSwitchBands,                            {},                              kDraws,         {"a", "many"}},
    {5,  Icon::Hand,    kTileBands,                              {},                              kDraws},
    {6,  Icon::Hand,    kTileBands,                              {},                              kDraws},
    {7,  Icon::List,    kListBands,                              {},                              kDraws},
    {8,  Icon::List,    kListBands,                              {},                              kDraws},
    {9,  Icon::Pencil,  kModelBands,                             kModelTint,                      kDraws},
    {10, Icon::List,    kListBands,                              {},                              kDraws},
    {11, Icon::List,    kSwitchBands,                            {},                              kDraws},
    {12, Icon::List,    kListBands,                              {},                              kDraws},
    {13, Icon::Pencil,  {14, 594, 123, 54, 65, 600, 132},        {T::TealLight, 17, 127, 150, 46}, kDraws},
    {14, Icon::Pencil,  {50, 594, 111, 52, 70, 600, 132, 24},    {},                              kDraws},
    {15, Icon::Pencil,  kLongGapBands,                           {},                              kDraws},
    {16, Icon::Pencil,  kLongGapBands,                           {},                              kDraws},
    {17, Icon::Pencil,  kLongGapBands,                           {},                              kDraws},
    {18, Icon::List,    {},                                      {},                              kDrawsLists},
    {19, Icon::Clock,   {},                                      {},                              kDrawsClocks},
    {20, Icon::Pencil,  kModelBands,                             kModelTint,                      kDraws},
    {21, Icon::Hand,    {30, 398, 117, 30, 32, 402, 120},        {T::Teal, 35, 119, 180, 26},     kDraws},
    {22, Icon::Speaker, {},                                      {},                              kDrawsItems},
    {23, Icon::Speaker, {},                                      {},                              kDrawsItems},
    {24, Icon::Speaker, {26, 590, 101, 34, 35, 595, 102},        {},                              kDrawsItems},
}};
// clang-format on

bool numberedInOrder() {
    for (std::size_t n = 0; n < kTable.size(); ++n)
        if (kTable[n].number != int(n)) return false;
    return true;
}

}  // namespace

const CourseExercise &courseExercise(int exercise) {
    static const bool ordered = numberedInOrder();
    Q_ASSERT(ordered);
    Q_UNUSED(ordered);
    return (exercise >= 1 && exercise <= 24) ? kTable[std::size_t(exercise)] : kTable[0];
}

}  // namespace course
