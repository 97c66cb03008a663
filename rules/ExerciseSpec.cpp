#include "rules/ExerciseSpec.h"

#include <array>

namespace exercise {

namespace {

using F = Family;
using R = RowForm;
using C = CheckRule;
using Fo = FocusRule;
using H = HintForm;
using B = HintBubble;
using K = KeyRows;
using X = BoxClick;
using W = Worksheet;
using P = TilePlaces;
using G = GapWidth;
using S = SwitchWord;

constexpr TileSpec kNoTiles{};
constexpr GapRowSpec kNoGapRow{};
constexpr TileSpec kArticleTiles{3, 50, P::Design, true, false, {"a", "an", "the"}};
constexpr TileSpec kPersonalTiles{
    12, 50, P::Grid, true, false, {"I", "me", "you", "he", "she", "it", "we", "they", "him", "her", "us", "them"}};
constexpr TileSpec kPossessiveTiles{
    12, 50, P::Grid, true, false,
    {"my", "mine", "your", "yours", "his", "her", "hers", "its", "our", "ours", "their", "theirs"}};
constexpr TileSpec kClockTiles{10, 238, P::ClockColumn, false, true};
constexpr TileSpec kTopicTiles{10, 160, P::TopicColumn, false, true};

// clang-format off
constexpr std::array<ExerciseSpec, 25> kTable{{
    {},
    // n  family        form              rows step check     opts focus                         hint                      bubble         keys          box          hover  tiles        worksheet         topics switch gap row / switch
    {1,  F::GapSentences, R::Gap,           10, 33, C::Box,    0, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::Tiles,     X::HiddenBox, false, kArticleTiles,    W::GapLine,       false, 0, {G::Tiles, 27, 88, 566}},
    {2,  F::Switches,     R::Switch,         5, 66, C::Switch, 0, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::Switch,    X::HiddenBox, false, kNoTiles,    W::GapLine,       false, 2, {G::Fixed, 32, 88, 566}, {{S::Capitalised, S::Closes, S::AsIs}, "?", "02_sw_", 3}},
    {3,  F::GapSentences, R::Translation,   10, 32, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Translation,           B::Short,      K::Typed,     X::TypedBox,  true,  kNoTiles,    W::Translation,   false},
    {4,  F::Switches,     R::Switch,         5, 66, C::Switch, 0, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::Switch,    X::HiddenBox, false, kNoTiles,    W::SwitchPair,    false, 2, {G::Fixed, 48, 88, 566}, {{S::AsIs, S::AsIs, S::AsIs}, nullptr, "04_sw_1", 3, "04_sw_2", {"a", "many"}}},
    {5,  F::GapSentences, R::Gap,           10, 33, C::Box,    0, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::Tiles,     X::HiddenBox, false, kPersonalTiles,   W::GapLine,       false, 0, {G::Tiles, 50, 63, 591}},
    {6,  F::GapSentences, R::Gap,           10, 33, C::Box,    0, Fo::HiddenBox,                 H::SentenceBeforeBracket, B::Wide,       K::Tiles,     X::HiddenBox, false, kPossessiveTiles, W::GapLine,       false, 0, {G::Tiles, 50, 63, 591}},
    {7,  F::Lists,        R::List,          10, 35, C::Box,    3, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::List,      X::ListBox,   true,  kNoTiles,    W::Choice3,       false, 0, {G::Fixed, 90}, {}, {96, true, true}},
    {8,  F::Lists,        R::List,          10, 35, C::Box,    4, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::List,      X::ListBox,   true,  kNoTiles,    W::Choice4,       false, 0, {G::Fixed, 140}, {}, {140, false, true}},
    {9,  F::GapSentences, R::Model,         10, 35, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Sentence,              B::Wide,       K::Typed,     X::TypedBox,  true,  kNoTiles,    W::Model,         false, 0, {G::Answer, 20}},
    {10, F::Lists,        R::List,          10, 35, C::Box,    3, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::List,      X::ListBox,   true,  kNoTiles,    W::Choice3,       false, 0, {G::Fixed, 140}},
    {11, F::Switches,     R::Switch,         5, 66, C::Switch, 0, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::Switch,    X::None,      false, kNoTiles,    W::GapLine,       false, 3, {G::Fixed, 32, 88, 566}, {{S::Capitalised, S::Capitalised, S::Capitalised}, nullptr, "11_sw_", 4}},
    {12, F::Lists,        R::List,          10, 35, C::Box,    4, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::List,      X::ListBox,   true,  kNoTiles,    W::Choice4,       false, 0, {G::Fixed, 140}},
    {13, F::GapSentences, R::ModelSentence,  5, 65, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Field1,                B::Wide,       K::Typed,     X::TypedBox,  true,  kNoTiles,    W::ModelSentence, false},
    {14, F::GapSentences, R::TwoLines,       5, 70, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::TwoLines,              B::TwoLines,   K::Typed,     X::TypedBox,  true,  kNoTiles,    W::TwoLines,      false, 0, {G::Answer, 20}},
    {15, F::GapSentences, R::Gap,           10, 35, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Sentence,              B::Wide,       K::Typed,     X::TypedBox,  true,  kNoTiles,    W::LongGap,       false, 0, {G::Answer, 20, 62, 596}},
    {16, F::GapSentences, R::Gap,           10, 35, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Sentence,              B::Wide,       K::Typed,     X::None,      false, kNoTiles,    W::LongGap,       false, 0, {G::Answer, 25, 62, 596}},
    {17, F::GapSentences, R::Gap,           10, 35, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Sentence,              B::Wide,       K::Typed,     X::None,      false, kNoTiles,    W::LongGap,       false, 0, {G::Answer, 25, 62, 596}},
    {18, F::WordLists,    R::WordList,       2,  0, C::List,   0, Fo::HiddenBox,                 H::None,                  B::List,       K::WordLists, X::None,      false, kNoTiles,    W::WordList,      false, 0, kNoGapRow, {{}, nullptr, "18_sw_", 3}},
    {19, F::Clocks,       R::Clock,          5, 73, C::Label,  0, Fo::HiddenBox,                 H::Caption,               B::Tile,       K::Tiles,     X::None,      false, kClockTiles, W::Clocks,        false},
    {20, F::GapSentences, R::Model,         10, 35, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Sentence,              B::Wide,       K::Typed,     X::TypedBox,  true,  kNoTiles,    W::Model,         false, 0, {G::Answer, 20}},
    {21, F::Tiles,        R::Topic,         10, 32, C::Tile,   0, Fo::HiddenBox,                 H::CaptionAndTag,         B::Tile,       K::Tiles,     X::None,      false, kTopicTiles, W::Topics,        true},
    {22, F::Listening,    R::Listening,     10,  0, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::SentenceCentred,       B::Short,      K::Listening, X::TypedBox,  true,  kNoTiles,    W::None,          false, 0, {G::Answer, 6}},
    {23, F::Listening,    R::Listening,     10,  0, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::SentenceCentred,       B::Short,      K::Listening, X::TypedBox,  true,  kNoTiles,    W::None,          false, 0, {G::Answer, 6}},
    {24, F::Listening,    R::Listening,     10, 35, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::SentenceLeft,          B::Wide,       K::Listening, X::TypedBox,  true,  kNoTiles,    W::None,          false, 0, {G::Answer, 6, 83, 591}},
}};
// clang-format on

constexpr bool numberedInOrder() {
    for (std::size_t n = 0; n < kTable.size(); ++n)
        if (kTable[n].number != int(n)) return false;
    return true;
}
static_assert(numberedInOrder(), "row n of the table describes exercise n");

}  // namespace

const ExerciseSpec &spec(int exercise) {
    return (exercise >= 1 && exercise <= kExerciseCount) ? kTable[std::size_t(exercise)] : kTable[0];
}

}  // namespace exercise
