#include "rules/FocusRules.h"

namespace exercise {

FocusTarget focusOnActivate(FocusRule rule, bool checked, bool freshPage, bool answerBoxFocused) {
    switch (rule) {
    case FocusRule::HiddenBox: return FocusTarget::HiddenBox;
    case FocusRule::LeaveAsIs: return FocusTarget::Unchanged;
    case FocusRule::FirstAnswerWhileUnchecked:
        if (checked) return FocusTarget::HiddenBox;
        // A pupil coming back keeps the box they were typing in.
        if (answerBoxFocused && !freshPage) return FocusTarget::Unchanged;
        return FocusTarget::FirstAnswerBox;
    }
    return FocusTarget::Unchanged;
}

int focusAfterCheck(const std::vector<bool> &rowRight) {
    for (std::size_t i = 0; i < rowRight.size(); ++i)
        if (!rowRight[i]) return int(i) + 1;
    return 0;
}

bool leavingAsksFirst(const QStringList &rowAnswers) {
    for (const QString &a : rowAnswers)
        if (!a.trimmed().isEmpty()) return true;
    return false;
}

QString leaveQuestion() {
    return QStringLiteral("Na stránce jsou tvoje odpovědi. Opravdu chceš cvičení opustit? Odpovědi ani výsledek se "
                          "neuloží.");
}

QString leaveCaption() { return QStringLiteral("Opustit cvičení"); }

}  // namespace exercise
