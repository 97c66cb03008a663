// Exercise 18: a page of two lists (one on a short last page), each a heading
// and four entries in shuffled order with a marker in front of each entry.
#include "app/Misc.h"
#include "app/Services.h"
#include "exercise/PageDraw.h"
#include "exercise/frm_Game01.h"

#include <algorithm>

using namespace Misc;

void frm_Game01::FillEx18Screens() {
    const auto random = exercise::clockSeededRandom();
    if (ListPos == 0) {
        // Every list of the run is drawn at once; the load made sure the file
        // holds more records than that.
        std::fill(DrawnItems.begin() + 1, DrawnItems.begin() + 31, 0);
        for (int k = 1; k <= 30; ++k) {
            int n = 0;
            do {
                n = std::min(int(RecordCount * random()) + 1, RecordCount);
            } while (std::find(DrawnItems.begin() + 1, DrawnItems.begin() + 31, n) != DrawnItems.begin() + 31);
            DrawnItems[std::size_t(k)] = n;
        }
    }
    const int lists = std::clamp(ItemsOnPage, 0, 2);
    for (int a = 1; a <= lists; ++a) {
        ++ListPos;
        const int b = a == 1 ? 1 : 6;
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(std::min(ListPos, 30))])].field;
        TextPred(b)->setCaption(rec[0]);
        TextPred(b)->show();
        std::array<bool, 5> used{};
        for (int i = 1; i <= 4; ++i) {
            int p = 0;
            do {
                p = std::min(int(4 * random()) + 1, 4);
            } while (used[std::size_t(p)]);
            used[std::size_t(p)] = true;
            TextPred(b + i)->setCaption(QStringLiteral("     ") + rec[std::size_t(5 + p)]);
            TextPred(b + i)->Tag = QString::number(p);
            TextPred(b + i)->show();
        }
    }
    // Markers in front of the entries, all "not picked".
    if (SwitchPictures.count(0)) {
        const QImage marker = SwitchPictures[0].toImage();
        for (int row = 2; row <= 10; ++row) {
            if (row == 6 || (row > 6 && lists < 2)) continue;
            const int y = (row <= 5 ? 150 : 195) + 27 * (row - 2);
            BlitToForm(this, 60, y, marker.width(), marker.height(), marker);
            TextPred(row)->setForeColor(Qt::black);
        }
    }
}
