// The answer rules of the exercises without any widget: normalising a typed
// answer, deciding whether a row is right, the text of the answer hint and
// where the hint window goes.
#pragma once

#include "state/Misc.h"
#include "rules/ExerciseSpec.h"

#include <QPoint>
#include <QSize>
#include <QString>

namespace answers {

// Spaces only: leading and trailing spaces are removed and every run of
// spaces inside becomes one. Case, tabs and punctuation stay as typed.
QString NormalizeAnswer(const QString &text);
// The same, in place.
void normalizeAnswerInPlace(QString &text);

using CheckRule = exercise::CheckRule;
// Which rule checks the rows of an exercise (1 ... 24).
CheckRule checkRuleFor(int exercise);

// The verdict on one answer box and the text the box shows after the check.
struct BoxVerdict {
    QString shown;  // the answer as normalised
    bool correct = false;
};
// Box rule: the normalised answer is not empty and equals the expected one.
BoxVerdict checkBoxAnswer(const QString &typed, const QString &expected);
// Switch rule: the normalised choice equals the expected one (an empty
// choice matches an empty expectation).
BoxVerdict checkSwitchAnswer(const QString &chosen, const QString &expected);
// Label rule (19): the caption equals the label's expected text.
bool checkLabelAnswer(const QString &caption, const QString &expected);
// Tile rule (21): the tile's text dropped on the box is not empty and equals
// the expected one.
bool checkTileAnswer(const QString &dropped, const QString &expected);
// List rule (18): the picked entry is not empty (a list never picked is
// wrong) and equals the correct entry.
bool checkListAnswer(const QString &chosen, const QString &correct);

// Field 0 + field 1 + field 2 without separator; with an empty field 1,
// one space where the two fields around it would meet with two.
QString sentenceOf(const Misc::ContentRecord &record);

// What the hint window shows for a wrong row.
struct HintText {
    bool shown = false;            // false: the exercise has no hint window (18)
    QString line1;
    QString line2;                 // only exercise 14 uses a second line
    Qt::Alignment alignment = Qt::AlignLeft;  // of line 1 (line 2 is always left)
};
// The hint of a row: record is the row's record; caption and tag are the
// row's TextPred caption and Tag (read by 19 and 21 only).
HintText answerHint(int exercise, const Misc::ContentRecord &record, const QString &caption = {},
                    const QString &tag = {});

// The hint window's top-left corner for the cursor at cursor (screen
// pixels): its right edge 5 pixels right of the cursor, its top at the
// cursor.
QPoint hintWindowPosition(const QPoint &cursor, const QSize &window);

}  // namespace answers
