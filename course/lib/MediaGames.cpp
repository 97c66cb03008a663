// The backgrounds of the exercise screens: the help badge, the toolbar
// tray, a white band for every row at the place the row layout puts its
// controls, the places of the marks, and what an exercise draws on its
// background (word tiles, clock faces, list panels, overview grids).
#include "course/lib/MediaParts.h"

#include "course/lib/CourseExercises.h"
#include "exercise/TileRules.h"
#include "rules/ExerciseSpec.h"

#include <QFontMetricsF>
#include <QtMath>

namespace course::media {

namespace {

void numberBadge(QPainter &p, int left, int centreY, int n) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::tealLight);
    p.drawEllipse(QRectF(left, centreY - 11, 22, 22));
    p.restore();
    text(p, QRectF(left, centreY - 11, 22, 22), QString::number(n), 12, colour::teal, true);
}

void rowBands(QPainter &p, const RowBands &r, int count) {
    for (int i = 0; i < count; ++i) {
        const int top = r.top + i * r.step;
        panel(p, QRectF(r.left, top, r.right - r.left, r.height), colour::panel, colour::panelLine, 8, false);
        if (r.numberLeft >= 0) numberBadge(p, r.numberLeft, top + r.height / 2, i + 1);
        markSlot(p, r.markLeft, r.markTop + i * r.step);
    }
}

// A tinted box inside a band (model words, Czech words).
void tint(QPainter &p, const QRectF &r, const QColor &c) { panel(p, r, c, QColor(), 6, false); }

// The outline of a word tile (chamfered corners, slightly bulging right
// edge), as the exercise form cuts the tile windows.
QPolygon tileOutline(int left, int top, int w) {
    const int pts[16][2] = {{0, 7}, {1, 5}, {5, 1}, {7, 0}, {w - 7, 0}, {w - 5, 1}, {w - 1, 5}, {w, 8},
                            {w, 11}, {w - 1, 14}, {w - 5, 18}, {w - 8, 20}, {7, 19}, {5, 18}, {1, 14}, {0, 12}};
    QPolygon poly;
    for (const auto &pt : pts) poly << QPoint(left + pt[0], top + pt[1]);
    return poly;
}

void wordTile(QPainter &p, int left, int top, const QString &word) {
    p.save();
    p.setPen(QPen(colour::accentDark, 1.2));
    p.setBrush(colour::accent);
    p.drawPolygon(tileOutline(left, top, 49).translated(0, 0));
    p.restore();
    text(p, QRectF(left, top, 50, 19), word, 15, colour::tealDark, true);
}

// The endless word tiles at their places (a row of three, or a grid of two
// rows of six): the tiles take their face from the background under them.
void tiles(QPainter &p, int n) {
    QStringList words;
    for (int k = 1; k <= exercise::spec(n).tiles.count; ++k) words << exercise::fixedTileWord(n, k);
    if (exercise::spec(n).tiles.places == exercise::TilePlaces::Design) {
        panel(p, QRectF(150, 428, 330, 36), colour::pageDeep, QColor(), 12, false);
        text(p, QRectF(60, 428, 88, 36), QStringLiteral("Slova:"), 15, colour::inkSoft, true,
             Qt::AlignRight | Qt::AlignVCenter);
        const int left[3] = {213, 293, 373};
        for (int k = 0; k < 3; ++k) wordTile(p, left[k], 436, words[k]);
        return;
    }
    panel(p, QRectF(121, 414, 398, 64), colour::pageDeep, QColor(), 12, false);
    text(p, QRectF(20, 414, 96, 64), QStringLiteral("Slova:"), 15, colour::inkSoft, true,
         Qt::AlignRight | Qt::AlignVCenter);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 6; ++c) wordTile(p, 131 + 66 * (c - 1), 421 + 30 * (r - 1), words[6 * (r - 1) + c - 1]);
}

