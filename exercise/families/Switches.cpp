// The switch family (2, 4, 11): gap sentences whose gap is set with the
// switch under the row; every row starts at rest.
#include "state/Misc.h"
#include "state/Services.h"
#include "exercise/PageDraw.h"
#include "exercise/frm_Game01.h"
#include "exercise/families/Families.h"
#include "exercise/families/RowLayout.h"

using namespace Misc;

void frm_Game01::FillSwitchRows() {
    DrawPageItems(RecordCount);
    const int n = exercise();
    if (n != 4 && SwitchPictures.count(0)) PicMain(1)->setPicture(SwitchPictures[0]);
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        ui::Label *pred = TextPred(r);
        ui::TextBox *box = TVstup(r);
        box->setForeColor(QColor(255, 0, 0));
        box->Tag = rec[1];
        box->setText(n == 2 ? QStringLiteral("?") : QString());
        exercise::chainGapRow(pred, box, TextZa(r), rec[0], rec[2]);
        Prepinac1(r)->Tag = rec[6];
        Prepinac2(r)->Tag = rec[7];
        Prepinac1(r)->QWidget::setEnabled(true);
        Prepinac2(r)->QWidget::setEnabled(true);
        Prepinac1(r)->show();
        Prepinac2(r)->show();
        if (exercise::switchPositions(n) == 3) {
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

namespace exercise {

void SwitchesFamily::layOut(frm_Game01 &f, const ExerciseSpec &spec, int rows) const {
    const int n = spec.number;
    const bool three = switchPositions(n) == 3;
    hideAllTiles(f);
    setRowTop(f, 126);
    f.TVstup(1)->setWidth(n == 4 ? 48 : 32);
    f.IHodnoceni(1)->move(570, 121);
    if (three) {
        f.Prepinac1(1)->setLeft(252);
        f.Prepinac2(1)->setLeft(300);
        f.Prepinac3(1)->setLeft(348);
        f.Prepinac3(1)->show();
    }
    createGapRows(f, rows, spec.rowStep);
    createRows(f.Prepinac1, rows, spec.rowStep);
    createRows(f.Prepinac2, rows, spec.rowStep);
    if (three) createRows(f.Prepinac3, rows, spec.rowStep);
    f.loadSwitchPictures();
    f.Prepinac1(1)->setCaption(QString());
    f.Prepinac2(1)->setCaption(QString());
    if (three) f.Prepinac3(1)->setCaption(QString());
}

void SwitchesFamily::fillPage(frm_Game01 &f, const ExerciseSpec &) const { f.FillSwitchRows(); }

}  // namespace exercise

void frm_Game01::loadSwitchPictures() {
    SwitchPictures.clear();
    auto add = [this](int index, const char *name) {
        SwitchPictures[index] = LoadPicture(QStringLiteral("Bitmap\\Games\\%1.bmp").arg(QLatin1String(name)));
    };
    switch (m_exercise) {
    case 2: add(0, "02_sw_0"); add(1, "02_sw_1"); add(2, "02_sw_2"); break;
    case 4:
        add(0, "04_sw_10"); add(1, "04_sw_11"); add(2, "04_sw_12");
        add(10, "04_sw_20"); add(11, "04_sw_21"); add(12, "04_sw_22");
        break;
    case 11: add(0, "11_sw_0"); add(1, "11_sw_1"); add(2, "11_sw_2"); add(3, "11_sw_3"); break;
    case 18: add(0, "18_sw_0"); add(1, "18_sw_1"); add(2, "18_sw_2"); break;
    default: break;
    }
}
