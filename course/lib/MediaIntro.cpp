// The title screen and the help pages: the authors' page, the help for the
// setup screen and one page per exercise telling how to work it.
#include "course/lib/MediaParts.h"
#include "rules/PictureTexts.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace course::media {

namespace {

void pageHeader(QPainter &p, const QString &heading, const QString &sub) {
    const QRectF r(5, 6, 630, 75);
    panel(p, r, colour::teal, QColor(), 14, true);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::accent);
    p.drawEllipse(QRectF(20, 20, 40, 40));
    icon(p, Icon::Question, QRectF(20, 20, 40, 40), colour::tealDark);
    text(p, QRectF(72, 13, 550, 30), heading, 24, Qt::white, true, Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(72, 43, 550, 24), sub, 16, colour::accentLight, false, Qt::AlignLeft | Qt::AlignVCenter);
}

void footer(QPainter &p, const QString &s) {
    icon(p, Icon::Hand, QRectF(196, 446, 24, 24), colour::accentDark);
    text(p, QRectF(226, 443, 400, 30), s, 18, colour::teal, true, Qt::AlignLeft | Qt::AlignVCenter);
}

// Numbered steps in a white panel; the font shrinks until all steps fit.
void steps(QPainter &p, const QRectF &area, const QStringList &items) {
    panel(p, area, colour::panel, colour::panelLine, 16, true);
    const QRectF inner = area.adjusted(18, 14, -18, -14);
    const qreal textLeft = inner.left() + 40;
    const qreal textWidth = inner.right() - textLeft;
    int px = 18;
    for (; px > 11; --px) {
        const QFontMetricsF fm(font(px));
        qreal total = 0;
        for (const QString &s : items)
            total += qMax<qreal>(30, fm.boundingRect(QRectF(0, 0, textWidth, 1000), Qt::TextWordWrap, s).height()) + 10;
        if (total - 10 <= inner.height()) break;
    }
    const QFont f = font(px);
    const QFontMetricsF fm(f);
    qreal y = inner.top();
    int n = 1;
    for (const QString &s : items) {
        const qreal h = qMax<qreal>(30, fm.boundingRect(QRectF(0, 0, textWidth, 1000), Qt::TextWordWrap, s).height());
        p.setPen(Qt::NoPen);
        p.setBrush(colour::accent);
        p.drawEllipse(QRectF(inner.left(), y, 28, 28));
        text(p, QRectF(inner.left(), y, 28, 28), QString::number(n++), 16, colour::tealDark, true);
        p.setFont(f);
        p.setPen(colour::ink);
        p.drawText(QRectF(textLeft, y + (h > 30 ? 0 : (30 - fm.height()) / 2 - 1), textWidth, h),
                   Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, s);
        y += h + 10;
    }
}

// The four toolbar buttons and the two marks, as a legend under the steps.
void toolbarLegend(QPainter &p, qreal top) {
    panel(p, QRectF(20, top, 600, 62), colour::tealLight, QColor(), 14, false);
    struct Item { Icon icon; const char *label; };
    const Item items[] = {{Icon::Check, "Zkontroluj"}, {Icon::NewPage, "Nová stránka"}, {Icon::Table, "Výsledky"},
                          {Icon::Back, "Zpět"}};
    qreal x = 30;
    for (const Item &it : items) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour::panel);
        p.drawEllipse(QRectF(x, top + 13, 36, 36));
        icon(p, it.icon, QRectF(x + 8, top + 21, 20, 20), colour::teal);
        text(p, QRectF(x + 40, top + 8, 86, 46), QString::fromUtf8(it.label), 14, colour::ink, true,
             Qt::AlignLeft | Qt::AlignVCenter, true, 10);
        x += 116;
    }
    // Marks: a green tick is right, a red cross is wrong.
    p.setBrush(colour::good);
    p.drawEllipse(QRectF(x + 4, top + 9, 22, 22));
    icon(p, Icon::Check, QRectF(x + 8, top + 13, 14, 14), Qt::white);
    p.setBrush(colour::bad);
    p.drawEllipse(QRectF(x + 4, top + 34, 22, 22));
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x + 10, top + 40), QPointF(x + 20, top + 50));
    p.drawLine(QPointF(x + 20, top + 40), QPointF(x + 10, top + 50));
    text(p, QRectF(x + 30, top + 8, 70, 24), QStringLiteral("správně"), 13, colour::ink, false,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(x + 30, top + 33, 70, 24), QStringLiteral("chyba"), 13, colour::ink, false,
         Qt::AlignLeft | Qt::AlignVCenter);
}


QImage exerciseHelp(int n, const QStringList &texts) {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    pageHeader(p, QStringLiteral("Cvičení %1: %2").arg(n).arg(exerciseName(texts, n)),
               QStringLiteral("Jak na to – ") + groupTitle(texts, n));
    steps(p, QRectF(20, 94, 600, 270), screens::picturetext::howTo(n));
    toolbarLegend(p, 374);
    footer(p, screens::picturetext::exerciseHelpFooter());
    return img;
}

