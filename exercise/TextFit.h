// Texts that stand in a fixed space: the widths of answer boxes, where the
// parts of a listening sentence go in their grid cell, and the check that a
// content record's texts fit the space its exercise gives them.
//
// The exercise form lays its rows out with these rules and the course
// checker measures every item with them, so what the checker passes is what
// the pupil sees: nothing runs past its card or under a mark.
#pragma once

#include "state/Misc.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

namespace exercise {

// Width in pixels of a text in the screen font (12 points).
using Measure = std::function<int(const QString &)>;
// The program's screen font, measured.
Measure screenMeasure();

// An answer box is the text plus this much: frame, inner margins and the
// text cursor (pixels).
inline constexpr int kBoxChrome = 11;
// The box that shows text whole.
int boxWidthFor(const QString &text, const Measure &measure);
// The gap box of exercises 1, 5 and 6: at least its design width and wide
// enough for every tile word, capitalised too, that can be dropped into it.
int tileGapBoxWidth(int exercise, const Measure &measure);

// Exercises 22 and 23: a sentence's place in its cell of the grid. The text
// starts at the row's text origin and may use kListeningTextWidth pixels to
// the right of it (the card ends there, the mark stands beyond it). It stands
// on one line when it fits, else on two: the text before the gap on the
// first line and the box with the text after it on the second, or the text
// before and the box on the first and the text after on the second.
inline constexpr int kListeningTextWidth = 111;
inline constexpr int kListeningFirstLine = -10;  // tops of the two lines,
inline constexpr int kListeningSecondLine = 10;  // from the row's text top
struct ListeningPlacement {
    bool fits = false;
    int lines = 1;
    QPoint before, box, after;  // offsets from the row's text origin
    int boxWidth = 0;           // the expected answer plus 6
};
ListeningPlacement placeListeningSentence(const QString &before, const QString &answer, const QString &after,
                                          const Measure &measure);

// Why the texts of a record do not fit their fixed space in the exercise
// (gap sentences, switch rows, the listening grid and column, the hint
// window at its smallest font size); empty when they fit.
QStringList widthFaults(int exercise, const Misc::ContentRecord &record, const Measure &measure);

}  // namespace exercise
