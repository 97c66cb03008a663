// The results screen: one background per exercise with the table of the
// ten best results (column headings over the label columns), a row below it
// for the run just finished, and the close button. The program draws the
// medals beside the places that hold a result.
#include "course/lib/MediaParts.h"

namespace course::media {

namespace {

QImage resultsBackground(int n, const QStringList &texts) {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    banner(p, QStringLiteral("Nejlepší výsledky"), QStringLiteral("Cvičení %1: %2").arg(n).arg(exerciseName(texts, n)),
           false);
    cornerTray(p);
    panel(p, QRectF(16, 96, 608, 380), colour::panel, colour::panelLine, 16, true);
    // Heading row over the columns: rank (32), name (91), right (376),
    // wrong (464), grade (544).
    p.save();
    p.setClipRect(QRectF(16, 96, 608, 50));
    panel(p, QRectF(16, 96, 608, 372), colour::teal, QColor(), 16, false);
    p.restore();
    struct Column { int left, width; QString title; int align; };
    const Column columns[] = {{24, 62, QStringLiteral("Pořadí"), Qt::AlignLeft},
                              {91, 260, courseText(texts, 35), Qt::AlignLeft},
                              {366, 88, courseText(texts, 41), Qt::AlignLeft},
                              {456, 80, courseText(texts, 42), Qt::AlignLeft},
                              {540, 80, courseText(texts, 43), Qt::AlignLeft}};
    for (const Column &c : columns)
        text(p, QRectF(c.left, 106, c.width, 30), c.title, 17, Qt::white, true, c.align | Qt::AlignVCenter);
    // Row stripes: row i has its labels at top 135 + 30 i, 20 high.
    for (int i = 1; i <= 10; ++i) {
        const int top = 135 + 30 * i;
        if (i % 2 == 1) panel(p, QRectF(24, top - 5, 592, 30), colour::page, QColor(), 6, false);
    }
    // The run just finished, labels at top 457, set off from the table.
    p.setPen(QPen(colour::panelLine, 1));
    p.drawLine(QPointF(24, 454.5), QPointF(616, 454.5));
    return img;
}

}  // namespace

void buildResultsPictures(Writer &w, const QStringList &texts) {
    for (int n = 1; n <= 24; ++n)
        w.bmp(QStringLiteral("Bitmap\\Tab\\%1.bmp").arg(twoDigits(n)), resultsBackground(n, texts));
    w.bmp(QStringLiteral("Bitmap\\Tab\\back_0.bmp"), bigButton(Icon::Back, QStringLiteral("Zpět"), false));
    w.bmp(QStringLiteral("Bitmap\\Tab\\back_1.bmp"), bigButton(Icon::Back, QStringLiteral("Zpět"), true));
}

}  // namespace course::media
