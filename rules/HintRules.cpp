#include "rules/HintRules.h"

#include "rules/ExerciseSpec.h"
#include "ui/fonts.h"

#include <QFontMetricsF>

#include <array>

namespace hint {

Layout layoutFor(int exercise) {
    switch (exercise::spec(exercise).bubble) {
    case exercise::HintBubble::Short: return {QStringLiteral("Bitmap\\Games\\Hint_2.bmp"), 212, 37, 1, 190};
    case exercise::HintBubble::TwoLines: return {QStringLiteral("Bitmap\\Games\\Hint_4.bmp"), 605, 57, 2, 550};
    case exercise::HintBubble::List: return {QStringLiteral("Bitmap\\Games\\Hint_5.bmp"), 531, 57, 2, 480};
    case exercise::HintBubble::Tile: return {QStringLiteral("Bitmap\\Games\\Hint_6.bmp"), 250, 37, 1, 225};
    case exercise::HintBubble::Wide: break;
    }
    return {QStringLiteral("Bitmap\\Games\\Hint_3.bmp"), 531, 37, 1, 490};
}

double smallerFontSize(double points) {
    static constexpr std::array<double, 6> kSizes{8.25, 9.75, 12.0, 13.5, 18.0, 24.0};
    const double wanted = points - 1.0;
    double best = kSizes.front();
    for (double s : kSizes)
        if (s <= wanted + 1e-9) best = s;
    return best;
}

int lineTop(double points, int baseTop) {
    if (qFuzzyCompare(points, 9.75)) return baseTop + 2;
    if (qFuzzyCompare(points, 8.25)) return baseTop + 3;
    return baseTop;
}

Fit fitHintLine(double points, int baseTop, int lineWidth, const std::function<double(double)> &neededWidth) {
    double p = points;
    while (neededWidth(p) > lineWidth) {
        const double smaller = smallerFontSize(p);
        if (smaller >= p) break;  // already the smallest size the font has
        p = smaller;
    }
    return {p, lineTop(p, baseTop)};
}

double hintNeededWidth(const QString &text, double points) {
    static const QFont measureFont = ui::screenFont(8.0);
    return points / 8.0 * QFontMetricsF(measureFont).horizontalAdvance(text);
}

}  // namespace hint
