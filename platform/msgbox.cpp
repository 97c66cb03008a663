#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {
std::function<MsgResult(const MsgBoxCall &)> g_hook;
}

void setMsgBoxHook(std::function<MsgResult(const MsgBoxCall &)> hook) { g_hook = std::move(hook); }

MsgResult msgBox(const QString &text, const QString &caption, MsgIcon icon, MsgButtons buttons) {
    if (g_hook) return g_hook({text, caption, icon, buttons});
    QMessageBox box;
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    if (buttons == MsgButtons::YesNo) {
        QPushButton *yes = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgResult::Yes : MsgResult::No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return MsgResult::Ok;
}

}  // namespace platform
