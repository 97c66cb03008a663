// The selection screen: the background with its banner, the seven group
// pictures of the left column, the exercise pictures of the right column
// (each as high as its position in its group) and the exit button.
#include "course/lib/MediaParts.h"
#include "rules/ExerciseGroups.h"
#include "rules/PictureTexts.h"

namespace course::media {

namespace {

QImage background() {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    banner(p, QStringLiteral("Tutorix Lingvana 1"), screens::picturetext::selectSubtitle(),
           true);
    cornerTray(p);
    text(p, QRectF(12, 83, 296, 18), QStringLiteral("Skupiny cvičení"), 14, colour::inkSoft, true,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(337, 96, 296, 36), screens::picturetext::selectHeading(), 22, colour::teal, true,
         Qt::AlignLeft | Qt::AlignVCenter);
    // Until a group is open the right column shows how to begin; any open
    // group covers this card.
    panel(p, QRectF(345, 205, 276, 120), colour::panel, colour::panelLine, 14, true);
    icon(p, Icon::Back, QRectF(362, 245, 40, 40), colour::accentDark);
    text(p, QRectF(412, 215, 200, 100), screens::picturetext::selectHint(),
         17, colour::ink, false, Qt::AlignLeft | Qt::AlignVCenter, true);
    return img;
}

QImage groupPicture(int g, const QString &title, bool lit) {
    QImage img = canvas(300, 46);
    QPainter p(&img);
    prepare(p);
    panel(p, QRectF(1, 1, 298, 42), lit ? colour::accent : colour::panel, lit ? colour::accentDark : colour::panelLine,
          12, true);
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? colour::tealDark : colour::teal);
    p.drawEllipse(QRectF(8, 6, 32, 32));
    text(p, QRectF(8, 6, 32, 32), QString::number(g), 18, Qt::white, true);
    text(p, QRectF(50, 3, 242, 38), title, 18, lit ? colour::tealDark : colour::ink, true,
         Qt::AlignLeft | Qt::AlignVCenter, true, 11);
    return img;
}

QImage exercisePicture(int n, int height, const QString &name, bool lit) {
    QImage img = canvas(300, height);
    QPainter p(&img);
    prepare(p);
    const QRectF card(3, 2, 294, height - 5);
    panel(p, card, lit ? colour::accentLight : colour::panel, lit ? colour::accent : colour::panelLine, 12, true);
    const qreal badge = qMin<qreal>(34, card.height() - 10);
    const QRectF b(12, card.top() + (card.height() - badge) / 2, badge, badge);
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? colour::accentDark : colour::teal);
    p.drawRoundedRect(b, 8, 8);
    text(p, b, QString::number(n), 17, Qt::white, true);
    const qreal left = b.right() + 12;
    const QRectF area(left, card.top() + 3, card.right() - left - 10, card.height() - 6);
    if (height >= 69) {
        text(p, QRectF(area.left(), area.top() + 2, area.width(), 18), QStringLiteral("Cvičení %1").arg(n), 13,
             colour::inkSoft, true, Qt::AlignLeft | Qt::AlignVCenter);
        text(p, QRectF(area.left(), area.top() + 20, area.width(), area.height() - 22), name, 18, colour::ink, true,
             Qt::AlignLeft | Qt::AlignVCenter, true, 11);
    } else {
        text(p, area, name, 17, colour::ink, true, Qt::AlignLeft | Qt::AlignVCenter, true, 11);
    }
    return img;
}

}  // namespace

void buildSelectPictures(Writer &w, const QStringList &texts) {
    w.bmp(QStringLiteral("Bitmap\\Select\\bckg.bmp"), background());
    w.bmp(QStringLiteral("Bitmap\\Select\\mkone.bmp"), bigButton(Icon::Exit, QStringLiteral("Konec"), false));
    w.bmp(QStringLiteral("Bitmap\\Select\\mkoneh.bmp"), bigButton(Icon::Exit, QStringLiteral("Konec"), true));
    const auto &groups = screens::exerciseGroups();
    for (int g = 1; g <= 7; ++g) {
        const auto &group = groups[std::size_t(g)];
        const QString title = courseText(texts, group.titleText);
        for (int s = 0; s <= 1; ++s)
            w.bmp(QStringLiteral("Bitmap\\Select\\l_%1_%2.bmp").arg(g).arg(s), groupPicture(g, title, s == 1));
        for (std::size_t k = 0; k < group.exercises.size(); ++k) {
            const int n = group.exercises[k];
            const QString name = courseText(texts, group.nameTexts[k]);
            for (int s = 0; s <= 1; ++s)
                w.bmp(QStringLiteral("Bitmap\\Select\\r_%1_%2.bmp").arg(twoDigits(n)).arg(s),
                      exercisePicture(n, group.heights[k], name, s == 1));
        }
    }
}

}  // namespace course::media
