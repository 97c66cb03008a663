// The rules the course checker applies to single items and texts, kept free
// of files so that each can be tried on its own.
#pragma once

#include "rules/RunLengths.h"
#include "state/Misc.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace course::rules {

// Records the longest run needs: it draws up to 30 different records and
// the draw needs one more record still free to finish quickly and safely.
inline constexpr int kRunRecords = exercise::kLongestRun + 1;
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

// The words of the endless tiles of an exercise (exercise::fixedTileWord;
// empty for an exercise without them).
QStringList tileWords(int exercise);

// The word a tile leaves in the gap: first letter in upper case when the
// gap starts a sentence (exercise::startsSentence), else unchanged.
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
