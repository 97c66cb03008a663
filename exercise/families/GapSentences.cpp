// The gap-sentence family: typed gaps on one line (15, 16, 17) or filled
// with tiles (1, 5, 6), translations (3), gaps beside a model word (9, 20),
// whole sentences under a model (13) and sentences rewritten below (14).
#include "state/Misc.h"
#include "exercise/PageDraw.h"
#include "exercise/frm_Game01.h"
#include "exercise/families/Families.h"
#include "exercise/families/RowLayout.h"

using namespace Misc;

void frm_Game01::FillGapSentences() {
    DrawPageItems(RecordCount);
    const exercise::ExerciseSpec &spec = exercise::spec(exercise());
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        ui::Label *pred = TextPred(r);
        ui::TextBox *box = TVstup(r);
        ui::Label *za = TextZa(r);
        if (spec.gapRow.width == exercise::GapWidth::Answer)
            exercise::fitBoxToAnswer(box, za, rec[1], spec.gapRow.pixels);
        box->setText(QString());
        box->setForeColor(Qt::black);
        box->Tag = rec[1];
        // Typed gaps open again after the check locked them on the last page.
        if (spec.tiles.count == 0) box->setLocked(false);
        exercise::chainGapRow(pred, box, za, rec[0], rec[2]);
    }
}

void frm_Game01::FillTranslationRows() {
    DrawPageItems(RecordCount);
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        TextPred(r)->setCaption(rec[3]);
        TextPred(r)->show();
        TVstup(r)->setText(QString());
        TVstup(r)->Tag = rec[4];
        TVstup(r)->show();
        TVstup(r)->setLocked(false);
    }
}

void frm_Game01::FillModelRows() {
    DrawPageItems(RecordCount);
    const int pad = exercise::spec(exercise()).gapRow.pixels;
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        ui::Label *pred = TextPred(r);
        ui::TextBox *box = TVstup(r);
        ui::Label *za = TextZa(r);
        exercise::fitBoxToAnswer(box, za, rec[1], pad);
        box->setText(QString());
        box->setLocked(false);
        box->Tag = rec[1];
        exercise::chainGapRow(pred, box, za, rec[0], rec[2]);
        Vzor(r)->setCaption(rec[6]);
        Vzor(r)->show();
    }
}

void frm_Game01::FillModelSentenceRows() {
    DrawPageItems(RecordCount);
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        sizeToText(TextPred(r), rec[0]);
        TextPred(r)->show();
        TVstup(r)->setText(QString());
        TVstup(r)->setLocked(false);
        TVstup(r)->Tag = rec[1];
        TVstup(r)->show();
        Vzor(r)->setCaption(rec[6]);
        Vzor(r)->show();
    }
}

void frm_Game01::FillTwoLineRows() {
    DrawPageItems(RecordCount);
    const int pad = exercise::spec(exercise()).gapRow.pixels;
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        ui::Label *za = TextZa(r);
        ui::Label *vzor = Vzor(r);
        ui::TextBox *box = TVstup(r);
        sizeToText(TextPred(r), rec[0]);
        TextPred(r)->show();
        exercise::fitBoxToAnswer(box, vzor, rec[1], pad);
        box->setText(QString());
        box->setLocked(false);
        box->Tag = rec[1];
        // The second line: the question's start, the box, its end.
        vzor->setTop(box->y());
        exercise::chainGapRow(za, box, vzor, rec[6], rec[7]);
    }
}

