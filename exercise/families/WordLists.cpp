// The word-list family (18): a page of two lists (one on a short last page),
// each a heading and four entries in shuffled order with a marker in front
// of each entry. The same layout serves the pages opened again from the
// overview.
#include "state/Misc.h"
#include "state/Services.h"
#include "exercise/PageDraw.h"
#include "exercise/frm_Game01.h"
#include "exercise/families/Families.h"
#include "exercise/families/RowLayout.h"

#include <algorithm>

using namespace Misc;

namespace {

// Width of an entry row: the marker band is 300 pixels wide from x = 60.
constexpr int kEntryWidth = 296;

// The entry with the leading spaces of its caption removed, as it is stored
// and compared.
QString withoutLeadingSpaces(const QString &text) {
    int i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' ')) ++i;
    return text.mid(i);
}

}  // namespace

const QPixmap &frm_Game01::Ex18_Picture(const QString &relative) {
    auto it = Ex18Pictures.find(relative);
    if (it == Ex18Pictures.end()) it = Ex18Pictures.emplace(relative, loadPicture(relative)).first;
    return it->second;
}

void frm_Game01::Ex18_SetPageBackground(int lists) {
    setPicture(Ex18_Picture(lists >= 2 ? QStringLiteral("Bitmap\\Games\\18_bckg.bmp")
                                       : QStringLiteral("Bitmap\\Games\\18_bckg5.bmp")));
}

void frm_Game01::Ex18_SetMarker(int row, int state) {
    ui::Label *entry = TextPred(row);
    if (!entry) return;
    const int y = (row <= 5 ? 150 : 195) + 27 * (row - 2);
    const auto it = SwitchPictures.find(state);
    if (it != SwitchPictures.end()) {
        const QImage marker = it->second.toImage();
        BlitToForm(this, 60, y, marker.width(), marker.height(), marker);
    }
    entry->setForeColor(state == 1 ? Qt::white : Qt::black);
    // The label is transparent: it shows the marker drawn under it.
    entry->update();
}

void frm_Game01::Ex18_LayOutList(int slot, int list) {
    const int b = slot == 1 ? 1 : 6;
    const int record = DrawnItems[std::size_t(std::clamp(list, 1, 30))];
    const auto &field = ContentRecords[std::size_t(std::max(record, 0))].field;
    static const int tops[11] = {0, 126, 154, 181, 208, 235, 306, 334, 361, 388, 415};
    for (int i = 0; i <= 4; ++i) TextPred(b + i)->move(62, tops[b + i]);
    TextPred(b)->setCaption(field[0]);
    TextPred(b)->show();
    for (int i = 1; i <= 4; ++i) {
        const int p = Ex18Order[std::size_t(list)][std::size_t(i)];
        ui::Label *entry = TextPred(b + i);
        // The entry spans its marker band, so a click anywhere on the band
        // picks it, not only a click on the word.
        entry->setAutoSize(false);
        entry->setCaption(QStringLiteral("     ") + field[std::size_t(5 + p)]);
        entry->resize(kEntryWidth, entry->captionSize().height());
        entry->Tag = QString::number(p);
        entry->show();
    }
}

void frm_Game01::FillEx18Screens() {
    // Only the back button works while the lists are worked.
    for (int i = 1; i <= 3; ++i) PicTop(i)->QWidget::setEnabled(false);
    PicTop(4)->QWidget::setEnabled(true);

    const auto random = exercise::clockSeededRandom();
    if (ListPos == 0) {
        // Every list of the run is drawn at once; the load made sure the file
        // holds more records than that. Should it hold fewer, the lists past
        // the last record stay undrawn instead of the draw searching forever.
        Ex18Screen = Ex18View::Lists;
        ContinueShown = false;
        std::fill(DrawnItems.begin(), DrawnItems.end(), 0);
        for (int k = 1; k <= 30; ++k) {
            Ex18Correct[std::size_t(k)].clear();
            Ex18Chosen[std::size_t(k)].clear();
            Ex18Order[std::size_t(k)] = {0, 1, 2, 3, 4};
            if (k > RecordCount) continue;
            int n = 0;
            do {
                n = std::min(int(RecordCount * random()) + 1, RecordCount);
            } while (std::find(DrawnItems.begin() + 1, DrawnItems.begin() + 31, n) != DrawnItems.begin() + 31);
            DrawnItems[std::size_t(k)] = n;
        }
    }
    const int lists = std::clamp(ItemsOnPage, 1, 2);
    Ex18_SetPageBackground(lists);
    for (int a = 1; a <= lists; ++a) {
        ++ListPos;
        const std::size_t list = std::size_t(std::clamp(ListPos, 1, 30));
        const auto &field = ContentRecords[std::size_t(DrawnItems[list])].field;
        Ex18Correct[list] = withoutLeadingSpaces(field[6]);
        // The order the entries are shown in: a random permutation of 1 ... 4.
        std::array<bool, 5> used{};
        for (int i = 1; i <= 4; ++i) {
            int p = 0;
            do {
                p = std::min(int(4 * random()) + 1, 4);
            } while (used[std::size_t(p)]);
            used[std::size_t(p)] = true;
            Ex18Order[list][std::size_t(i)] = p;
        }
        Ex18_LayOutList(a, int(list));
    }
    for (int row = lists == 2 ? 11 : 6; row <= 10; ++row) TextPred(row)->hide();
    IPomHodnoceni(1)->hide();
    IPomHodnoceni(2)->hide();
    // Markers in front of the entries, all "not picked".
    for (int row = 2; row <= (lists == 2 ? 10 : 5); ++row)
        if (row != 6) Ex18_SetMarker(row, 0);
}

namespace exercise {

void WordListsFamily::layOut(frm_Game01 &f, const ExerciseSpec &, int) const {
    hideSwitches(f);
    f.ListBox->hide();
    f.Vzor(1)->hide();
    f.TVstup(1)->hide();
    f.TextZa(1)->hide();
    hideAllTiles(f);
    f.loadSwitchPictures();
    f.TextPred(1)->move(62, 126);
    f.TextPred(1)->setBackStyle(ui::BackStyle::Transparent);
    f.IPomHodnoceni(1)->move(600, 120);
    f.IPomHodnoceni(1)->hide();
    f.IPomHodnoceni.Load(2)->setGeometry(600, 300, f.IPomHodnoceni(1)->width(), f.IPomHodnoceni(1)->height());
    f.IPomHodnoceni(2)->hide();
    f.TextPred(1)->setAutoSize(true);
    // A heading and four entries per list, two lists a page.
    static const int tops[11] = {0, 126, 154, 181, 208, 235, 306, 334, 361, 388, 415};
    for (int i = 2; i <= 10; ++i) {
        ui::Label *l = f.TextPred.Load(i);
        l->setBackStyle(ui::BackStyle::Transparent);
        l->setTop(tops[i]);
        l->hide();
    }
}

void WordListsFamily::fillPage(frm_Game01 &f, const ExerciseSpec &) const { f.FillEx18Screens(); }

}  // namespace exercise
