// The tile family (21): the prompts of the chosen topics in shuffled rows,
// their answer words on the tiles in draw order.
#include "state/Misc.h"
#include "exercise/PageDraw.h"
#include "exercise/frm_Game01.h"
#include "exercise/families/Families.h"
#include "exercise/families/RowLayout.h"

#include <algorithm>

using namespace Misc;

void frm_Game01::FillTopicRows() {
    // The boxes' Tags carry the dropped words: a new page starts with none.
    ClearPlacedTiles();
    DrawPageItems(TopicRecordCount);
    const auto random = exercise::clockSeededRandom();
    const int rows = std::clamp(ItemsOnPage, 0, 10);
    for (int j = 1; j <= rows; ++j) {
        int p = 0;
        bool used = false;
        do {
            p = std::min(int(rows * random()) + 1, rows);
            used = std::find(PairOrder.begin() + 1, PairOrder.begin() + j, p) != PairOrder.begin() + j;
        } while (used);
        PairOrder[std::size_t(j)] = p;
    }
    for (int j = 1; j <= rows; ++j) {
        const auto &row = TopicRecords[std::size_t(DrawnItems[std::size_t(PairOrder[std::size_t(j)])])].field;
        picDown(j)->move(442, 123 + 32 * (j - 1));
        TextPred(j)->setCaption(row[6]);
        TextPred(j)->Tag = row[7];
        TextPred(j)->show();
        LDown(j)->setCaption(TopicRecords[std::size_t(DrawnItems[std::size_t(j)])].field[7]);
    }
}

namespace exercise {

void TilesFamily::layOut(frm_Game01 &f, const ExerciseSpec &spec, int rows) const {
    hideSwitches(f);
    f.TextPred(1)->hide();
    f.TextZa(1)->hide();
    f.TVstup(1)->hide();
    f.IHodnoceni(1)->move(402, 120);
    f.TextPred(1)->setGeometry(39, 123, 172, 20);
    f.TextPred(1)->setAlignment(Qt::AlignHCenter);
    f.TextPred(1)->setBackStyle(ui::BackStyle::Transparent);
    f.TextPred(1)->setForeColor(Qt::white);
    f.TVstup(1)->setGeometry(224, 123, 172, 20);
    createRows(f.IHodnoceni, rows, spec.rowStep);
    createRows(f.TextPred, rows, spec.rowStep);
    createRows(f.TVstup, rows, spec.rowStep);
    f.setUpTiles();
}

void TilesFamily::fillPage(frm_Game01 &f, const ExerciseSpec &) const { f.FillTopicRows(); }

}  // namespace exercise
