// The three mouse pointers as Windows cursor files with their hot spots:
// the arrow (tip), the pointing hand (finger tip) and the help arrow.
#include "course/lib/MediaParts.h"

#include "platform/curfile.h"

#include <QPainterPath>

namespace course::media {

namespace {

QImage blank() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

QPolygonF arrowShape() {
    return QPolygonF({QPointF(1, 1), QPointF(1, 22), QPointF(6, 17), QPointF(10, 26), QPointF(13.5, 24.5),
                      QPointF(9.5, 16), QPointF(16.5, 16)});
}

void drawArrow(QPainter &p) {
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(arrowShape());
}

QImage arrow() {
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawArrow(p);
    return img;
}

QImage help() {
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawArrow(p);
    p.setPen(QPen(colour::tealDark, 1.2));
    p.setBrush(colour::accent);
    p.drawEllipse(QRectF(16, 10, 15, 15));
    p.setPen(colour::tealDark);
    p.setFont(font(12, true));
    p.drawText(QRectF(16, 10, 15, 15), Qt::AlignCenter, QStringLiteral("?"));
    return img;
}

// A hand with the index finger pointing up; the hot spot is the finger tip.
QImage hand() {
    QImage img = blank();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(9, 1, 6, 17), 3, 3);   // index finger
    path.addRoundedRect(QRectF(15, 9, 5, 10), 2.5, 2.5);
    path.addRoundedRect(QRectF(20, 10, 5, 10), 2.5, 2.5);
    path.addRoundedRect(QRectF(25, 12, 4.5, 9), 2.2, 2.2);
    path.addRoundedRect(QRectF(9, 14, 20.5, 14), 5, 5);  // palm
    QPainterPath thumb;
    thumb.moveTo(10, 17);
    thumb.lineTo(4, 13);
    thumb.quadTo(1.5, 13, 2.5, 16.5);
    thumb.lineTo(10, 26);
    path.addPath(thumb);
    path.setFillRule(Qt::WindingFill);
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(path.simplified());
    p.setPen(QPen(Qt::black, 0.8));
    p.drawLine(QPointF(15, 14), QPointF(15, 18));
    p.drawLine(QPointF(20, 14), QPointF(20, 18));
    p.drawLine(QPointF(25, 15), QPointF(25, 18));
    return img;
}

}  // namespace

void buildCursors(Writer &w) {
    w.bytes(QStringLiteral("Cur\\Arrow.cur"), platform::encodeCursorFile(arrow(), QPoint(1, 1)));
    w.bytes(QStringLiteral("Cur\\Hand.cur"), platform::encodeCursorFile(hand(), QPoint(12, 1)));
    w.bytes(QStringLiteral("Cur\\Help.cur"), platform::encodeCursorFile(help(), QPoint(1, 1)));
}

}  // namespace course::media
