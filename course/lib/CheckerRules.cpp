#include "course/lib/CheckerRules.h"

#include "exercise/TileRules.h"
#include "rules/ExerciseSpec.h"
#include "ui/fonts.h"

#include <QFont>
#include <QFontMetricsF>

#include <cmath>

namespace course::rules {

QStringList tileWords(int exercise) {
    QStringList words;
    const exercise::TileSpec &tiles = exercise::spec(exercise).tiles;
    for (int k = 1; tiles.endless && k <= tiles.count; ++k) words << exercise::fixedTileWord(exercise, k);
    return words;
}

QString droppedTileWord(const QString &word, const QString &textBefore) {
    return exercise::startsSentence(textBefore) ? exercise::withUpperAt(word, 0) : word;
}

bool answerReachableWithTiles(int exercise, const QString &answer, const QString &textBefore) {
    for (const QString &w : tileWords(exercise))
        if (droppedTileWord(w, textBefore) == answer) return true;
    return false;
}

QString spacingFault(const QString &answer) {
    if (answer.startsWith(QLatin1Char(' '))) return QStringLiteral("začíná mezerou");
    if (answer.endsWith(QLatin1Char(' '))) return QStringLiteral("končí mezerou");
    if (answer.contains(QLatin1String("  "))) return QStringLiteral("má dvě mezery za sebou");
    return {};
}

bool typeableOnUsKeyboard(const QString &text) {
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) return false;
    return true;
}

namespace {

const char *const kHourWords[] = {"twelve", "one", "two",   "three", "four",   "five",
                                  "six",    "seven", "eight", "nine", "ten", "eleven"};

QStringList minuteWords(int m) {
    switch (m) {
    case 5: return {QStringLiteral("five")};
    case 10: return {QStringLiteral("ten")};
    case 15: return {QStringLiteral("a quarter"), QStringLiteral("quarter")};
    case 20: return {QStringLiteral("twenty")};
    case 25: return {QStringLiteral("twenty-five"), QStringLiteral("twenty five")};
    case 30: return {QStringLiteral("half")};
    }
    return {};
}

QStringList digitalMinutes(int m) {
    switch (m) {
    case 5: return {QStringLiteral("oh five"), QStringLiteral("o five")};
    case 10: return {QStringLiteral("ten")};
    case 15: return {QStringLiteral("fifteen")};
    case 20: return {QStringLiteral("twenty")};
    case 25: return {QStringLiteral("twenty-five"), QStringLiteral("twenty five")};
    case 30: return {QStringLiteral("thirty")};
    case 35: return {QStringLiteral("thirty-five"), QStringLiteral("thirty five")};
    case 40: return {QStringLiteral("forty")};
    case 45: return {QStringLiteral("forty-five"), QStringLiteral("forty five")};
    case 50: return {QStringLiteral("fifty")};
    case 55: return {QStringLiteral("fifty-five"), QStringLiteral("fifty five")};
    }
    return {};
}

}  // namespace

QStringList clockPhrases(int hours, int minutes) {
    if (hours < 0 || hours > 24 || minutes < 0 || minutes > 59 || minutes % 5 != 0) return {};
    const QString hour = QLatin1String(kHourWords[hours % 12]);
    const QString next = QLatin1String(kHourWords[(hours + 1) % 12]);
    QStringList phrases;
    if (minutes == 0) {
        phrases << hour + QStringLiteral(" o'clock");
        if (hours % 24 == 0) phrases << QStringLiteral("midnight");
        if (hours == 12) phrases << QStringLiteral("noon") << QStringLiteral("midday");
        return phrases;
    }
    if (minutes <= 30)
        for (const QString &w : minuteWords(minutes)) phrases << w + QStringLiteral(" past ") + hour;
    else
        for (const QString &w : minuteWords(60 - minutes)) phrases << w + QStringLiteral(" to ") + next;
    for (const QString &w : digitalMinutes(minutes)) phrases << hour + QLatin1Char(' ') + w;
    return phrases;
}

MeasureMm printedWidth(double points, bool bold, bool italic) {
    // Measured at 1200 dots per inch so that the hinting of small sizes does
    // not change the result; converted to millimetres on paper.
    constexpr double kDpi = 1200.0;
    QFont font(ui::screenFontFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(std::lround(points * kDpi / 72.0)));
    font.setBold(bold);
    font.setItalic(italic);
    const QFontMetricsF metrics(font);
    return [metrics](const QString &text) { return metrics.horizontalAdvance(text) * 25.4 / kDpi; };
}

int wrappedLineCount(const QString &text, double maxWidthMm, const MeasureMm &measure) {
    int lines = 0;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '))) {
        if (word.isEmpty()) continue;
        if (measure(word + QLatin1Char(' ')) > maxWidthMm) return -1;
        const QString tentative = line + word + QLatin1Char(' ');
        if (line.isEmpty() || measure(tentative) <= maxWidthMm) {
            if (line.isEmpty()) ++lines;
            line = tentative;
        } else {
            ++lines;
            line = word + QLatin1Char(' ');
        }
    }
    return lines;
}

double instructionLineWidthMm() { return 190.0 * 200.0 / 210.0; }

}  // namespace course::rules
