// Exercise 14: a question line, then a sentence with a gap (field 6, box,
// field 7).
#include "app/Misc.h"
#include "exercise/PageDraw.h"
#include "exercise/frm_Game01.h"

using namespace Misc;

void frm_Game01::FillTwoLineRows() {
    DrawPageItems(RecordCount);
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        ui::Label *za = TextZa(r);
        ui::Label *vzor = Vzor(r);
        ui::TextBox *box = TVstup(r);
        sizeToText(TextPred(r), rec[0]);
        TextPred(r)->show();
        sizeToText(za, rec[6]);
        vzor->hide();
        sizeToText(vzor, rec[1]);
        box->setWidth(vzor->width() + 20);
        vzor->setCaption(QString());
        box->setLeft(za->x() + za->width());
        box->setText(QString());
        box->setLocked(false);
        box->Tag = rec[1];
        box->show();
        vzor->move(box->x() + box->width(), box->y());
        sizeToText(vzor, rec[7]);
        za->show();
        vzor->show();
    }
}
