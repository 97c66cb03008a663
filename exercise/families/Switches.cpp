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
    const exercise::SwitchSpec &sw = exercise::spec(n).switches;
    // Rows whose picture follows their words set it row by row.
    const bool byWord = sw.byWord[1] != nullptr;
    if (!byWord && SwitchPictures.count(0)) PicMain(1)->setPicture(SwitchPictures[0]);
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        ui::Label *pred = TextPred(r);
        ui::TextBox *box = TVstup(r);
        box->setForeColor(QColor(255, 0, 0));
        box->Tag = rec[1];
        box->setText(sw.restGap ? QString::fromLatin1(sw.restGap) : QString());
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
        if (byWord) {
            if (rec[6] == QLatin1String(sw.byWord[0]) && SwitchPictures.count(0))
                PicMain(1)->setPicture(SwitchPictures[0]);
            else if (rec[6] == QLatin1String(sw.byWord[1]) && SwitchPictures.count(10))
                PicMain(1)->setPicture(SwitchPictures[10]);
        }
        DrawSwitchFromPicMain(r);
        SwitchState[std::size_t(r)].clear();
    }
}

namespace exercise {

void SwitchesFamily::layOut(frm_Game01 &f, const ExerciseSpec &spec, int rows) const {
    const bool three = switchPositions(spec.number) == 3;
    hideAllTiles(f);
    setRowTop(f, 126);
    f.TVstup(1)->setWidth(spec.gapRow.pixels);
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
    const exercise::SwitchSpec &sw = exercise::spec(m_exercise).switches;
    auto addSet = [this, &sw](int first, const char *stem) {
        for (int k = 0; k < sw.pictureCount; ++k)
            SwitchPictures[first + k] =
                loadPicture(QStringLiteral("Bitmap\\Games\\%1%2.bmp").arg(QLatin1String(stem), QString::number(k)));
    };
    if (sw.pictures) addSet(0, sw.pictures);
    if (sw.secondPictures) addSet(10, sw.secondPictures);
}
