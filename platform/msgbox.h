// Message boxes with the captions, icons and buttons the screens ask for.
#pragma once

#include <QString>

#include <functional>

namespace platform {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

struct MsgBoxCall {
    QString text;
    QString caption;
    MsgIcon icon;
    MsgButtons buttons;
};

// Shows a modal message box and returns the button chosen.
MsgResult msgBox(const QString &text, const QString &caption, MsgIcon icon, MsgButtons buttons);

// Tests answer message boxes themselves: while a hook is set it is called
// instead of showing a box.
void setMsgBoxHook(std::function<MsgResult(const MsgBoxCall &)> hook);

}  // namespace platform
