#include "platform/codec.h"

#include <QFile>

#include <array>

namespace platform {

namespace {

// Code points of bytes 0x80..0xFF in Windows-1250. Undefined bytes keep their
// own value so that a round trip never loses data.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

int byteFor(char16_t c) {
    if (c < 0x80) return c;
    for (int i = 0; i < 128; ++i)
        if (kHigh[i] == c) return 0x80 + i;
    return -1;
}

}  // namespace

QString decode1250(const QByteArray &bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t *to = reinterpret_cast<char16_t *>(out.data());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *to++ = b < 0x80 ? char16_t(b) : kHigh[b - 0x80];
    }
    return out;
}

QByteArray encode1250(const QString &text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = byteFor(c.unicode());
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

bool representableIn1250(const QString &text) {
    for (QChar c : text)
        if (byteFor(c.unicode()) < 0) return false;
    return true;
}

bool looksLikeUtf8(const QByteArray &bytes) {
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    bool textual = false;
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int len = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (b >= 0xC2 && b <= 0xDF) len = 2, cp = b & 0x1F, min = 0x80;
        else if (b >= 0xE0 && b <= 0xEF) len = 3, cp = b & 0x0F, min = 0x800;
        else if (b >= 0xF0 && b <= 0xF4) len = 4, cp = b & 0x07, min = 0x10000;
        else return false;  // a continuation byte or a byte UTF-8 never uses
        if (n - i < len) return false;
        for (int k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        textual |= (cp >= 0xA0 && cp <= 0x17F) || (cp >= 0x2000 && cp <= 0x206F) || cp == 0x20AC;
        i += len;
    }
    return textual;
}

QStringList splitLines(const QString &text) {
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype nl = text.indexOf(QLatin1Char('\n'), start);
        if (nl < 0) {
            lines.append(text.mid(start));
            break;
        }
        qsizetype end = nl;
        if (end > start && text.at(end - 1) == QLatin1Char('\r')) --end;
        lines.append(text.mid(start, end - start));
        start = nl + 1;
    }
    return lines;
}

QString joinLinesCrLf(const QStringList &lines) {
    QString out;
    for (const QString &l : lines) {
        out += l;
        out += QStringLiteral("\r\n");
    }
    return out;
}

QStringList readTextLines(const QString &nativePath, bool *ok) {
    QFile f(nativePath);
    if (!f.open(QIODevice::ReadOnly)) {
        if (ok) *ok = false;
        return {};
    }
    if (ok) *ok = true;
    return splitLines(decode1250(f.readAll()));
}

bool forEachTextLine(const QString &nativePath, const std::function<void(const QString &)> &onLine) {
    QFile f(nativePath);
    if (!f.open(QIODevice::ReadOnly)) return false;
    constexpr qint64 kChunk = 1 << 20;
    QByteArray buffer;
    qsizetype start = 0;
    const auto take = [&](qsizetype from, qsizetype end) {
        if (end > from && buffer.at(end - 1) == '\r') --end;
        onLine(decode1250(QByteArray::fromRawData(buffer.constData() + from, end - from)));
    };
    for (;;) {
        const QByteArray chunk = f.read(kChunk);
        if (chunk.isEmpty()) {
            if (f.error() != QFileDevice::NoError) return false;
            break;
        }
        buffer = buffer.mid(start) + chunk;
        start = 0;
        for (qsizetype nl; (nl = buffer.indexOf('\n', start)) >= 0; start = nl + 1) take(start, nl);
    }
    // A last line without its line end (a lone CR stays part of it, as in splitLines).
    if (start < buffer.size()) {
        QByteArray rest = buffer.mid(start);
        onLine(decode1250(rest));
    }
    return true;
}

}  // namespace platform
