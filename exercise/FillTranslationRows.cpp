// Exercise 3: the Czech prompt and a box for the English answer.
#include "app/Misc.h"
#include "exercise/PageDraw.h"
#include "exercise/frm_Game01.h"

using namespace Misc;

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
