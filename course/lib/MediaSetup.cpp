// The setup screen: one background per exercise (banner, count dial, name
// box, help-first toggle), the dial pointers, the count buttons, the back
// button, the slide-in continue and print buttons, the help-first toggle,
// and the topic screen of exercise 21 with its topic button backgrounds.
#include "course/lib/MediaParts.h"
#include "rules/PictureTexts.h"
#include "rules/RunLengths.h"

#include <QtMath>

namespace course::media {

namespace {

// The count buttons (exercise::kRunLengths) stand around the dial; the pointer
// picture is copied with its top-left corner at (100, 293).
constexpr int kCountLeft[5] = {133, 204, 203, 128, 52};
constexpr int kCountTop[5] = {253, 293, 370, 409, 370};
constexpr int kCountW = 35, kCountH = 29;
const QPointF kDialCentre(148, 345);
constexpr qreal kDialRadius = 112;
const QRect kPointerRect(100, 293, 96, 104);
constexpr qreal kFaceRadius = 44;

void dialFace(QPainter &p, QPointF centre) {
    p.save();
    p.setPen(QPen(colour::panelLine, 1.5));
    p.setBrush(colour::panel);
    p.drawEllipse(centre, kFaceRadius, kFaceRadius);
    p.setPen(QPen(colour::tealLight, 2));
    for (int i = 0; i < 5; ++i) {
        const QPointF c(kCountLeft[i] + kCountW / 2.0 - kDialCentre.x(), kCountTop[i] + kCountH / 2.0 - kDialCentre.y());
        const qreal len = std::hypot(c.x(), c.y());
        const QPointF u(c.x() / len, c.y() / len);
        p.drawLine(centre + u * (kFaceRadius - 9), centre + u * (kFaceRadius - 3));
    }
    p.restore();
}

QImage pointer(int k) {
    QImage img = canvas(kPointerRect.width(), kPointerRect.height(), colour::tealLight);
    QPainter p(&img);
    prepare(p);
    const QPointF c = kDialCentre - kPointerRect.topLeft();
    dialFace(p, c);
    const QPointF target(kCountLeft[k] + kCountW / 2.0 - kDialCentre.x(), kCountTop[k] + kCountH / 2.0 - kDialCentre.y());
    const qreal len = std::hypot(target.x(), target.y());
    const QPointF u(target.x() / len, target.y() / len);
    const QPointF n(-u.y(), u.x());
    const QPointF tip = c + u * (kFaceRadius - 6);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::teal);
    p.drawPolygon(QPolygonF({tip, c + n * 6, c - u * 10, c - n * 6}));
    p.setBrush(colour::accent);
    p.drawEllipse(c, 7, 7);
    return img;
}

QImage countButton(int value, bool chosen) {
    QImage img = canvas(kCountW, kCountH, colour::tealLight);
    QPainter p(&img);
    prepare(p);
    panel(p, QRectF(1, 1, kCountW - 2, kCountH - 3), chosen ? colour::accent : colour::panel,
          chosen ? colour::accentDark : colour::teal, 8, true);
    text(p, QRectF(1, 1, kCountW - 2, kCountH - 3), QString::number(value), 16, chosen ? colour::tealDark : colour::teal,
         true);
    return img;
}

QImage helpFirstToggle(bool on) {
    QImage img = canvas(26, 26, colour::panel);
    QPainter p(&img);
    prepare(p);
    panel(p, QRectF(1, 1, 24, 24), on ? colour::teal : colour::panel, on ? colour::tealDark : colour::teal, 6, false);
    if (on) icon(p, Icon::Check, QRectF(5, 5, 16, 16), Qt::white);
    return img;
}

QImage setupBackground(int n, const QStringList &texts) {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    banner(p, exerciseName(texts, n), QStringLiteral("Cvičení %1 · %2").arg(n).arg(groupTitle(texts, n)), true);
    cornerTray(p);
    // What the exercise asks, with the page size.
    panel(p, QRectF(20, 94, 600, 76), colour::panel, colour::panelLine, 14, true);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::tealLight);
    p.drawEllipse(QRectF(34, 106, 52, 52));
    icon(p, taskIcon(n), QRectF(46, 118, 28, 28), colour::teal);
    text(p, QRectF(100, 102, 506, 32), screens::picturetext::taskLine(n), 19, colour::ink, true, Qt::AlignLeft | Qt::AlignVCenter);
    const QString page = screens::picturetext::pageSizeLine(n);
    text(p, QRectF(100, 132, 506, 28), page, 16, colour::inkSoft, false, Qt::AlignLeft | Qt::AlignVCenter);

