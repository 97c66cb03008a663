// The clock family (19): five clocks with their hands drawn on the
// background and the time phrases (and as many decoys) on the tiles.
#include "state/Misc.h"
#include "state/Services.h"
#include "exercise/PageDraw.h"
#include "exercise/TileRules.h"
#include "exercise/frm_Game01.h"
#include "exercise/families/Families.h"
#include "exercise/families/RowLayout.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace Misc;

namespace {
void drawHand(QPainter &p, QPoint centre, double degrees, double length, int width) {
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(centre), exercise::clockHandEnd(QPointF(centre), degrees, length));
}
}  // namespace

void frm_Game01::FillClockRows() {
    ClearPlacedTiles();
    const auto random = exercise::clockSeededRandom();
    const int rows = std::clamp(ItemsOnPage, 0, 5);
    const int phrases = 2 * rows;
    // Entries not yet redrawn still hold the previous page, so those records
    // are avoided as well. The form's load made sure enough records exist.
    for (int i = 1; i <= phrases; ++i) {
        int n = 0;
        do {
            n = std::min(int(RecordCount * random()) + 1, RecordCount);
        } while (std::find(DrawnItems.begin() + 1, DrawnItems.begin() + 1 + phrases, n) !=
                 DrawnItems.begin() + 1 + phrases);
        DrawnItems[std::size_t(i)] = n;
    }
    setPicture(loadPicture(QStringLiteral("Bitmap\\Games\\19_bckg.bmp")));
    static const QPoint centres[6] = {{0, 0}, {312, 132}, {555, 205}, {312, 278}, {555, 351}, {312, 424}};
    {
        QPainter p(&image());
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 1; i <= rows; ++i) {
            const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(i)])].field;
            const int hours = rec[6].trimmed().toInt();
            const int minutes = rec[7].trimmed().toInt();
            const QPoint c = centres[i];
            drawHand(p, c, exercise::minuteHandAngle(minutes), 27.0, 2);
            drawHand(p, c, exercise::hourHandAngle(hours, minutes), 18.0, 3);
            TextPred(i)->setCaption(rec[8]);
        }
    }
    update();
    // Shuffle the phrases onto the tiles.
    std::array<bool, 11> onTile{};
    for (int i = 1; i <= phrases; ++i) {
        int p = 0;
        do {
            p = std::min(int(phrases * random()) + 1, phrases);
        } while (onTile[std::size_t(p)]);
        onTile[std::size_t(p)] = true;
        picDown(i)->move(17, 112 + 35 * (i - 1));
        LDown(i)->setCaption(ContentRecords[std::size_t(DrawnItems[std::size_t(p)])].field[8]);
    }
}

namespace exercise {

void ClocksFamily::layOut(frm_Game01 &f, const ExerciseSpec &spec, int rows) const {
    hideSwitches(f);
    f.TextPred(1)->hide();
    f.TextZa(1)->hide();
    f.TVstup(1)->hide();
    f.PicMain(1)->setPicture(loadPicture(QStringLiteral("Bitmap\\Games\\19_bckg.bmp")));
    f.IHodnoceni(1)->move(603, 117);
    f.TextPred(1)->resize(245, 28);
    f.setUpTiles();
    createRows(f.IHodnoceni, rows, spec.rowStep);
    createRows(f.TextPred, rows, 0);
    static const QPoint labels[6] = {{0, 0}, {349, 119}, {273, 192}, {349, 265}, {273, 338}, {349, 411}};
    for (int i = 1; i <= 5; ++i)
        if (ui::Label *l = f.TextPred(i)) l->move(labels[i]);
}

void ClocksFamily::fillPage(frm_Game01 &f, const ExerciseSpec &) const { f.FillClockRows(); }

}  // namespace exercise
