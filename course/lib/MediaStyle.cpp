#include "course/lib/MediaStyle.h"

#include "platform/safefile.h"
#include "ui/fonts.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainterPath>

namespace course::media {

QFont font(int pixels, bool bold) {
    QFont f(ui::screenFontFamily());
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleHint(QFont::SansSerif);
    // Hinting differs between font back ends; full hinting off keeps the
    // lettering the same wherever the course is built.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont fittedFont(const QString &s, const QSizeF &box, int maxPixels, int minPixels, bool bold, bool wrap) {
    for (int px = maxPixels; px > minPixels; --px) {
        const QFont f = font(px, bold);
        const QFontMetricsF fm(f);
        const QRectF need = wrap ? fm.boundingRect(QRectF(0, 0, box.width(), 10000), Qt::TextWordWrap, s)
                                 : QRectF(0, 0, fm.horizontalAdvance(s), fm.height());
        if (need.width() <= box.width() && need.height() <= box.height()) return f;
    }
    return font(minPixels, bold);
}

QImage canvas(int width, int height, const QColor &fill) {
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

void prepare(QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

void panel(QPainter &p, const QRectF &r, const QColor &fill, const QColor &border, qreal radius, bool shadow) {
    p.save();
    if (shadow) {
        p.setPen(Qt::NoPen);
        QColor s = colour::ink;
        s.setAlpha(28);
        p.setBrush(s);
        p.drawRoundedRect(r.translated(0, 3), radius, radius);
    }
    p.setBrush(fill);
    if (border.isValid())
        p.setPen(QPen(border, 1.5));
    else
        p.setPen(Qt::NoPen);
    const qreal inset = border.isValid() ? 0.75 : 0;
    p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius, radius);
    p.restore();
}

void text(QPainter &p, const QRectF &r, const QString &s, int maxPixels, const QColor &c, bool bold, int flags,
          bool wrap, int minPixels) {
    p.save();
    p.setFont(fittedFont(s, r.size(), maxPixels, minPixels, bold, wrap));
    p.setPen(c);
    p.drawText(r, flags | (wrap ? Qt::TextWordWrap : 0), s);
    p.restore();
}

void banner(QPainter &p, const QString &heading, const QString &subheading, bool helpMark) {
    const QRectF r(5, 6, 539, 75);
    panel(p, r.adjusted(1, 1, -1, -1), colour::teal, QColor(), 14, true);
    const qreal textLeft = helpMark ? 70 : 22;
    if (helpMark) {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(colour::accent);
        p.drawEllipse(QRectF(20, 20, 40, 40));
        p.restore();
        text(p, QRectF(20, 20, 40, 40), QStringLiteral("?"), 28, colour::tealDark, true);
    }
    if (subheading.isEmpty()) {
        text(p, QRectF(textLeft, 14, 530 - textLeft, 54), heading, 30, Qt::white, true, Qt::AlignVCenter | Qt::AlignLeft);
    } else {
        text(p, QRectF(textLeft, 13, 530 - textLeft, 30), heading, 24, Qt::white, true,
             Qt::AlignVCenter | Qt::AlignLeft);
        text(p, QRectF(textLeft, 43, 530 - textLeft, 24), subheading, 16, colour::accentLight, false,
             Qt::AlignVCenter | Qt::AlignLeft);
    }
}

void helpBadge(QPainter &p, int exercise, const QString &name) {
    const QRectF r(6, 6, 227, 67);
    panel(p, r, colour::teal, QColor(), 12, true);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::accent);
    p.drawEllipse(QRectF(14, 19, 40, 40));
    p.restore();
    text(p, QRectF(14, 19, 40, 40), QStringLiteral("?"), 28, colour::tealDark, true);
    text(p, QRectF(62, 11, 164, 22), QStringLiteral("Cvičení %1").arg(exercise), 17, colour::accentLight, true,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(62, 32, 166, 36), name, 15, Qt::white, true, Qt::AlignLeft | Qt::AlignVCenter, true, 10);
}

void toolbarTray(QPainter &p) { panel(p, QRectF(268, 2, 372, 82), colour::pageDeep, QColor(), 14, false); }

void cornerTray(QPainter &p) { panel(p, QRectF(545, 1, 94, 84), colour::pageDeep, QColor(), 12, false); }

void markSlot(QPainter &p, int left, int top) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::page);
    p.drawRect(QRect(left, top, 32, 32));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::panelLine, 1.5, Qt::DotLine));
    p.drawEllipse(QRectF(left + 4.5, top + 4.5, 23, 23));
    p.restore();
}

