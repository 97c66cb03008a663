// The 24 exercises as one table: each row says which family an exercise
// belongs to and how it lays out, fills, checks, hints, takes keys, uses
// tiles and prints. Everything that differs between exercises reads its row
// here instead of asking for the exercise's number.
#pragma once

#include <array>

namespace exercise {

// The units of code that run an exercise's rows.
enum class Family { GapSentences, Lists, Switches, Tiles, Clocks, WordLists, Listening };

// How the rows of a page are filled from the content records.
enum class RowForm {
    Gap,            // before-text, gap, after-text (1, 5, 6, 15, 16, 17)
    Translation,    // a word and its translation box (3)
    Model,          // a model word beside a gap sentence (9, 20)
    ModelSentence,  // a model word above a whole-sentence box (13)
    TwoLines,       // a sentence above its rewritten form (14)
    Switch,         // a gap filled by a switch (2, 4, 11)
    List,           // a gap filled from a drop-down list (7, 8, 10, 12)
    WordList,       // lists of four entries, one the odd one (18)
    Clock,          // clocks and their phrases (19)
    Topic,          // prompts of the chosen topics and their words (21)
    Listening,      // a spoken sentence and its gap (22, 23, 24)
};

// Which rule checks the rows of an exercise.
enum class CheckRule { Box, Switch, Label, Tile, List };

// Where the form's activation puts the focus (rules/FocusRules.h decides
// from it and the page's state); no exercise leaves it as it is any more.
enum class FocusRule { HiddenBox, FirstAnswerWhileUnchecked, LeaveAsIs };

// What the hint of a wrong row says.
enum class HintForm {
    None,                   // 18 shows the list's details instead
    Sentence,               // the sentence with its answer (or field 2 alone)
    SentenceBeforeBracket,  // the sentence up to its bracketed note (6)
    Translation,            // field 4, centred (3)
    Field1,                 // the answer alone (13)
    TwoLines,               // the sentence and its rewritten form (14)
    Caption,                // the row's caption, centred (19)
    CaptionAndTag,          // "prompt - word", centred (21)
    SentenceCentred,        // the spoken sentence, centred (22, 23)
    SentenceLeft,           // the spoken sentence (24)
};

// The bubble the hint is drawn in.
enum class HintBubble { Short, Wide, TwoLines, List, Tile };

// What the keyboard walks through on a page.
enum class KeyRows { Typed, List, Switch, Tiles, WordLists, Listening, None };

// What a press on an answer box does.
enum class BoxClick { HiddenBox, TypedBox, ListBox, None };

// How a worksheet prints one row of the exercise.
enum class Worksheet {
    None, GapLine, Translation, SwitchPair, Model, LongGap, Choice3, Choice4, ModelSentence, TwoLines, WordList,
    Clocks, Topics,
};

// Where the word tiles rest.
enum class TilePlaces { Design, Grid, ClockColumn, TopicColumn };

struct TileSpec {
    int count = 0;      // tiles 1 ... count are used
    int width = 50;
    TilePlaces places = TilePlaces::Design;
    bool endless = false;    // a dropped tile stays and can be dropped again
    bool whiteFace = false;  // white tiles instead of the background's artwork
    std::array<const char *, 12> words{};  // fixed tile words (1, 5, 6); the others' come from the records
};

// How wide the answer box of a row is.
enum class GapWidth {
    Design,  // as row 1 is laid out
    Tiles,   // wide enough for every tile word, and at least `pixels`
    Fixed,   // `pixels`
    Answer,  // the expected answer plus `pixels`
};

// The answer box of a row and, for a one-line gap row, the space its
// sentence has on the screen: from `left` to `right` (4 pixels before the
// mark); right 0 for rows whose space is not measured that way.
struct GapRowSpec {
    GapWidth width = GapWidth::Design;
    int pixels = 0;
    int left = 0;
    int right = 0;
};

// What choosing a switch position does to the row's gap.
enum class SwitchWord {
    AsIs,         // the word goes in as it is
    Capitalised,  // at the start of a sentence with a capital, the text after in lower case
    Closes,       // no word: the gap closes, a sentence's next word takes the capital
};

// The switch under a row and its pictures, which the list screen of 18
// borrows as well.
struct SwitchSpec {
    std::array<SwitchWord, 3> words{};  // positions 1, 2, 3
    const char *restGap = nullptr;      // the gap's text before a choice
    const char *pictures = nullptr;     // picture k is Bitmap\Games\<pictures>k.bmp
    int pictureCount = 0;               // pictures 0 ... count - 1
    // Rows whose first switch word is byWord[1] use a second set of pictures
    // (<secondPictures>k as picture 10 + k); byWord[0] names the first set's word.
    const char *secondPictures = nullptr;
    std::array<const char *, 2> byWord{};
};

// The drop-down list of a list row.
struct ListSpec {
    int width = 140;
    bool fourthHidden = false;     // its fourth entry is not shown (7)
    bool closedByRowText = false;  // a press on a row's text closes it (7, 8)
};

struct ExerciseSpec {
    int number = 0;
    Family family = Family::GapSentences;
    RowForm form = RowForm::Gap;
    int rowsPerPage = 10;
    int rowStep = 0;  // between rows created under row 1 (0: placed another way)
    CheckRule check = CheckRule::Box;
    int listOptions = 0;  // drop-down options per row (3 or 4)
    FocusRule focus = FocusRule::HiddenBox;
    HintForm hint = HintForm::None;
    HintBubble bubble = HintBubble::Wide;
    KeyRows keys = KeyRows::None;
    BoxClick boxClick = BoxClick::None;
    bool hoverBox = false;  // the box answers the mouse moving over it
    TileSpec tiles;
    Worksheet worksheet = Worksheet::None;
    bool topicRecords = false;  // the rows come from the chosen topics
    int switchPositions = 0;    // positions of a row's switch (2 or 3)
    GapRowSpec gapRow{};
    SwitchSpec switches{};
    ListSpec list{};
};

// How many exercises the course has; they are numbered 1 ... kExerciseCount.
inline constexpr int kExerciseCount = 24;

// The row of exercise n (1 ... 24); an empty row (number 0) for any other.
const ExerciseSpec &spec(int exercise);
// Whether n names one of the exercises.
inline bool isExercise(int n) { return spec(n).number != 0; }

// Questions about a family asked often enough to have a name.
inline bool isWordLists(int exercise) { return spec(exercise).family == Family::WordLists; }
inline bool isClocks(int exercise) { return spec(exercise).family == Family::Clocks; }
inline bool isTopics(int exercise) { return spec(exercise).topicRecords; }
inline bool isListening(int exercise) { return spec(exercise).family == Family::Listening; }
// The listening cards in a grid (22, 23) rather than one column (24).
inline bool isListeningGrid(int exercise) { return isListening(exercise) && spec(exercise).rowStep == 0; }
// Positions of a row's switch: 3 for the three-way switch (11), else 2.
inline int switchPositions(int exercise) { return spec(exercise).switchPositions == 3 ? 3 : 2; }
// Whether a switch position of the exercise closes the gap (2).
inline bool switchClosesGap(int exercise) {
    for (SwitchWord w : spec(exercise).switches.words)
        if (w == SwitchWord::Closes) return true;
    return false;
}

}  // namespace exercise
