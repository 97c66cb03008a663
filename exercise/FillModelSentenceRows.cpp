// Exercise 13: a whole sentence with its model word; the answer goes in the
// wide box under it.
#include "app/Misc.h"
#include "exercise/PageDraw.h"
#include "exercise/frm_Game01.h"

using namespace Misc;

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
