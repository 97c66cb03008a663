// The list family (7, 8, 10, 12): gap sentences whose box is filled from a
// drop-down list; the options of each row are shuffled here.
#include "state/Misc.h"
#include "exercise/PageDraw.h"
#include "exercise/frm_Game01.h"
#include "exercise/families/Families.h"
#include "exercise/families/RowLayout.h"

#include <QStyle>

#include <algorithm>

using namespace Misc;

void frm_Game01::FillListRows() {
    DrawPageItems(RecordCount);
    const int n = exercise();
    const int options = std::clamp(ListOptionCount, 1, 4);
    const auto random = exercise::clockSeededRandom();
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        ui::Label *pred = TextPred(r);
        ui::TextBox *box = TVstup(r);
        box->setText(QString());
        box->setForeColor(QColor(255, 0, 0));
        box->Tag = rec[1];

        // A random order of the option places 1 ... options.
        std::array<int, 5> place{};
        std::array<bool, 5> taken{};
        for (int i = 1; i <= options; ++i) {
            int p = 0;
            do {
                p = std::min(int(options * random()) + 1, options);
            } while (taken[std::size_t(p)]);
            taken[std::size_t(p)] = true;
            place[std::size_t(i)] = p;
        }
        const QString texts[5] = {QString(), rec[1], rec[6], rec[7], (exercise::listOptionCountOf(n) == 4) ? rec[8] : QString()};
        for (auto &column : ListOptions) column[std::size_t(r)].clear();
        for (int i = 1; i <= options; ++i) ListOptions[std::size_t(place[std::size_t(i)])][std::size_t(r)] = texts[i];

        // The widest option + 5, and never less than the box's own frame and
        // margins need to show that option whole.
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
        const QMargins margins = box->textMargins();
        const int chrome = 2 * frame + margins.left() + margins.right() + 4;  // 4: the line edit's inner margin
        box->setWidth(ListOptionsWidth(r) + std::max(5, chrome + 1));
        exercise::chainGapRow(pred, box, TextZa(r), rec[0], rec[2]);
    }
}

namespace exercise {

void ListsFamily::layOut(frm_Game01 &f, const ExerciseSpec &spec, int rows) const {
    if (spec.list.fourthHidden) f.Polozka(4)->hide();
    f.Vzor(1)->hide();  // unused here; shown it would catch the clicks on row 1's box
    hideSwitches(f);
    hideAllTiles(f);
    if (spec.listOptions == 3) f.ListBox->setHeight(f.ListBox->height() - f.Polozka(4)->height());
    f.ListBox->setWidth(spec.list.width);
    for (int k = 1; k <= 4; ++k) f.Polozka(k)->setWidth(f.ListBox->width() - 6);
    f.TVstup(1)->setWidth(spec.gapRow.pixels);
    f.IHodnoceni(1)->move(595, 101);
    f.TextPred(1)->setLeft(63);
    setRowTop(f, 107);
    createGapRows(f, rows, spec.rowStep);
}

void ListsFamily::fillPage(frm_Game01 &f, const ExerciseSpec &) const { f.FillListRows(); }

}  // namespace exercise
