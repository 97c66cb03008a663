#include "content/ContentCheck.h"

#include "platform/codec.h"

namespace content {

namespace {

bool continuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// Characters a UTF-8 course text brings in above ASCII: Latin letters with
// accents (Czech among them), typographic punctuation, the euro and trade
// marks. Windows-1250 bytes that happen to form a valid UTF-8 sequence
// ("déšť" is E9 9A 9D, a CJK character) decode to something else.
bool plausibleTextChar(char32_t c) {
    return (c >= 0x80 && c <= 0x2FF) || (c >= 0x2000 && c <= 0x206F) || c == 0x20AC || c == 0x2122;
}

// "část" after a number: 1 část, 2 ... 4 části, otherwise částí.
QString partsWord(int n) {
    if (n == 1) return QStringLiteral("část");
    if (n >= 2 && n <= 4) return QStringLiteral("části");
    return QStringLiteral("částí");
}

}  // namespace

bool LooksLikeUtf8(const QByteArray &bytes) {
    int sequences = 0;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int more = 0;
        unsigned char low = 0x80, high = 0xBF;  // range of the second byte
        char32_t value = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            more = 1;
            value = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            value = b & 0x0F;
            if (b == 0xE0) low = 0xA0;   // no overlong forms
            if (b == 0xED) high = 0x9F;  // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            more = 3;
            value = b & 0x07;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (i + more >= n) return false;  // the sequence is cut off
        if (p[i + 1] < low || p[i + 1] > high) return false;
        for (int k = 2; k <= more; ++k)
            if (!continuation(p[i + k])) return false;
        for (int k = 1; k <= more; ++k) value = (value << 6) | (p[i + k] & 0x3F);
        if (!plausibleTextChar(value)) return false;
        ++sequences;
        i += more + 1;
    }
    return sequences > 0;
}

QString EncodingFault(const QString &line) {
    // UTF-8 first: its byte pairs may also hold bytes that Windows-1250
    // leaves undefined, and the encoding is what the author needs to fix.
    if (LooksLikeUtf8(platform::encode1250(line)))
        return QStringLiteral("je uložený v kódování UTF-8 místo ve Windows-1250 (místo písmen s háčky a čárkami "
                              "by se ukázaly nesmysly)");
    for (QChar c : line) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t') || u == 0x7F) return QStringLiteral("obsahuje řídicí znaky");
        // The bytes Windows-1250 leaves undefined decode to C1 control codes.
        if (u >= 0x80 && u <= 0x9F) return QStringLiteral("obsahuje bajty, které ve Windows-1250 nejsou žádným znakem");
    }
    return {};
}

int PartsOf(const QString &line, Layout layout) {
    const bool underscore = underscoreSeparates(layout);
    int parts = 1;
    for (QChar c : line)
        if (c == QLatin1Char('#') || (underscore && c == QLatin1Char('_'))) ++parts;
    return parts;
}

int ExpectedParts(Layout layout, int exercise) {
    int used = 0;
    const auto fields = fieldsOfParts(layout, exercise);
    for (std::size_t k = 0; k < fields.size(); ++k)
        if (fields[k] >= 0) used = int(k) + 1;
    return used;
}

std::optional<LineFault> FindBadContentLine(const QStringList &lines, Layout layout, int exercise) {
    const int expected = ExpectedParts(layout, exercise);
    const QString separators =
        underscoreSeparates(layout) ? QStringLiteral("znaky # a _") : QStringLiteral("znakem #");
    for (int i = 0; i < lines.size() && i < Misc::kMaxRecords; ++i) {
        const QString &line = lines.at(i);
        const int n = i + 1;
        if (const QString fault = EncodingFault(line); !fault.isEmpty()) return LineFault{n, fault};
        if (line.size() > kMaxLineLength)
            return LineFault{n, QStringLiteral("je delší než %1 znaků").arg(kMaxLineLength)};
        if (line.trimmed().isEmpty()) return LineFault{n, QStringLiteral("je prázdný")};
        const int parts = PartsOf(line, layout);
        if (parts != expected)
            return LineFault{n, QStringLiteral("se dělí %1 na %2 %3 místo na %4")
                                    .arg(separators)
                                    .arg(parts)
                                    .arg(partsWord(parts))
                                    .arg(expected)};
    }
    return std::nullopt;
}

}  // namespace content