void icon(QPainter &p, Icon which, const QRectF &sq, const QColor &c) {
    p.save();
    const qreal s = sq.width();
    const qreal w = qMax<qreal>(2.0, s / 9.0);
    QPen pen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    auto P = [&](qreal x, qreal y) { return QPointF(sq.left() + x * s, sq.top() + y * s); };
    switch (which) {
    case Icon::Check:
        p.drawPolyline(QPolygonF({P(0.15, 0.52), P(0.40, 0.77), P(0.86, 0.24)}));
        break;
    case Icon::NewPage: {
        QPainterPath path;
        path.moveTo(P(0.25, 0.1));
        path.lineTo(P(0.62, 0.1));
        path.lineTo(P(0.8, 0.28));
        path.lineTo(P(0.8, 0.9));
        path.lineTo(P(0.25, 0.9));
        path.closeSubpath();
        p.drawPath(path);
        p.drawPolyline(QPolygonF({P(0.62, 0.1), P(0.62, 0.28), P(0.8, 0.28)}));
        p.drawLine(P(0.52, 0.45), P(0.52, 0.75));
        p.drawLine(P(0.37, 0.6), P(0.67, 0.6));
        break;
    }
    case Icon::Table:
        p.drawRoundedRect(QRectF(P(0.12, 0.15), P(0.88, 0.85)), s * 0.06, s * 0.06);
        p.drawLine(P(0.12, 0.38), P(0.88, 0.38));
        p.drawLine(P(0.12, 0.62), P(0.88, 0.62));
        p.drawLine(P(0.4, 0.15), P(0.4, 0.85));
        break;
    case Icon::Back:
        p.drawLine(P(0.15, 0.5), P(0.85, 0.5));
        p.drawPolyline(QPolygonF({P(0.45, 0.2), P(0.15, 0.5), P(0.45, 0.8)}));
        break;
    case Icon::Forward:
        p.drawLine(P(0.15, 0.5), P(0.85, 0.5));
        p.drawPolyline(QPolygonF({P(0.55, 0.2), P(0.85, 0.5), P(0.55, 0.8)}));
        break;
    case Icon::Exit:
        p.drawPolyline(QPolygonF({P(0.55, 0.15), P(0.2, 0.15), P(0.2, 0.85), P(0.55, 0.85)}));
        p.drawLine(P(0.42, 0.5), P(0.9, 0.5));
        p.drawPolyline(QPolygonF({P(0.72, 0.32), P(0.9, 0.5), P(0.72, 0.68)}));
        break;
    case Icon::Print:
        p.drawRect(QRectF(P(0.3, 0.1), P(0.7, 0.35)));
        p.drawRoundedRect(QRectF(P(0.1, 0.35), P(0.9, 0.7)), s * 0.06, s * 0.06);
        p.drawRect(QRectF(P(0.3, 0.58), P(0.7, 0.9)));
        break;
    case Icon::Question: {
        QFont f = font(int(s * 0.8), true);
        p.setFont(f);
        p.drawText(sq, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Icon::Speaker: {
        p.setBrush(c);
        p.drawPolygon(QPolygonF({P(0.1, 0.38), P(0.3, 0.38), P(0.52, 0.16), P(0.52, 0.84), P(0.3, 0.62), P(0.1, 0.62)}));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(P(0.45, 0.3), P(0.75, 0.7)), -50 * 16, 100 * 16);
        p.drawArc(QRectF(P(0.45, 0.12), P(0.95, 0.88)), -50 * 16, 100 * 16);
        break;
    }
    case Icon::Pencil:
        p.drawLine(P(0.2, 0.8), P(0.75, 0.25));
        p.drawLine(P(0.3, 0.9), P(0.85, 0.35));
        p.drawLine(P(0.75, 0.25), P(0.85, 0.35));
        p.drawPolyline(QPolygonF({P(0.2, 0.8), P(0.12, 0.95), P(0.3, 0.9)}));
        break;
    case Icon::Hand: {
        QPainterPath path;
        path.addRoundedRect(QRectF(P(0.2, 0.45), P(0.8, 0.92)), s * 0.12, s * 0.12);
        p.drawPath(path);
        p.drawRoundedRect(QRectF(P(0.3, 0.08), P(0.46, 0.55)), s * 0.08, s * 0.08);
        break;
    }
    case Icon::Clock:
        p.drawEllipse(QRectF(P(0.1, 0.1), P(0.9, 0.9)));
        p.drawLine(P(0.5, 0.5), P(0.5, 0.22));
        p.drawLine(P(0.5, 0.5), P(0.7, 0.6));
        break;
    case Icon::List:
        for (int i = 0; i < 3; ++i) {
            const qreal y = 0.25 + i * 0.25;
            p.drawEllipse(QRectF(P(0.12, y - 0.06), P(0.24, y + 0.06)));
            p.drawLine(P(0.36, y), P(0.88, y));
        }
        break;
    }
    p.restore();
}

QImage bigButton(Icon which, const QString &label, bool lit) {
    QImage img = canvas(91, 75, colour::pageDeep);
    QPainter p(&img);
    prepare(p);
    const QRectF r(4, 3, 83, 68);
    panel(p, r, lit ? colour::accent : colour::panel, lit ? colour::accentDark : colour::panelLine, 12, true);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? colour::panel : colour::tealLight);
    p.drawEllipse(QRectF(29.5, 8, 32, 32));
    p.restore();
    icon(p, which, QRectF(35.5, 14, 20, 20), lit ? colour::tealDark : colour::teal);
    text(p, QRectF(7, 43, 77, 24), label, 15, lit ? colour::tealDark : colour::ink, true);
    return img;
}

