// Gap sentences (1, 5, 6, 15, 16, 17): before-text, answer box, after-text on
// one line per row.
#include "app/Misc.h"
#include "exercise/PageDraw.h"
#include "exercise/frm_Game01.h"

using namespace Misc;

void frm_Game01::FillGapSentences() {
    DrawPageItems(RecordCount);
    const int n = exercise();
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        ui::Label *pred = TextPred(r);
        ui::TextBox *box = TVstup(r);
        ui::Label *za = TextZa(r);
        if (n == 16 || n == 17) {
            pred->hide();
            sizeToText(pred, rec[1]);
            box->setWidth(pred->width() + 25);
        }
        sizeToText(pred, rec[0]);
        pred->show();
        box->setLeft(pred->x() + pred->width());
        box->setText(QString());
        box->setForeColor(Qt::black);
        box->Tag = rec[1];
        // Typed gaps open again after the check locked them on the last page.
        if (n == 15 || n == 16 || n == 17) box->setLocked(false);
        box->show();
        if (n == 15) {
            za->hide();
            sizeToText(za, rec[1]);
            box->setWidth(za->width() + 20);
            za->setCaption(QString());
            box->setLocked(false);
        }
        za->setLeft(box->x() + box->width());
        sizeToText(za, rec[2]);
        za->show();
    }
}