QImage setupHelp() {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    pageHeader(p, QStringLiteral("Než začneš"), QStringLiteral("Jak nastavit cvičení"));
    steps(p, QRectF(20, 94, 600, 340), screens::picturetext::setupHelpSteps());
    footer(p, screens::picturetext::backFooter());
    return img;
}

QImage authors() {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    pageHeader(p, QStringLiteral("Tutorix Lingvana 1"), QStringLiteral("O programu"));
    panel(p, QRectF(20, 94, 600, 340), colour::panel, colour::panelLine, 16, true);
    text(p, QRectF(44, 110, 552, 40), QStringLiteral("Angličtina pro školáky"), 26, colour::teal, true);
    text(p, QRectF(44, 152, 552, 60), screens::picturetext::authorsSummary(),
         17, colour::ink, false, Qt::AlignHCenter | Qt::AlignTop, true);
    const QStringList lines = screens::picturetext::authorsLines();
    qreal y = 226;
    for (const QString &s : lines) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour::accent);
        p.drawEllipse(QRectF(84, y + 8, 10, 10));
        text(p, QRectF(104, y, 470, 26), s, 18, colour::ink, false, Qt::AlignLeft | Qt::AlignVCenter);
        y += 38;
    }
    text(p, QRectF(44, 388, 552, 32), screens::picturetext::authorsWish(), 18, colour::accentDark,
         true);
    footer(p, screens::picturetext::backFooter());
    return img;
}

void speechBubble(QPainter &p, const QRectF &r, const QString &s, const QColor &fill, const QColor &ink, bool tailLeft) {
    QPainterPath path;
    path.addRoundedRect(r, 16, 16);
    QPolygonF tail;
    if (tailLeft)
        tail << QPointF(r.left() + 22, r.bottom() - 2) << QPointF(r.left() + 12, r.bottom() + 16)
             << QPointF(r.left() + 40, r.bottom() - 2);
    else
        tail << QPointF(r.right() - 40, r.bottom() - 2) << QPointF(r.right() - 12, r.bottom() + 16)
             << QPointF(r.right() - 22, r.bottom() - 2);
    path.addPolygon(tail);
    path.setFillRule(Qt::WindingFill);
    p.save();
    p.setPen(Qt::NoPen);
    QColor shade = colour::ink;
    shade.setAlpha(28);
    p.setBrush(shade);
    p.drawPath(path.translated(0, 3));
    p.setBrush(fill);
    p.drawPath(path.simplified());
    p.restore();
    text(p, r, s, 24, ink, true);
}

QImage title() {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    // Soft circles in the corners keep the page light and friendly.
    p.setPen(Qt::NoPen);
    p.setBrush(colour::pageDeep);
    p.drawEllipse(QRectF(-90, -110, 260, 260));
    p.drawEllipse(QRectF(500, 340, 240, 240));
    p.setBrush(colour::tealLight);
    p.drawEllipse(QRectF(540, -60, 150, 150));
    p.drawEllipse(QRectF(-50, 380, 150, 150));
    speechBubble(p, QRectF(70, 40, 150, 56), QStringLiteral("Hello!"), colour::accent, colour::tealDark, true);
    speechBubble(p, QRectF(430, 40, 140, 56), QStringLiteral("Ahoj!"), colour::panel, colour::teal, false);
    panel(p, QRectF(60, 120, 520, 200), colour::teal, QColor(), 28, true);
    text(p, QRectF(80, 136, 480, 40), QStringLiteral("Tutorix"), 32, colour::accent, true);
    text(p, QRectF(80, 172, 480, 80), QStringLiteral("Lingvana 1"), 64, Qt::white, true);
    text(p, QRectF(80, 256, 480, 40), screens::picturetext::titleSubtitle(), 24, colour::accentLight, false);
    // A row of word tiles, as the pupil will meet them in the exercises.
    const QStringList words = {QStringLiteral("cat"), QStringLiteral("red"), QStringLiteral("school"),
                               QStringLiteral("apple"), QStringLiteral("happy"), QStringLiteral("sun")};
    qreal x = 70;
    for (const QString &wd : words) {
        const QRectF r(x, 352, 76, 32);
        panel(p, r, colour::accentLight, colour::accent, 9, true);
        text(p, r, wd, 18, colour::tealDark, true);
        x += 86;
    }
    text(p, QRectF(60, 414, 520, 36), screens::picturetext::titleHint(), 20, colour::teal, true);
    return img;
}

}  // namespace

void buildIntroAndHelpPictures(Writer &w, const QStringList &texts) {
    w.bmp(QStringLiteral("Bitmap\\Intro\\title.bmp"), title());
    w.bmp(QStringLiteral("Bitmap\\Help\\autori.bmp"), authors());
    w.bmp(QStringLiteral("Bitmap\\Help\\setup.bmp"), setupHelp());
    for (int n = 1; n <= 24; ++n)
        w.bmp(QStringLiteral("Bitmap\\Help\\%1.bmp").arg(twoDigits(n)), exerciseHelp(n, texts));
}

}  // namespace course::media
