// Where the keyboard focus goes on the exercise form, and when leaving it
// asks first: rules of the exercise's focus rule and the page's state,
// without widgets, so that the exercise table can call them.
#pragma once

#include "rules/ExerciseSpec.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace exercise {

// What takes the focus when the form comes up or a page has been filled.
enum class FocusTarget { HiddenBox, FirstAnswerBox, Unchanged };

// rule: the exercise's focus rule; checked: the page has been checked;
// freshPage: the page has just been filled; answerBoxFocused: an answer box
// of the page has the focus now (the form comes back from the results or
// the help page with the pupil's place kept).
FocusTarget focusOnActivate(FocusRule rule, bool checked, bool freshPage, bool answerBoxFocused);

// After a check: the row (1 ...) of the first wrong mark, or 0 for the
// continue button when every row is right. rowRight[r - 1] is row r.
int focusAfterCheck(const std::vector<bool> &rowRight);

// Esc leaves the exercise at once only while no row of the page holds an
// answer; otherwise it asks leaveQuestion() first.
bool leavingAsksFirst(const QStringList &rowAnswers);
QString leaveQuestion();
QString leaveCaption();

}  // namespace exercise
