// The listening family (22, 23, 24): a loudspeaker, the sentence with a box
// as wide as the expected answer. In the grid of 22 and 23 a sentence too
// long for one line of its card takes two.
#include "state/Misc.h"
#include "rules/Catalogue.h"
#include "exercise/PageDraw.h"
#include "exercise/TextFit.h"
#include "exercise/frm_Game01.h"
#include "exercise/families/Families.h"
#include "exercise/families/RowLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

using namespace Misc;

void frm_Game01::FillListeningRows() {
    DrawPageItems(RecordCount);
    Replay.reset();
    const int pad = exercise::spec(exercise()).gapRow.pixels;
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        ui::Label *pred = TextPred(r);
        ui::TextBox *box = TVstup(r);
        exercise::fitBoxToAnswer(box, pred, rec[1], pad);
        box->setText(QString());
        box->setForeColor(Qt::black);
        box->Tag = rec[1];
        box->setLocked(false);
        exercise::chainGapRow(pred, box, TextZa(r), rec[0], rec[2]);
        Klakson(r)->Tag = rec[6];
        Klakson(r)->show();
        if (exercise::isListeningGrid(exercise())) {
            const QFontMetrics metrics(pred->font());
            const exercise::ListeningPlacement place = exercise::placeListeningSentence(
                rec[0], rec[1], rec[2], [&metrics](const QString &t) { return metrics.horizontalAdvance(t); });
            const QPoint origin = QPoint(78, 135) + exercise::listeningGridOffset(r);
            pred->move(origin + place.before);
            box->move(origin + place.box);
            TextZa(r)->move(origin + place.after);
            // A line that the text after the gap begins starts at its first word.
            if (place.after.x() == 0 && place.after.y() == exercise::kListeningSecondLine)
                sizeToText(TextZa(r), QString(rec[2]).remove(QRegularExpression(QStringLiteral("^ +"))));
        }
    }
}

namespace exercise {

// The loudspeaker of the listening rows: a grey speaker with a dark cone and
// three sound waves, on a transparent ground (41 x 28).
QPixmap loudspeakerPicture() {
    QPixmap pm(41, 28);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.5));
    p.setBrush(QColor(0xB8, 0xB8, 0xC0));
    p.drawRoundedRect(QRectF(3, 9, 8, 10), 1.5, 1.5);
    QPainterPath cone;
    cone.moveTo(11, 9);
    cone.lineTo(20, 3);
    cone.lineTo(20, 25);
    cone.lineTo(11, 19);
    cone.closeSubpath();
    p.setBrush(QColor(0x3A, 0x5F, 0x9E));
    p.drawPath(cone);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 3; ++k) {
        const qreal r = 5 + 5 * k;
        p.drawArc(QRectF(20 - r, 14 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
    p.end();
    return pm;
}

void ListeningFamily::layOut(frm_Game01 &f, const ExerciseSpec &spec, int rows) const {
    hideSwitches(f);
    f.Vzor(1)->hide();
    hideAllTiles(f);
    f.TextPred(1)->hide();
    f.TVstup(1)->hide();
    f.TextZa(1)->hide();
    const bool grid = spec.rowStep == 0;  // cards in a grid rather than one column
    f.Klakson(1)->move(grid ? QPoint(28, 131) : QPoint(33, 105));
    f.Klakson(1)->show();
    const QPoint row = grid ? QPoint(78, 135) : QPoint(83, 107);
    f.TextPred(1)->move(row);
    f.TVstup(1)->move(row);
    f.TextZa(1)->move(row);
    f.IHodnoceni(1)->move(grid ? QPoint(195, 130) : QPoint(595, 102));
    if (grid) {
        createGridRows(f.Klakson, rows);
        createGridRows(f.TextPred, rows);
        createGridRows(f.TVstup, rows);
        createGridRows(f.TextZa, rows);
        createGridRows(f.IHodnoceni, rows);
    } else {
        createRows(f.Klakson, rows, spec.rowStep);
        createRows(f.TextPred, rows, spec.rowStep);
        createRows(f.TVstup, rows, spec.rowStep);
        createRows(f.TextZa, rows, spec.rowStep);
        createRows(f.IHodnoceni, rows, spec.rowStep);
    }
}

void ListeningFamily::fillPage(frm_Game01 &f, const ExerciseSpec &) const { f.FillListeningRows(); }

}  // namespace exercise
