// Exercises 22, 23, 24: a loudspeaker, the sentence with a box as wide as the
// expected answer. In the grid of 22 and 23 a sentence too long for one line
// of its card takes two.
#include "app/Misc.h"
#include "exercise/Catalogue.h"
#include "exercise/PageDraw.h"
#include "exercise/TextFit.h"
#include "exercise/frm_Game01.h"

#include <QFontMetrics>
#include <QRegularExpression>

using namespace Misc;

void frm_Game01::FillListeningRows() {
    DrawPageItems(RecordCount);
    Replay.reset();
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field;
        ui::Label *pred = TextPred(r);
        ui::TextBox *box = TVstup(r);
        pred->hide();
        sizeToText(pred, rec[1]);
        box->setWidth(pred->width() + 6);
        sizeToText(pred, rec[0]);
        pred->show();
        box->setLeft(pred->x() + pred->width());
        box->setText(QString());
        box->setForeColor(Qt::black);
        box->Tag = rec[1];
        box->show();
        box->setLocked(false);
        TextZa(r)->setLeft(box->x() + box->width());
        sizeToText(TextZa(r), rec[2]);
        TextZa(r)->show();
        Klakson(r)->Tag = rec[6];
        Klakson(r)->show();
        if (exercise() == 22 || exercise() == 23) {
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
