// Exercises 9 and 20: a model word beside a gap sentence; the box fits the
// expected answer.
#include "app/Misc.h"
#include "exercise/PageDraw.h"
#include "exercise/frm_Game01.h"

using namespace Misc;

void frm_Game01::FillModelRows() {
    DrawPageItems(RecordCount);
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        ui::Label *pred = TextPred(r);
        ui::TextBox *box = TVstup(r);
        ui::Label *za = TextZa(r);
        sizeToText(pred, rec[0]);
        pred->show();
        za->hide();
        sizeToText(za, rec[1]);
        box->setWidth(za->width() + 20);
        za->setCaption(QString());
        box->setLeft(pred->x() + pred->width());
        box->setText(QString());
        box->setLocked(false);
        box->Tag = rec[1];
        box->show();
        za->setLeft(box->x() + box->width());
        sizeToText(za, rec[2]);
        za->show();
        Vzor(r)->setCaption(rec[6]);
        Vzor(r)->show();
    }
}
