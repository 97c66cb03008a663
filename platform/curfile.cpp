#include "platform/curfile.h"

#include "platform/paths.h"

#include <QFile>
#include <QPixmap>
#include <QtEndian>

namespace platform {

namespace {
quint16 u16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32(const QByteArray &b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
void put16(QByteArray &b, quint16 v) { char c[2]; qToLittleEndian(v, c); b.append(c, 2); }
void put32(QByteArray &b, quint32 v) { char c[4]; qToLittleEndian(v, c); b.append(c, 4); }

constexpr qint64 kDirectoryEnd = 6 + 16;  // file header and one directory entry
constexpr qint64 kInfoHeaderSize = 40;    // BITMAPINFOHEADER
}  // namespace

CursorImage parseCursorFile(const QByteArray &bytes) {
    CursorImage out;
    // All sizes and offsets are taken as 64-bit numbers and checked against
    // the buffer before anything is read: a damaged file gives an invalid
    // cursor, never a read outside the data.
    const qint64 total = bytes.size();
    if (total < kDirectoryEnd || u16(bytes, 0) != 0 || u16(bytes, 2) != 2 || u16(bytes, 4) < 1) return out;
    const int w = quint8(bytes[6]) ? quint8(bytes[6]) : 256;
    const int h = quint8(bytes[7]) ? quint8(bytes[7]) : 256;
    out.hotSpot = QPoint(u16(bytes, 10), u16(bytes, 12));
    const qint64 size = u32(bytes, 14), offset = u32(bytes, 18);
    if (size < kInfoHeaderSize || offset < kDirectoryEnd || offset + size > total) return out;
    const QByteArray dib = bytes.mid(offset, size);
    if (dib.startsWith("\x89PNG")) {
        out.image = QImage::fromData(dib, "PNG");
        out.valid = !out.image.isNull();
        return out;
    }
    const qint64 headerSize = u32(dib, 0);
    const qint64 dibW = qint32(u32(dib, 4));
    const qint64 dibH2 = qint32(u32(dib, 8));
    const quint16 bpp = u16(dib, 14);
    const qint64 coloursUsed = u32(dib, 32);
    if (headerSize < kInfoHeaderSize || headerSize > size) return out;
    if (dibW < 1 || dibW > 256 || dibH2 < 2 || dibH2 > 512 || dibH2 % 2 != 0) return out;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return out;
    const qint64 dibH = dibH2 / 2;
    const qint64 palette = bpp <= 8 ? (coloursUsed > 0 && coloursUsed < (1 << bpp) ? coloursUsed : (1 << bpp)) * 4 : 0;
    const qint64 colourStride = (dibW * bpp + 31) / 32 * 4;
    const qint64 maskStride = (dibW + 31) / 32 * 4;
    // The header promises a colour image and an AND mask of dibH rows each.
    if (headerSize + palette + colourStride * dibH + maskStride * dibH > size) return out;

    if (bpp != 32 || dibW != w || dibH != h) {
        // Other depths: let Qt's icon reader decode it as an icon.
        QByteArray ico = bytes;
        ico[2] = 1;
        ico[3] = 0;
        ico[4] = 1;  // only the entry checked above
        ico[5] = 0;
        out.image = QImage::fromData(ico, "ICO");
        out.valid = !out.image.isNull();
        return out;
    }
    out.image = QImage(w, h, QImage::Format_ARGB32);
    const char *colour = dib.constData() + headerSize;
    const char *mask = colour + colourStride * h;
    bool anyAlpha = false;
    for (qint64 i = 0; i < qint64(w) * h; ++i) anyAlpha |= quint8(colour[i * 4 + 3]) != 0;
    for (int y = 0; y < h; ++y) {
        const int srcRow = h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const char *p = colour + (qint64(srcRow) * w + x) * 4;
            int a = quint8(p[3]);
            if (!anyAlpha) {
                const bool transparent = (quint8(mask[srcRow * maskStride + x / 8]) >> (7 - x % 8)) & 1;
                a = transparent ? 0 : 255;
            }
            out.image.setPixel(x, y, qRgba(quint8(p[2]), quint8(p[1]), quint8(p[0]), a));
        }
    }
    out.valid = !out.image.isNull();
    return out;
}

QCursor loadCursorFile(const QString &dataPath, bool *ok) {
    QFile f(nativePath(dataPath));
    CursorImage c;
    if (f.open(QIODevice::ReadOnly)) c = parseCursorFile(f.readAll());
    if (ok) *ok = c.valid;
    if (!c.valid) return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(c.image), c.hotSpot.x(), c.hotSpot.y());
}

QByteArray encodeCursorFile(const QImage &source, QPoint hotSpot) {
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray dib;
    put32(dib, 40);
    put32(dib, quint32(w));
    put32(dib, quint32(2 * h));
    put16(dib, 1);
    put16(dib, 32);
    put32(dib, 0);
    put32(dib, quint32(w * h * 4 + maskStride * h));
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = img.pixel(x, y);
            const char px[4] = {char(qBlue(p)), char(qGreen(p)), char(qRed(p)), char(qAlpha(p))};
            dib.append(px, 4);
        }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(img.pixel(x, y)) == 0) row[x / 8] = char(quint8(row[x / 8]) | (0x80 >> (x % 8)));
        dib.append(row);
    }
    QByteArray out;
    put16(out, 0);
    put16(out, 2);
    put16(out, 1);
    out.append(char(w >= 256 ? 0 : w));
    out.append(char(h >= 256 ? 0 : h));
    out.append('\0');
    out.append('\0');
    put16(out, quint16(hotSpot.x()));
    put16(out, quint16(hotSpot.y()));
    put32(out, quint32(dib.size()));
    put32(out, 22);
    out.append(dib);
    return out;
}

}  // namespace platform
