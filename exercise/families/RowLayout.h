// Helpers the families share to lay out and fill rows: copies of row 1 under
// it, the listening grid, hiding unused controls, and the before-text / box /
// after-text chain of a gap row.
#pragma once

#include "rules/Catalogue.h"
#include "exercise/frm_Game01.h"

#include <QPixmap>

namespace exercise {

// Creates elements 2 ... count of a row array, each a copy of element 1
// moved down by (i - 1) x step, hidden.
template <class T>
void createRows(ui::ControlArray<T> &array, int count, int step) {
    T *first = array(1);
    for (int i = 2; i <= count; ++i) {
        T *c = array.Load(i);
        c->setGeometry(first->x(), first->y() + (i - 1) * step, first->width(), first->height());
        c->hide();
    }
}

// The same for the cells of the listening grid.
template <class T>
void createGridRows(ui::ControlArray<T> &array, int count) {
    T *first = array(1);
    for (int i = 2; i <= count; ++i) {
        T *c = array.Load(i);
        const QPoint d = listeningGridOffset(i);
        c->setGeometry(first->x() + d.x(), first->y() + d.y(), first->width(), first->height());
        c->hide();
    }
}

// Rows 2 ... count of the gap row's before-text, box, after-text and mark.
void createGapRows(frm_Game01 &f, int count, int step);
void hideSwitches(frm_Game01 &f);
void hideAllTiles(frm_Game01 &f);
// Row 1's before-text, box and after-text on one line at top.
void setRowTop(frm_Game01 &f, int top);

// A label sized to its caption and kept so.
void sizeToText(ui::Label *label, const QString &text);

// Lays out a gap row: the before-text sized to its text, the box right
// after it, the after-text right after the box, all shown. The box's width,
// text and Tag are the caller's. Every row with a box between two texts is
// built by it: gap, list, switch, model, listening and two-line rows.
void chainGapRow(ui::Label *before, ui::TextBox *box, ui::Label *after, const QString &beforeText,
                 const QString &afterText);

// Sizes a row's box to the expected answer plus pad pixels, measured by one
// of the row's labels: it is left hidden, holding the answer, until the
// chain above gives it its own text.
void fitBoxToAnswer(ui::TextBox *box, ui::Label *measure, const QString &answer, int pad);

// The loudspeaker of the listening rows (41 x 28, transparent ground).
QPixmap loudspeakerPicture();

}  // namespace exercise
