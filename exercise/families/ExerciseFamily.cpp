#include "exercise/families/ExerciseFamily.h"

#include "exercise/AnswerRules.h"
#include "exercise/families/Families.h"
#include "exercise/families/RowLayout.h"
#include "exercise/frm_Game01.h"

#include <QRegion>

using namespace Misc;

namespace exercise {

CheckedRow ExerciseFamily::checkRow(frm_Game01 &f, const ExerciseSpec &spec, int i) const {
    ui::TextBox *box = f.TVstup(i);
    ui::Label *pred = f.TextPred(i);
    const QString item = itemKeyOf(spec.number, f.RowRecord(i));
    switch (spec.check) {
    case CheckRule::Box: {
        box->setLocked(true);
        const answers::BoxVerdict v = answers::checkBoxAnswer(box->Text(), box->Tag);
        box->setText(v.shown);
        return {item, v.shown, box->Tag, v.correct};
    }
    case CheckRule::Switch: {
        const answers::BoxVerdict v = answers::checkSwitchAnswer(box->Text(), box->Tag);
        box->setText(v.shown);
        return {item, v.shown, box->Tag, v.correct};
    }
    case CheckRule::Label:
        // The clock's label keeps its phrase in the caption; the phrase dropped
        // on it is in its Tag.
        return {item, pred->Tag, pred->Caption(), answers::checkLabelAnswer(pred->Caption(), pred->Tag)};
    case CheckRule::Tile: return {item, box->Tag, pred->Tag, answers::checkTileAnswer(box->Tag, pred->Tag)};
    case CheckRule::List: break;  // the word lists check the whole run at once
    }
    return {item, QString(), QString(), false};
}

const ExerciseFamily *familyOf(const ExerciseSpec &spec) {
    static const GapSentencesFamily gaps;
    static const ListsFamily lists;
    static const SwitchesFamily switches;
    static const TilesFamily tiles;
    static const ClocksFamily clocks;
    static const WordListsFamily wordLists;
    static const ListeningFamily listening;
    if (spec.number == 0) return nullptr;
    switch (spec.family) {
    case Family::GapSentences: return &gaps;
    case Family::Lists: return &lists;
    case Family::Switches: return &switches;
    case Family::Tiles: return &tiles;
    case Family::Clocks: return &clocks;
    case Family::WordLists: return &wordLists;
    case Family::Listening: return &listening;
    }
    return nullptr;
}

void createGapRows(frm_Game01 &f, int count, int step) {
    createRows(f.TextPred, count, step);
    createRows(f.TextZa, count, step);
    createRows(f.TVstup, count, step);
    createRows(f.IHodnoceni, count, step);
}

void hideSwitches(frm_Game01 &f) {
    f.Prepinac1(1)->hide();
    f.Prepinac2(1)->hide();
    f.Prepinac3(1)->hide();
}

void hideAllTiles(frm_Game01 &f) {
    for (int k = 1; k <= 12; ++k) f.picDown(k)->hide();
}

void setRowTop(frm_Game01 &f, int top) {
    f.TextPred(1)->setTop(top);
    f.TextZa(1)->setTop(top);
    f.TVstup(1)->setTop(top);
}

void sizeToText(ui::Label *label, const QString &text) {
    label->setAutoSize(true);
    label->setCaption(text);
    label->setAutoSize(false);
}

void fitBoxToAnswer(ui::TextBox *box, ui::Label *measure, const QString &answer, int pad) {
    measure->hide();
    sizeToText(measure, answer);
    box->setWidth(measure->width() + pad);
}

void chainGapRow(ui::Label *before, ui::TextBox *box, ui::Label *after, const QString &beforeText,
                 const QString &afterText) {
    sizeToText(before, beforeText);
    before->show();
    box->setLeft(before->x() + before->width());
    box->show();
    after->setLeft(box->x() + box->width());
    sizeToText(after, afterText);
    after->show();
}

}  // namespace exercise

// ---- Word tiles (1, 5, 6, 19, 21) -----------------------------------------

void frm_Game01::setUpTiles() {
    const int n = m_exercise;
    const int w = exercise::tileWidth(n);
    for (int k = 1; k <= 12; ++k) {
        ui::PictureBox *tile = picDown(k);
        if (!exercise::tileUsed(n, k)) {
            tile->hide();
            continue;
        }
        const QPoint place = exercise::tilePlace(n, k);
        tile->setGeometry(place.x(), place.y(), w, 20);
        LDown(k)->setGeometry(0, 0, w, 20);
        tile->setMask(QRegion(exercise::tileOutline(w), Qt::OddEvenFill));
        TileStart[std::size_t(k)] = {tile->Left(), tile->Top()};
        LDown(k)->setCaption(QString());
        LDown(k)->setBackStyle(ui::BackStyle::Transparent);
        QImage face(w, 20, QImage::Format_RGB32);
        if (exercise::isClocks(n) || exercise::isTopics(n)) {
            LDown(k)->setBackColor(Qt::white);
            LDown(k)->setForeColor(Qt::black);
            face.fill(Qt::white);
        } else {
            // The tile shows the artwork the background has at its place.
            face = image().copy(place.x(), place.y(), w, 20).convertToFormat(QImage::Format_RGB32);
        }
        tile->image() = face;
        tile->show();
        tile->update();
    }
}
