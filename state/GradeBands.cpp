#include "state/GradeBands.h"

#include "platform/codec.h"

#include <cmath>

namespace Misc {

namespace {
int leadingNumber(const QString &field) {
    // The leading decimal number of the field (like Val): blanks skipped,
    // optional sign, digits, optional fraction.
    const QString t = field.trimmed();
    int i = 0;
    QString num;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) num += t[i++];
    while (i < t.size() && (t[i].isDigit() || t[i] == QLatin1Char('.'))) {
        if (t[i] == QLatin1Char('.') && num.contains(QLatin1Char('.'))) break;
        num += t[i++];
    }
    bool ok = false;
    const double v = num.toDouble(&ok);
    if (!ok) return 0;
    const long r = std::lround(v);
    return int(((r % 256) + 256) % 256);  // a byte keeps the low eight bits
}
}  // namespace

GradeBand parseGradeLine(const QString &line) {
    QString fields[3];
    int counter = 1;
    for (QChar c : line) {
        if (c == QLatin1Char('|')) ++counter;
        else if (counter <= 3) fields[counter - 1] += c;
    }
    return GradeBand{std::uint8_t(leadingNumber(fields[0])), std::uint8_t(leadingNumber(fields[1])),
                     std::uint8_t(leadingNumber(fields[2]))};
}

std::array<GradeBand, 6> parseGradeBands(const QByteArray &bytes, const std::array<GradeBand, 6> &previous) {
    std::array<GradeBand, 6> table = previous;
    const QStringList lines = platform::splitLines(platform::decode1250(bytes));
    for (int n = 1; n <= 5 && n <= lines.size(); ++n) table[std::size_t(n)] = parseGradeLine(lines.at(n - 1));
    return table;
}

}  // namespace Misc
