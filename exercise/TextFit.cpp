#include "exercise/TextFit.h"

#include "rules/ExerciseSpec.h"
#include "exercise/AnswerRules.h"
#include "exercise/TileRules.h"
#include "rules/HintRules.h"
#include "ui/fonts.h"

#include <QFontMetrics>

#include <algorithm>

namespace exercise {

namespace {

// A one-line row: where its text starts, where the space ends (4 pixels
// before the mark) and how wide the gap box is.
struct RowSpace {
    int left = 0;
    int right = 0;
    int box = 0;
};

RowSpace rowSpace(int e, const Misc::ContentRecord &rec, const Measure &measure) {
    const GapRowSpec &row = spec(e).gapRow;
    if (row.right == 0) return {};
    switch (row.width) {
    case GapWidth::Tiles: return {row.left, row.right, tileGapBoxWidth(e, measure)};
    case GapWidth::Fixed: return {row.left, row.right, row.pixels};
    case GapWidth::Answer: return {row.left, row.right, measure(rec.field[1]) + row.pixels};
    default: return {};
    }
}

QString quoted(const QString &s) { return QLatin1Char('"') + s + QLatin1Char('"'); }

}  // namespace

Measure screenMeasure() {
    const QFontMetrics metrics(ui::screenFont(12.0));
    return [metrics](const QString &text) { return metrics.horizontalAdvance(text); };
}

int boxWidthFor(const QString &text, const Measure &measure) { return measure(text) + kBoxChrome; }

int tileGapBoxWidth(int e, const Measure &measure) {
    const GapRowSpec &row = spec(e).gapRow;
    int width = row.width == GapWidth::Tiles ? row.pixels : 50;
    for (int k = 1; k <= 12; ++k) {
        const QString word = fixedTileWord(e, k);
        if (word.isEmpty()) continue;
        width = std::max({width, boxWidthFor(word, measure), boxWidthFor(withCapital(word), measure)});
    }
    return width;
}

ListeningPlacement placeListeningSentence(const QString &before, const QString &answer, const QString &after,
                                          const Measure &measure) {
    ListeningPlacement p;
    p.boxWidth = measure(answer) + 6;
    const int wb = measure(before);
    const int wa = measure(after);
    const int w = kListeningTextWidth;
    if (wb + p.boxWidth + wa <= w) {
        p.fits = true;
        p.box = {wb, 0};
        p.after = {wb + p.boxWidth, 0};
        return p;
    }
    p.lines = 2;
    p.before = {0, kListeningFirstLine};
    if (wb <= w && p.boxWidth + wa <= w) {
        p.fits = true;
        p.box = {0, kListeningSecondLine};
        p.after = {p.boxWidth, kListeningSecondLine};
    } else {
        // Box on the first line, the text after it on the second; also the
        // place shown when nothing fits (the checker reports it).
        p.fits = wb + p.boxWidth <= w && wa <= w;
        p.box = {wb, kListeningFirstLine};
        p.after = {0, kListeningSecondLine};
    }
    return p;
}

QStringList widthFaults(int e, const Misc::ContentRecord &rec, const Measure &measure) {
    QStringList faults;
    const auto &f = rec.field;
    if (exercise::isListeningGrid(e)) {
        if (!placeListeningSentence(f[0], f[1], f[2], measure).fits)
            faults << QStringLiteral("věta %1 se nevejde na svou kartu v mřížce poslechu ani na dva "
                                     "řádky (%2 pixelů na řádek).")
                          .arg(quoted(f[0] + f[1] + f[2]))
                          .arg(kListeningTextWidth);
    } else if (const RowSpace row = rowSpace(e, rec, measure); row.right > 0) {
        const int width = measure(f[0]) + row.box + measure(f[2]);
        if (row.left + width > row.right)
            faults << QStringLiteral("věta %1 je i s polem široká %2 pixelů a zasahuje pod značku (vejde se %3 "
                                     "pixelů).")
                          .arg(quoted(f[0] + f[1] + f[2]))
                          .arg(width)
                          .arg(row.right - row.left);
    }
    if (!exercise::isWordLists(e)) {
        const answers::HintText hintText = answers::answerHint(e, rec, exercise::isClocks(e) ? f[8] : f[6], f[7]);
        const hint::Layout layout = hint::layoutFor(e);
        for (const QString &line : {hintText.line1, hintText.line2})
            if (hintText.shown && hint::hintNeededWidth(line, 8.25) > layout.lineWidth)
                faults << QStringLiteral("nápověda %1 je i nejmenším písmem širší než okno nápovědy (%2 "
                                         "pixelů).")
                              .arg(quoted(line))
                              .arg(layout.lineWidth);
    }
    return faults;
}

}  // namespace exercise
