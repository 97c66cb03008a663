// Switch rows (exercises 2, 4, 11): choosing a position writes its word into
// the row's gap and turns the switch picture drawn beside the row.
#include "state/Misc.h"
#include "rules/ExerciseSpec.h"
#include "state/Services.h"
#include "exercise/TileRules.h"
#include "exercise/frm_Game01.h"

#include <QFontMetrics>

using namespace Misc;

namespace {
ui::ControlArray<ui::Label> &positionArray(frm_Game01 &f, int position) {
    return position == 1 ? f.Prepinac1 : position == 2 ? f.Prepinac2 : f.Prepinac3;
}
}  // namespace

void frm_Game01::connectSwitchHandlers() {
    for (int p = 1; p <= 3; ++p) {
        ui::Label *l = positionArray(*this, p)(1);
        l->events.MouseDown = [this, p](int r, Qt::MouseButton, int, int) { Prepinac_MouseDown(p, r); };
        l->events.MouseMove = [this, p](int r, Qt::MouseButtons, int, int) { Prepinac_MouseMove(p, r); };
    }
}

int frm_Game01::switchPictureBase(int r) const {
    const char *secondSetWord = exercise::spec(m_exercise).switches.byWord[1];
    if (!secondSetWord || !Prepinac1(r)) return 0;
    return Prepinac1(r)->Tag == QLatin1String(secondSetWord) ? 10 : 0;
}

void frm_Game01::DrawSwitch(int r, int pictureIndex) {
    const auto it = SwitchPictures.find(pictureIndex);
    if (it == SwitchPictures.end() || r < 1) return;
    PicMain(1)->setPicture(it->second);
    DrawSwitchFromPicMain(r);
}

void frm_Game01::DrawSwitchFromPicMain(int r) {
    const QPixmap &pm = PicMain(1)->picture();
    if (pm.isNull()) return;
    const int x = exercise::switchPositions(m_exercise) == 3 ? 241 : 269;
    const int y = 146 + 66 * (r - 1);
    BlitToForm(this, x, y, pm.width(), pm.height(), pm.toImage());
}

void frm_Game01::Prepinac_MouseDown(int position, int r) {
    if (!pageUnchecked()) return;
    if (position < 1 || position > exercise::switchPositions(m_exercise) || r < 1 || r > 5) return;
    ui::Label *chosen = positionArray(*this, position)(r);
    if (!chosen) return;
    const QString name = QStringLiteral("Prepinac%1").arg(position);
    if (SwitchState[std::size_t(r)] == name) return;

    DrawSwitch(r, switchPictureBase(r) + position);
    for (int p = 1; p <= exercise::switchPositions(m_exercise); ++p)
        if (ui::Label *l = positionArray(*this, p)(r)) l->QWidget::setEnabled(p != position);

    const auto choice = exercise::chooseSwitchPosition(m_exercise, position, chosen->Tag, TextPred(r)->Caption(),
                                                       TextZa(r)->Caption());
    ui::TextBox *box = TVstup(r);
    box->setText(choice.gap);
    box->setForeColor(Qt::black);
    if (TextZa(r)->Caption() != choice.after) sizeToText(TextZa(r), choice.after);
    SwitchState[std::size_t(r)] = name;
    if (exercise::switchClosesGap(m_exercise)) {
        if (choice.gapShown) {
            TextZa(r)->setLeft(box->x() + box->width());
            box->show();
        } else {
            box->hide();
            // The after-text begins with a space. With the gap closed it
            // follows a before-text that ends in a space, or begins the
            // sentence: either way its own space is not wanted.
            int left = box->x();
            const QString before = TextPred(r)->Caption();
            if ((before.isEmpty() || before.endsWith(QLatin1Char(' '))) && choice.after.startsWith(QLatin1Char(' ')))
                left -= QFontMetrics(TextZa(r)->font()).horizontalAdvance(QLatin1Char(' '));
            TextZa(r)->setLeft(left);
        }
    }
    Text1->setFocus();
}

void frm_Game01::Prepinac_MouseMove(int position, int r) {
    ui::Label *l = positionArray(*this, position)(r);
    if (!l) return;
    if (!pageUnchecked()) {
        l->setMouseIcon(CursorArrow);
        return;
    }
    const int code = (position == 2 ? 40 : 30) + r;
    if (HoverCode != code) {
        l->setMouseIcon(CursorHand);
        PlayHoverSound();
        HoverCode = std::uint8_t(code);
    }
}