QImage slideButton(int width, int height, Icon which, const QString &label) {
    QImage img = canvas(width, height, colour::key);
    QPainter p(&img);
    // The edge stays crisp: blended edge pixels would not be magenta and
    // would show as a pink fringe.
    p.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath outer, inner;
    outer.addRoundedRect(QRectF(0, 0, width, height), 5, 5);
    inner.addRoundedRect(QRectF(1, 1, width - 2, height - 2), 4, 4);
    p.fillPath(outer, colour::tealDark);
    p.fillPath(inner, colour::teal);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QFont f = fittedFont(label, QSizeF(width - 34, height - 4), 15, 10, true, false);
    const qreal textWidth = QFontMetricsF(f).horizontalAdvance(label);
    const qreal total = 16 + 6 + textWidth;
    const qreal left = (width - total) / 2;
    icon(p, which, QRectF(left, (height - 16) / 2.0, 16, 16), colour::accent);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(left + 22, 0, textWidth + 2, height), Qt::AlignVCenter | Qt::AlignLeft, label);
    return img;
}

QString courseText(const QStringList &texts, int k) { return k >= 1 ? texts.value(k - 1) : QString(); }

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QByteArray bmpBytes(const QImage &image) {
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buf, "BMP");
    return out;
}

QString Writer::path(const QString &rel) const {
    return m_dir + QLatin1Char('/') + QString(rel).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

bool Writer::fail(const QString &message) {
    if (m_ok && m_error) *m_error = message;
    m_ok = false;
    return false;
}

bool Writer::bmp(const QString &rel, const QImage &image) {
    const QByteArray data = bmpBytes(image);
    if (data.isEmpty()) return fail(QStringLiteral("%1 nejde zakódovat").arg(path(rel)));
    return bytes(rel, data);
}

bool Writer::bytes(const QString &rel, const QByteArray &data) {
    if (!m_ok) return false;
    const QString p = path(rel);
    QFile existing(p);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == data.size() && existing.readAll() == data)
        return true;  // unchanged: keep the file and its time stamp
    existing.close();
    if (!QDir().mkpath(QFileInfo(p).path())) return fail(QStringLiteral("%1 nejde vytvořit").arg(QFileInfo(p).path()));
    const platform::WriteResult r = platform::writeFileAtomic(p, data);
    if (!r) return fail(QStringLiteral("%1: %2").arg(p, platform::czechReason(r.error)));
    return true;
}

}  // namespace course::media
