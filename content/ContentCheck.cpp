#include "content/ContentCheck.h"

#include "platform/codec.h"

namespace content {

namespace {

// "část" after a number: 1 část, 2 ... 4 části, otherwise částí.
QString partsWord(int n) {
    if (n == 1) return QStringLiteral("část");
    if (n >= 2 && n <= 4) return QStringLiteral("části");
    return QStringLiteral("částí");
}

}  // namespace

QString encodingFault(const QString &line) {
    // UTF-8 first: its byte pairs may also hold bytes that Windows-1250
    // leaves undefined, and the encoding is what the author needs to fix.
    if (platform::looksLikeUtf8(platform::encode1250(line)))
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

int partsOf(const QString &line, Layout layout) {
    const bool underscore = underscoreSeparates(layout);
    int parts = 1;
    for (QChar c : line)
        if (c == QLatin1Char('#') || (underscore && c == QLatin1Char('_'))) ++parts;
    return parts;
}

int expectedParts(Layout layout, int exercise) {
    int used = 0;
    const auto fields = fieldsOfParts(layout, exercise);
    for (std::size_t k = 0; k < fields.size(); ++k)
        if (fields[k] >= 0) used = int(k) + 1;
    return used;
}

std::optional<LineFault> findBadContentLine(const QStringList &lines, Layout layout, int exercise) {
    const int expected = expectedParts(layout, exercise);
    const QString separators =
        underscoreSeparates(layout) ? QStringLiteral("znaky # a _") : QStringLiteral("znakem #");
    for (int i = 0; i < lines.size() && i < Misc::kMaxRecords; ++i) {
        const QString &line = lines.at(i);
        const int n = i + 1;
        if (const QString fault = encodingFault(line); !fault.isEmpty()) return LineFault{n, fault};
        if (line.size() > kMaxLineLength)
            return LineFault{n, QStringLiteral("je delší než %1 znaků").arg(kMaxLineLength)};
        if (line.trimmed().isEmpty()) return LineFault{n, QStringLiteral("je prázdný")};
        const int parts = partsOf(line, layout);
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