void clockFace(QPainter &p, QPointF c, const QString &letter) {
    p.save();
    QColor shade = colour::ink;
    shade.setAlpha(28);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(c + QPointF(0, 3), 34, 34);
    p.setPen(QPen(colour::teal, 3));
    p.setBrush(colour::panel);
    p.drawEllipse(c, 33, 33);
    for (int h = 0; h < 12; ++h) {
        const qreal a = qDegreesToRadians(30.0 * h);
        const QPointF u(qSin(a), -qCos(a));
        p.setPen(QPen(h % 3 == 0 ? colour::tealDark : colour::inkSoft, h % 3 == 0 ? 2.5 : 1.5, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(c + u * (h % 3 == 0 ? 24 : 26), c + u * 29);
    }
    p.restore();
    // The letter of the clock, in a small badge at its upper left.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::accent);
    p.drawEllipse(c + QPointF(-38, -38), 11, 11);
    p.restore();
    text(p, QRectF(c.x() - 49, c.y() - 49, 22, 22), letter, 13, colour::tealDark, true);
}

QImage base(int n, const QStringList &texts) {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    helpBadge(p, n, exerciseName(texts, n));
    toolbarTray(p);
    return img;
}

void drawRows(QPainter &p, int n, int count) {
    const CourseExercise &c = courseExercise(n);
    if (c.bands.step > 0) {
        rowBands(p, c.bands, count);
        if (c.tint.colour != RowTint::None)
            for (int i = 0; i < count; ++i)
                tint(p, QRectF(c.tint.left, c.tint.top + c.bands.step * i, c.tint.width, c.tint.height),
                     c.tint.colour == RowTint::Teal ? colour::teal : colour::tealLight);
    }
    if (exercise::isListeningGrid(n))
        for (int i = 1; i <= count; ++i) {
            int dx = 0, dy = 0;
            if (i <= 3) dx = (i - 1) * 202;
            else if (i <= 5) dx = (i - 4) * 202 + 101, dy = 85;
            else if (i <= 8) dx = (i - 6) * 202, dy = 170;
            else dx = (i - 9) * 202 + 101, dy = 255;
            // The card holds the loudspeaker and the sentence; the mark
            // stands just right of it on the page.
            panel(p, QRectF(22 + dx, 124 + dy, 170, 42), colour::panel, colour::panelLine, 10, true);
            markSlot(p, 195 + dx, 130 + dy);
        }
}

QImage rowsBackground(int n, int count, const QStringList &texts) {
    QImage img = base(n, texts);
    QPainter p(&img);
    prepare(p);
    drawRows(p, n, count);
    if (exercise::spec(n).tiles.endless) tiles(p, n);
    if (exercise::isTopics(n)) panel(p, QRectF(436, 116, 170, 10 * 32 + 4), colour::pageDeep, QColor(), 10, false);
    return img;
}

QImage clocks(const QStringList &texts) {
    QImage img = base(19, texts);
    QPainter p(&img);
    prepare(p);
    // The column of time tiles.
    panel(p, QRectF(10, 104, 252, 10 * 35 + 2), colour::pageDeep, QColor(), 12, false);
    const QPointF centres[5] = {{312, 132}, {555, 205}, {312, 278}, {555, 351}, {312, 424}};
    const QPoint labels[5] = {{349, 119}, {273, 192}, {349, 265}, {273, 338}, {349, 411}};
    const QString letters = QStringLiteral("ABCDE");
    for (int i = 0; i < 5; ++i) {
        // The drop box beside the clock where the pupil puts its time.
        p.save();
        p.setPen(QPen(colour::teal, 1.5, Qt::DashLine));
        p.setBrush(colour::panel);
        p.drawRoundedRect(QRectF(labels[i].x() + 0.75, labels[i].y() + 0.75, 244, 27), 8, 8);
        p.restore();
        clockFace(p, centres[i], letters.mid(i, 1));
        markSlot(p, 603, 117 + 73 * i);
    }
    return img;
}

QImage listPage(int lists, const QStringList &texts) {
    QImage img = base(18, texts);
    QPainter p(&img);
    prepare(p);
    for (int l = 0; l < lists; ++l) {
        const int top = l == 0 ? 116 : 296;
        panel(p, QRectF(40, top, 552, 146), colour::panel, colour::panelLine, 12, true);
        // Heading band.
        p.save();
        p.setClipRect(QRectF(40, top, 552, 32));
        panel(p, QRectF(40, top, 552, 146), colour::tealLight, QColor(), 12, false);
        p.restore();
        markSlot(p, 600, l == 0 ? 120 : 300);
    }
    if (lists == 1)
        text(p, QRectF(40, 300, 552, 120), QStringLiteral("Poslední seznam – vyber slovo a klikni na Pokračuj."), 18,
             colour::inkSoft, true);
    return img;
}

QImage overview(int lists, const QStringList &texts) {
    QImage img = base(18, texts);
    QPainter p(&img);
    prepare(p);
    const int columns = lists == 10 ? 1 : lists == 20 ? 2 : 3;
    for (int c = 1; c <= columns; ++c)
        for (int r = 1; r <= 10; ++r) {
            const int y = 100 + 36 * (r - 1);
            if (columns == 1) {
                panel(p, QRectF(40, y + 1, 530, 30), colour::panel, colour::panelLine, 8, false);
                numberBadge(p, 52, y + 16, r);
                markSlot(p, 580, y);
            } else {
                const int step = columns == 2 ? 327 : 209;
                const int markStep = columns == 2 ? 325 : 209;
                const int width = columns == 2 ? 258 : 160;
                const int markLeft = (columns == 2 ? 280 : 183) + markStep * (c - 1);
                panel(p, QRectF(14 + step * (c - 1), y + 1, width, 30), colour::panel, colour::panelLine, 8, false);
                markSlot(p, markLeft, y);
            }
        }
    return img;
}

}  // namespace

void buildGameBackgrounds(Writer &w, const QStringList &texts) {
    // Pages of rows; ten-row exercises also have a five-row background for
    // a short page. The clocks and the word lists have pages of their own.
    for (int n = 1; n <= 24; ++n) {
        if (exercise::isClocks(n) || exercise::isWordLists(n)) continue;
        const int rows = exercise::spec(n).rowsPerPage;
        w.bmp(QStringLiteral("Bitmap\\Games\\%1_bckg.bmp").arg(twoDigits(n)), rowsBackground(n, rows, texts));
        if (rows > 5)
            w.bmp(QStringLiteral("Bitmap\\Games\\%1_bckg5.bmp").arg(twoDigits(n)), rowsBackground(n, 5, texts));
    }
    w.bmp(QStringLiteral("Bitmap\\Games\\19_bckg.bmp"), clocks(texts));
    w.bmp(QStringLiteral("Bitmap\\Games\\18_bckg.bmp"), listPage(2, texts));
    w.bmp(QStringLiteral("Bitmap\\Games\\18_bckg5.bmp"), listPage(1, texts));
    w.bmp(QStringLiteral("Bitmap\\Games\\18_sum10.bmp"), overview(10, texts));
    w.bmp(QStringLiteral("Bitmap\\Games\\18_sum20.bmp"), overview(20, texts));
    w.bmp(QStringLiteral("Bitmap\\Games\\18_sum30.bmp"), overview(30, texts));
}

}  // namespace course::media
