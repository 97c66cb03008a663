// The answer boxes' mouse and keyboard behaviour and the drop-down list of
// exercises 7, 8, 10 and 12.
#include "state/Misc.h"
#include "state/Services.h"
#include "rules/Catalogue.h"
#include "exercise/frm_Game01.h"
#include "rules/ExerciseSpec.h"

#include <algorithm>

using namespace Misc;

namespace {

const QColor kOptionBack(255, 236, 182);  // light yellow
const QColor kOptionFore(Qt::black);

using exercise::BoxClick;
BoxClick boxClickOf(int exercise) { return exercise::spec(exercise).boxClick; }
bool hoverBox(int exercise) { return exercise::spec(exercise).hoverBox; }

}  // namespace

QPoint frm_Game01::ListPlacement(const QRect &box, const QSize &list, const QSize &form) {
    const int left = list.width() + box.left() <= form.width() ? box.left() : box.left() + box.width() - list.width();
    const int below = box.top() + box.height();
    const int top = below + list.height() <= form.height() ? below : box.top() - list.height();
    return {left, top};
}

void frm_Game01::TVstup_KeyDown(int row, int &keyCode, Qt::KeyboardModifiers) {
    SwitchToUsLayout();
    if (exercise::spec(m_exercise).form != exercise::RowForm::Translation || PageChecked()) return;
    if (keyCode != 13 && keyCode != 108) return;
    const int next = row >= ItemsOnPage ? 1 : row + 1;
    if (ui::TextBox *box = TVstup(next)) box->setFocus();
    keyCode = 0;  // the key only moves on; nothing is typed
}

void frm_Game01::TVstup_MouseDown(int row) {
    switch (boxClickOf(m_exercise)) {
    case BoxClick::HiddenBox: Text1->setFocus(); break;
    case BoxClick::TypedBox:
        if (PageChecked()) Text1->setFocus();
        else PlayClickSound();
        break;
    case BoxClick::ListBox:
        Text1->setFocus();
        if (!PageChecked()) OpenList(row);
        break;
    case BoxClick::None: break;
    }
}

void frm_Game01::TVstup_MouseMove(int row) {
    if (!hoverBox(m_exercise)) return;
    ui::TextBox *box = TVstup(row);
    if (!box) return;
    if (PageChecked()) {
        box->setMouseIcon(CursorArrow);
        return;
    }
    if (HoverCode == 50 + row) return;
    box->setMouseIcon(CursorHand);
    PlayHoverSound();
    HoverCode = std::uint8_t(50 + row);
}

int frm_Game01::ListOptionsWidth(int row) {
    ui::Label *probe = Polozka(1);
    const QFontMetrics metrics(probe->font());
    int w = 0;
    for (int k = 1; k <= std::clamp(ListOptionCount, 1, 4); ++k)
        w = std::max(w, metrics.horizontalAdvance(ListOptions[std::size_t(k)][std::size_t(row)]));
    return w;
}

void frm_Game01::OpenList(int row) {
    ui::TextBox *box = TVstup(row);
    if (!box || row < 1 || row > 10) return;
    // The list gets its width first so that the placement uses the width it
    // will have (a wider list must not run past the form's edge).
    const int w = ListOptionsWidth(row);
    const int options = std::clamp(ListOptionCount, 1, 4);
    for (int k = 1; k <= options; ++k) {
        ui::Label *option = Polozka(k);
        option->setCaption(ListOptions[std::size_t(k)][std::size_t(row)]);
        option->setBackColor(kOptionBack);
        option->setForeColor(kOptionFore);
        option->setLeft(2);
        option->setWidth(w);
        option->setMouseIcon(CursorHand);
    }
    ListTargetRow = row;
    ListBox->setWidth(w + 6);
    ListBox->move(ListPlacement(box->geometry(), ListBox->size(), size()));
    ListBox->show();
    ListBox->raise();
}

void frm_Game01::Polozka_MouseDown(int k) {
    // Only an unchecked page takes a choice.
    if (PageChecked() || !ListBox->Visible()) return;
    ui::TextBox *box = TVstup(ListTargetRow);
    ui::Label *option = Polozka(k);
    if (!box || !option) return;
    box->setForeColor(Qt::black);
    box->setText(option->Caption());
    ListBox->hide();
}

void frm_Game01::Polozka_MouseMove(int k) {
    for (int i = 1; i <= std::clamp(ListOptionCount, 1, 4); ++i) {
        ui::Label *option = Polozka(i);
        option->setBackColor(i == k ? kOptionFore : kOptionBack);
        option->setForeColor(i == k ? kOptionBack : kOptionFore);
        option->setMouseIcon(CursorHand);
    }
}

void frm_Game01::RowText_MouseDown(int) {
    if (exercise::spec(m_exercise).list.closedByRowText && ListBox->Visible()) ListBox->hide();
}
