// The rules the course checker applies to single items and texts, kept free
// of files so that each can be tried on its own.
#pragma once

#include "state/Misc.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace course::rules {

// Records a 30-item run needs: it draws up to 30 different records and the
// draw needs one more record still free to finish quickly and safely.
inline constexpr int kRunRecords = 31;
// Items a topic of exercise 21 needs: one page of ten different rows (the
// page draws from the chosen topics only) and five for a worksheet block.
inline constexpr int kTopicItems = 10;
// The topic screen has buttons 1 ... 20.
inline constexpr int kMaxTopics = 20;
// Width of a topic button on the topic screen (pixels).
inline constexpr int kTopicButtonWidth = 135;
// Content files: at most 1000 lines of at most 32,767 characters.
inline constexpr int kMaxLines = 1000;
inline constexpr int kMaxLineLength = 32767;

// The word lists of the tiles of exercises 1, 5 and 6 (empty for others).
QStringList tileWords(int exercise);

// The word a tile leaves in the gap of exercises 1, 5 and 6: first letter in
// upper case when the text before the gap is empty or its last "." is one
// of its last three characters (a new sentence starts), else unchanged.
QString droppedTileWord(const QString &word, const QString &textBefore);

// True when a tile of the exercise, dropped after textBefore, gives answer.
bool answerReachableWithTiles(int exercise, const QString &answer, const QString &textBefore);

// Why an expected answer can never equal a normalised typed or chosen
// answer (the check trims outer spaces and collapses runs of spaces);
// empty when it can.
QString spacingFault(const QString &answer);

// True when every character can be typed on the US English keyboard layout
// that the program switches to while the pupil types.
bool typeableOnUsKeyboard(const QString &text);

// The English phrases that read a clock showing hours:minutes ("half past
// three", "a quarter to seven", "ten o'clock", digital "three thirty").
// Empty when the time is not on a five-minute step (then no phrase is
// checked).
QStringList clockPhrases(int hours, int minutes);

// A text that is a whole number written with digits only (no sign, no
// spaces); ok is false otherwise.
int wholeNumber(const QString &text, bool *ok);

// The grade the results screen gives for right answers out of total items,
// with the same rule (every band tested, the last matching one wins); empty
// when no band matches.
QString gradeFor(const std::vector<Misc::GradeBand> &bands, int right, int total);

// Scores (right, total) for the counts 10, 15, 20, 25 and 30 that get no
// grade from the bands.
std::vector<std::pair<int, int>> scoresWithoutGrade(const std::vector<Misc::GradeBand> &bands);

// Printed width measure: text width in millimetres at a point size.
using MeasureMm = std::function<double(const QString &)>;
// The printing font ("MS Sans Serif" stand-in, ui::screenFontFamily) at the
// given point size, measured in millimetres on paper.
MeasureMm printedWidth(double points, bool bold = false, bool italic = false);

// Lines the worksheet's instruction wrap fills: words split at single
// spaces, empty words skipped, each word followed by one space, and a word
// that would make its line (trailing space included) wider than maxWidthMm
// starts the next line. Returns -1 when a single word is wider than a line.
int wrappedLineCount(const QString &text, double maxWidthMm, const MeasureMm &measure);

// Usable width of an instruction line: 190 mm on a full A4 width, scaled to
// a printable area of 200 mm (the page layout stretches to the printable
// area while the 12 pt letters keep their size, so a printer with 5 mm
// margins leaves about 181 mm).
double instructionLineWidthMm();

}  // namespace course::rules