    // The count dial.
    text(p, QRectF(30, 192, 236, 30), courseText(texts, 40), 19, colour::teal, true);
    p.setPen(QPen(colour::teal, 2));
    p.setBrush(colour::tealLight);
    p.drawEllipse(kDialCentre, kDialRadius, kDialRadius);
    dialFace(p, kDialCentre);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::accent);
    p.drawEllipse(kDialCentre, 7, 7);

    // Name and options.
    panel(p, QRectF(336, 192, 284, 256), colour::panel, colour::panelLine, 14, true);
    text(p, QRectF(356, 204, 250, 28), screens::picturetext::setupHeading(), 19, colour::teal, true,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(356, 234, 250, 60), screens::picturetext::setupHint(), 16,
         colour::ink, false, Qt::AlignLeft | Qt::AlignTop, true);
    text(p, QRectF(382, 306, 195, 24), courseText(texts, 35) + QLatin1Char(':'), 16, colour::inkSoft, true,
         Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(colour::teal, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(379, 330, 201, 26), 4, 4);
    p.setPen(QPen(colour::panelLine, 1));
    p.drawLine(QPointF(350, 388), QPointF(606, 388));
    text(p, QRectF(350, 400, 203, 42), QStringLiteral("Nejdřív ukázat nápovědu"), 16, colour::ink, false,
         Qt::AlignRight | Qt::AlignVCenter, true);
    return img;
}

QImage topicBackground(bool selected) {
    QImage img = canvas(159, 30, colour::panel);
    QPainter p(&img);
    prepare(p);
    panel(p, QRectF(0.5, 0.5, 158, 28), selected ? colour::good : colour::teal,
          selected ? colour::good.darker(130) : colour::tealDark, 9, false);
    if (selected) icon(p, Icon::Check, QRectF(1, 9, 10, 10), Qt::white);
    return img;
}

QImage topicScreen(const QStringList &texts) {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    banner(p, QStringLiteral("Vyber si témata"), QStringLiteral("Cvičení 21 · ") + exerciseName(texts, 21), false);
    cornerTray(p);
    panel(p, QRectF(10, 90, 620, 342), colour::panel, colour::panelLine, 16, true);
    text(p, QRectF(20, 434, 600, 22),
         QStringLiteral("Klikni na témata, která chceš procvičit. Pak klikni na Pokračuj."), 16, colour::teal, true);
    return img;
}

}  // namespace

void buildSetupPictures(Writer &w, const QStringList &texts) {
    for (int n = 1; n <= 24; ++n)
        w.bmp(QStringLiteral("Bitmap\\Setup\\bg%1.bmp").arg(twoDigits(n)), setupBackground(n, texts));
    for (int k = 0; k < int(exercise::kRunLengths.size()); ++k) {
        const int count = exercise::kRunLengths[std::size_t(k)];
        const QString nn = QString::number(count);
        w.bmp(QStringLiteral("Bitmap\\Setup\\Sipka_%1.bmp").arg(nn), pointer(k));
        w.bmp(QStringLiteral("Bitmap\\Setup\\%1_0.bmp").arg(nn), countButton(count, false));
        w.bmp(QStringLiteral("Bitmap\\Setup\\%1_1.bmp").arg(nn), countButton(count, true));
    }
    w.bmp(QStringLiteral("Bitmap\\Setup\\pokracuj.bmp"), continueButton());
    w.bmp(QStringLiteral("Bitmap\\Setup\\tiskni.bmp"), printButton());
    w.bmp(QStringLiteral("Bitmap\\Setup\\mzpet.bmp"), bigButton(Icon::Back, QStringLiteral("Zpět"), false));
    w.bmp(QStringLiteral("Bitmap\\Setup\\mzpeth.bmp"), bigButton(Icon::Back, QStringLiteral("Zpět"), true));
    w.bmp(QStringLiteral("Bitmap\\Setup\\nap_0.bmp"), helpFirstToggle(false));
    w.bmp(QStringLiteral("Bitmap\\Setup\\nap_1.bmp"), helpFirstToggle(true));
    w.bmp(QStringLiteral("Bitmap\\Setup\\tema_0.bmp"), topicBackground(false));
    w.bmp(QStringLiteral("Bitmap\\Setup\\tema_1.bmp"), topicBackground(true));
    w.bmp(QStringLiteral("Bitmap\\Setup\\bg21_set.bmp"), topicScreen(texts));
}

}  // namespace course::media