namespace exercise {

void GapSentencesFamily::layOut(frm_Game01 &f, const ExerciseSpec &spec, int rows) const {
    const int step = spec.rowStep;
    switch (spec.form) {
    case RowForm::Gap:
        hideSwitches(f);
        if (spec.tiles.count > 0) {
            if (spec.tiles.places == TilePlaces::Design) {
                f.IHodnoceni(1)->move(570, 90);
            } else {
                f.IHodnoceni(1)->move(595, 85);
                f.TextPred(1)->setLeft(63);
                setRowTop(f, 91);
            }
            f.TVstup(1)->setWidth(f.tileGapBoxWidth());
            createGapRows(f, rows, step);
            f.setUpTiles();
            return;
        }
        f.ListBox->hide();
        f.Vzor(1)->hide();
        hideAllTiles(f);
        f.TextPred(1)->move(62, 107);
        // The box and the after-text stand on the line of the before-text;
        // at their design height the row would read as two steps.
        f.TVstup(1)->setTop(107);
        f.TextZa(1)->setTop(107);
        f.TVstup(1)->setWidth(60);
        f.TVstup(1)->setLocked(false);
        f.IHodnoceni(1)->move(600, 102);
        createRows(f.TextPred, rows, step);
        createRows(f.TVstup, rows, step);
        createRows(f.TextZa, rows, step);
        createRows(f.IHodnoceni, rows, step);
        return;
    case RowForm::Translation:
        hideAllTiles(f);
        hideSwitches(f);
        f.TextZa(1)->hide();
        f.TextPred(1)->setGeometry(88, 128, 225, f.TextPred(1)->height());
        f.TextPred(1)->setAlignment(Qt::AlignHCenter);
        f.TextPred(1)->setBackStyle(ui::BackStyle::Transparent);
        f.TextPred(1)->setForeColor(Qt::white);
        f.TVstup(1)->setGeometry(328, 128, 225, f.TVstup(1)->height());
        f.TVstup(1)->setLocked(false);
        f.IHodnoceni(1)->move(570, 121);
        createRows(f.TextPred, rows, step);
        createRows(f.TVstup, rows, step);
        createRows(f.IHodnoceni, rows, step);
        return;
    case RowForm::Model:
        hideSwitches(f);
        f.ListBox->hide();
        hideAllTiles(f);
        f.TextPred(1)->setLeft(129);
        setRowTop(f, 107);
        f.IHodnoceni(1)->move(600, 101);
        f.TVstup(1)->setWidth(60);
        f.Vzor(1)->setLeft(22);
        f.Vzor(1)->setWidth(84);
        createRows(f.Vzor, rows, step);
        createGapRows(f, rows, step);
        return;
    case RowForm::ModelSentence:
        hideSwitches(f);
        f.ListBox->hide();
        hideAllTiles(f);
        f.TextZa(1)->hide();
        f.TextPred(1)->move(182, 129);
        f.TVstup(1)->setGeometry(182, 149, 390, f.TVstup(1)->height());
        f.Vzor(1)->setGeometry(20, 139, 138, f.Vzor(1)->height());
        f.IHodnoceni(1)->move(600, 132);
        createRows(f.Vzor, rows, step);
        createRows(f.TextPred, rows, step);
        createRows(f.TVstup, rows, step);
        createRows(f.IHodnoceni, rows, step);
        return;
    case RowForm::TwoLines:
        hideSwitches(f);
        f.ListBox->hide();
        hideAllTiles(f);
        f.TextPred(1)->move(59, 116);
        f.TextZa(1)->setLeft(59);
        f.TVstup(1)->setGeometry(f.TextPred(1)->x(), 137, 390, f.TVstup(1)->height());
        f.TextZa(1)->setTop(f.TVstup(1)->y());
        f.Vzor(1)->setBackStyle(ui::BackStyle::Opaque);
        f.Vzor(1)->setBackColor(Qt::white);
        f.Vzor(1)->setForeColor(Qt::black);
        f.IHodnoceni(1)->move(600, 132);
        createRows(f.TextPred, rows, step);
        createRows(f.TVstup, rows, step);
        createRows(f.TextZa, rows, step);
        createRows(f.Vzor, rows, step);
        createRows(f.IHodnoceni, rows, step);
        return;
    default: return;
    }
}

void GapSentencesFamily::fillPage(frm_Game01 &f, const ExerciseSpec &spec) const {
    switch (spec.form) {
    case RowForm::Translation: f.FillTranslationRows(); break;
    case RowForm::Model: f.FillModelRows(); break;
    case RowForm::ModelSentence: f.FillModelSentenceRows(); break;
    case RowForm::TwoLines: f.FillTwoLineRows(); break;
    default: f.FillGapSentences(); break;
    }
}

}  // namespace exercise
