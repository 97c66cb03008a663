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

constexpr TileSpec kNoTiles{};
constexpr TileSpec kGapTiles3{3, 50, P::Design, true, false};
constexpr TileSpec kGapTiles12{12, 50, P::Grid, true, false};
constexpr TileSpec kClockTiles{10, 238, P::ClockColumn, false, true};
constexpr TileSpec kTopicTiles{10, 160, P::TopicColumn, false, true};

// clang-format off
constexpr std::array<ExerciseSpec, 25> kTable{{
    {},
    // n  family        form              rows step check     opts focus                         hint                      bubble         keys          box          hover  tiles        worksheet         topics switch
    {1,  F::GapSentences, R::Gap,           10, 33, C::Box,    0, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::Tiles,     X::HiddenBox, false, kGapTiles3,  W::GapLine,       false},
    {2,  F::Switches,     R::Switch,         5, 66, C::Switch, 0, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::Switch,    X::HiddenBox, false, kNoTiles,    W::GapLine,       false, 2},
    {3,  F::GapSentences, R::Translation,   10, 32, C::Box,    0, Fo::LeaveAsIs,                 H::Translation,           B::Short,      K::Typed,     X::TypedBox,  true,  kNoTiles,    W::Translation,   false},
    {4,  F::Switches,     R::Switch,         5, 66, C::Switch, 0, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::Switch,    X::HiddenBox, false, kNoTiles,    W::SwitchPair,    false, 2},
    {5,  F::GapSentences, R::Gap,           10, 33, C::Box,    0, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::Tiles,     X::HiddenBox, false, kGapTiles12, W::GapLine,       false},
    {6,  F::GapSentences, R::Gap,           10, 33, C::Box,    0, Fo::HiddenBox,                 H::SentenceBeforeBracket, B::Wide,       K::Tiles,     X::HiddenBox, false, kGapTiles12, W::GapLine,       false},
    {7,  F::Lists,        R::List,          10, 35, C::Box,    3, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::List,      X::ListBox,   true,  kNoTiles,    W::Choice3,       false},
    {8,  F::Lists,        R::List,          10, 35, C::Box,    4, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::List,      X::ListBox,   true,  kNoTiles,    W::Choice4,       false},
    {9,  F::GapSentences, R::Model,         10, 35, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Sentence,              B::Wide,       K::Typed,     X::TypedBox,  true,  kNoTiles,    W::Model,         false},
    {10, F::Lists,        R::List,          10, 35, C::Box,    3, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::List,      X::ListBox,   true,  kNoTiles,    W::Choice3,       false},
    {11, F::Switches,     R::Switch,         5, 66, C::Switch, 0, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::Switch,    X::None,      false, kNoTiles,    W::GapLine,       false, 3},
    {12, F::Lists,        R::List,          10, 35, C::Box,    4, Fo::HiddenBox,                 H::Sentence,              B::Wide,       K::List,      X::ListBox,   true,  kNoTiles,    W::Choice4,       false},
    {13, F::GapSentences, R::ModelSentence,  5, 65, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Field1,                B::Wide,       K::Typed,     X::TypedBox,  true,  kNoTiles,    W::ModelSentence, false},
    {14, F::GapSentences, R::TwoLines,       5, 70, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::TwoLines,              B::TwoLines,   K::Typed,     X::TypedBox,  true,  kNoTiles,    W::TwoLines,      false},
    {15, F::GapSentences, R::Gap,           10, 35, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Sentence,              B::Wide,       K::Typed,     X::TypedBox,  true,  kNoTiles,    W::LongGap,       false},
    {16, F::GapSentences, R::Gap,           10, 35, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Sentence,              B::Wide,       K::Typed,     X::None,      false, kNoTiles,    W::LongGap,       false},
    {17, F::GapSentences, R::Gap,           10, 35, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Sentence,              B::Wide,       K::Typed,     X::None,      false, kNoTiles,    W::LongGap,       false},
    {18, F::WordLists,    R::WordList,       2,  0, C::List,   0, Fo::HiddenBox,                 H::None,                  B::List,       K::WordLists, X::None,      false, kNoTiles,    W::WordList,      false},
    {19, F::Clocks,       R::Clock,          5, 73, C::Label,  0, Fo::HiddenBox,                 H::Caption,               B::Tile,       K::Tiles,     X::None,      false, kClockTiles, W::Clocks,        false},
    {20, F::GapSentences, R::Model,         10, 35, C::Box,    0, Fo::FirstAnswerWhileUnchecked, H::Sentence,              B::Wide,       K::Typed,     X::TypedBox,  true,  kNoTiles,    W::Model,         false},
    {21, F::Tiles,        R::Topic,         10, 32, C::Tile,   0, Fo::HiddenBox,                 H::CaptionAndTag,         B::Tile,       K::Tiles,     X::None,      false, kTopicTiles, W::Topics,        true},
    {22, F::Listening,    R::Listening,     10,  0, C::Box,    0, Fo::HiddenBox,                 H::SentenceCentred,       B::Short,      K::Listening, X::TypedBox,  true,  kNoTiles,    W::None,          false},
    {23, F::Listening,    R::Listening,     10,  0, C::Box,    0, Fo::HiddenBox,                 H::SentenceCentred,       B::Short,      K::Listening, X::TypedBox,  true,  kNoTiles,    W::None,          false},
    {24, F::Listening,    R::Listening,     10, 35, C::Box,    0, Fo::HiddenBox,                 H::SentenceLeft,          B::Wide,       K::Listening, X::TypedBox,  true,  kNoTiles,    W::None,          false},
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
    return (exercise >= 1 && exercise <= 24) ? kTable[std::size_t(exercise)] : kTable[0];
}

}  // namespace exercise
