// The pictures the exercise form swaps in and out: the toolbar buttons,
// the right and wrong marks, the hint bubbles (cut out along a key colour),
// the switches of exercises 2, 4 and 11 and the list markers of 18.
#include "course/lib/MediaParts.h"

#include <QPainterPath>

namespace course::media {

namespace {

QImage mark(bool right) {
    QImage img = canvas(32, 32);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(right ? colour::good : colour::bad);
    p.drawEllipse(QRectF(2, 2, 28, 28));
    if (right) {
        icon(p, Icon::Check, QRectF(7, 7, 18, 18), Qt::white);
    } else {
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 11), QPointF(21, 21));
        p.drawLine(QPointF(21, 11), QPointF(11, 21));
    }
    return img;
}

// A hint bubble: the key colour fills only the cut-off corners, the bubble
// is drawn without blending so no edge pixel mixes with the key.
QImage hint(int width, int height) {
    QImage img = canvas(width, height, colour::key);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Filled outlines cover every edge pixel (a drawn pen can leave gaps
    // where the rounding meets the straight edges).
    const QColor rings[3] = {colour::accentDark, colour::accent, colour::accentLight};
    for (int i = 0; i < 3; ++i) {
        QPainterPath path;
        path.addRoundedRect(QRectF(i, i, width - 2 * i, height - 2 * i), 9 - i, 9 - i);
        p.fillPath(path, rings[i]);
    }
    return img;
}

// A switch: a rounded track with one place per word; the chosen place is
// lit. The labels of the form lie over the places (40 x 20 each, from
// (offset, 4), 48 apart).
QImage switchPicture(const QStringList &words, int offset, int chosen) {
    const int width = offset + 48 * int(words.size()) - 8 + offset;
    QImage img = canvas(width, 28, colour::panel);
    QPainter p(&img);
    prepare(p);
    panel(p, QRectF(0.5, 0.5, width - 1, 27), colour::tealLight, colour::teal, 13, false);
    for (int k = 0; k < int(words.size()); ++k) {
        const QRectF place(offset + 48 * k - 2, 3, 44, 22);
        if (k + 1 == chosen) panel(p, place, colour::accent, colour::accentDark, 10, false);
        text(p, place, words[k], 16, k + 1 == chosen ? colour::tealDark : colour::teal, true);
        if (k > 0 && chosen == 0) {
            p.setPen(QPen(colour::teal, 1));
            p.drawLine(QPointF(offset + 48 * k - 4, 8), QPointF(offset + 48 * k - 4, 20));
        }
    }
    return img;
}

// List markers of exercise 18, drawn in front of an entry: not picked,
// picked (white text over it), wrong pick.
QImage listMarker(int state) {
    QImage img = canvas(300, 24, colour::panel);
    QPainter p(&img);
    prepare(p);
    const QColor fill = state == 1 ? colour::teal : state == 2 ? colour::badLight : colour::page;
    const QColor line = state == 1 ? colour::tealDark : state == 2 ? colour::bad : colour::panelLine;
    panel(p, QRectF(0.5, 0.5, 299, 23), fill, line, 11, false);
    p.setPen(QPen(state == 1 ? Qt::white : state == 2 ? colour::bad : colour::teal, 1.5));
    p.setBrush(state == 1 ? QColor(Qt::white) : QColor(colour::panel));
    p.drawEllipse(QRectF(3, 4, 15, 15));
    if (state == 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour::teal);
        p.drawEllipse(QRectF(6.5, 7.5, 8, 8));
    } else if (state == 2) {
        p.setPen(QPen(colour::bad, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 8), QPointF(14, 15));
        p.drawLine(QPointF(14, 8), QPointF(7, 15));
    }
    return img;
}

}  // namespace

void buildGameControls(Writer &w) {
    struct Button { const char *name; Icon icon; const char *label; };
    const Button buttons[] = {{"mkont", Icon::Check, "Zkontroluj"},
                              {"mnove", Icon::NewPage, "Nová stránka"},
                              {"mtab", Icon::Table, "Výsledky"},
                              {"mzpet", Icon::Back, "Zpět"}};
    for (const Button &b : buttons) {
        const QString name = QString::fromLatin1(b.name);
        const QString label = QString::fromUtf8(b.label);
        w.bmp(QStringLiteral("Bitmap\\Games\\%1.bmp").arg(name), bigButton(b.icon, label, false));
        w.bmp(QStringLiteral("Bitmap\\Games\\%1h.bmp").arg(name), bigButton(b.icon, label, true));
    }
    w.bmp(QStringLiteral("Bitmap\\Games\\Check_ok.bmp"), mark(true));
    w.bmp(QStringLiteral("Bitmap\\Games\\Check_ko.bmp"), mark(false));
    w.bmp(QStringLiteral("Bitmap\\Games\\Hint_2.bmp"), hint(212, 37));
    w.bmp(QStringLiteral("Bitmap\\Games\\Hint_3.bmp"), hint(531, 37));
    w.bmp(QStringLiteral("Bitmap\\Games\\Hint_4.bmp"), hint(605, 57));
    w.bmp(QStringLiteral("Bitmap\\Games\\Hint_5.bmp"), hint(531, 57));
    w.bmp(QStringLiteral("Bitmap\\Games\\Hint_6.bmp"), hint(250, 37));

    // Switch places: exercises 2 and 4 at x 269 with labels from x 276,
    // exercise 11 at x 241 with labels from x 252; all labels 4 below the
    // switch top.
    const QStringList ex2 = {QStringLiteral("the"), QStringLiteral("–")};
    const QStringList ex4a = {QStringLiteral("a"), QStringLiteral("many")};
    const QStringList ex4many = {QStringLiteral("many"), QStringLiteral("a")};
    const QStringList ex11 = {QStringLiteral("in"), QStringLiteral("on"), QStringLiteral("at")};
    for (int s = 0; s <= 2; ++s) {
        w.bmp(QStringLiteral("Bitmap\\Games\\02_sw_%1.bmp").arg(s), switchPicture(ex2, 7, s));
        w.bmp(QStringLiteral("Bitmap\\Games\\04_sw_1%1.bmp").arg(s), switchPicture(ex4a, 7, s));
        w.bmp(QStringLiteral("Bitmap\\Games\\04_sw_2%1.bmp").arg(s), switchPicture(ex4many, 7, s));
    }
    for (int s = 0; s <= 3; ++s) w.bmp(QStringLiteral("Bitmap\\Games\\11_sw_%1.bmp").arg(s), switchPicture(ex11, 11, s));
    for (int s = 0; s <= 2; ++s) w.bmp(QStringLiteral("Bitmap\\Games\\18_sw_%1.bmp").arg(s), listMarker(s));
}

}  // namespace course::media
