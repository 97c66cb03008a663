// Exercises 2, 4, 11: gap sentences whose gap is set with the switch under
// the row; every row starts at rest.
#include "app/Misc.h"
#include "exercise/PageDraw.h"
#include "exercise/frm_Game01.h"

using namespace Misc;

void frm_Game01::FillSwitchRows() {
    DrawPageItems(RecordCount);
    const int n = exercise();
    if (n != 4 && SwitchPictures.count(0)) PicMain(1)->setPicture(SwitchPictures[0]);
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        ui::Label *pred = TextPred(r);
        ui::TextBox *box = TVstup(r);
        sizeToText(pred, rec[0]);
        pred->show();
        box->setLeft(pred->x() + pred->width());
        box->setForeColor(QColor(255, 0, 0));
        box->Tag = rec[1];
        box->setText(n == 2 ? QStringLiteral("?") : QString());
        box->show();
        TextZa(r)->setLeft(box->x() + box->width());
        sizeToText(TextZa(r), rec[2]);
        TextZa(r)->show();
        Prepinac1(r)->Tag = rec[6];
        Prepinac2(r)->Tag = rec[7];
        Prepinac1(r)->QWidget::setEnabled(true);
        Prepinac2(r)->QWidget::setEnabled(true);
        Prepinac1(r)->show();
        Prepinac2(r)->show();
        if (n == 11) {
            Prepinac3(r)->Tag = rec[8];
            Prepinac3(r)->QWidget::setEnabled(true);
            Prepinac3(r)->show();
        }
        if (n == 4) {
            if (rec[6] == QLatin1String("a") && SwitchPictures.count(0)) PicMain(1)->setPicture(SwitchPictures[0]);
            else if (rec[6] == QLatin1String("many") && SwitchPictures.count(10))
                PicMain(1)->setPicture(SwitchPictures[10]);
        }
        DrawSwitchFromPicMain(r);
        SwitchState[std::size_t(r)].clear();
    }
}
