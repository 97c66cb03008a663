#include "print/LayoutMath.h"

#include "rules/ExerciseSpec.h"
#include "rules/RunLengths.h"

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>

#include <cmath>
#include <numbers>

namespace print {

double pageX(double mm, double areaWidth) { return areaWidth / kPageWidthMm * mm; }
double pageY(double mm, double areaHeight) { return areaHeight / kPageHeightMm * mm; }

InstructionLines wrapInstructions(const QString &text, double maxWidth,
                                  const std::function<double(const QString &)> &measure) {
    InstructionLines lines;
    const QStringList words = text.split(QLatin1Char(' '));
    int line = 0;
    int used = 0;
    for (const QString &word : words) {
        if (word.isEmpty()) continue;
        if (++used > 600) break;
        const QString tentative = lines[std::size_t(line)] + word + QLatin1Char(' ');
        // A word that does not fit moves down, unless the line is still empty
        // (the word is wider than a whole line) or this is the last line.
        if (measure(tentative) > maxWidth && !lines[std::size_t(line)].isEmpty() && line < 4) {
            ++line;
            lines[std::size_t(line)] = word + QLatin1Char(' ');
        } else {
            lines[std::size_t(line)] = tentative;
        }
    }
    for (QString &l : lines) {
        while (l.endsWith(QLatin1Char(' '))) l.chop(1);
    }
    return lines;
}

QString elideToWidth(const QString &text, double maxWidth, const std::function<double(const QString &)> &measure) {
    if (measure(text) <= maxWidth) return text;
    const QString ellipsis(QChar(0x2026));
    // The widths of the beginnings grow with their length: search the
    // longest one that still fits.
    int lo = 0, hi = int(text.size()) - 1;
    auto candidate = [&](int n) {
        QString head = text.left(n);
        while (head.endsWith(QLatin1Char(' '))) head.chop(1);
        // Never split a surrogate pair.
        if (!head.isEmpty() && head.back().isHighSurrogate()) head.chop(1);
        return head + ellipsis;
    };
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (measure(candidate(mid)) <= maxWidth) lo = mid;
        else hi = mid - 1;
    }
    return candidate(lo);
}

double instructionLineY(int k) { return 25.0 + 5.0 * k; }

int itemAreaTop(const InstructionLines &lines) {
    int last = 0;
    for (int k = 1; k <= 5; ++k)
        if (!lines[std::size_t(k - 1)].isEmpty()) last = k;
    return 25 + 5 * last + 7;
}

namespace {

constexpr std::array<int, 5> kOnePage{1, 1, 1, 1, 1};
constexpr std::array<int, 5> kFifteenRows{1, 1, 2, 2, 2};

const std::array<WorksheetPlan, 22> kPlans{{
    {},
    {49, 50, 51, kOnePage, 30, 1},
    {49, 52, 53, kOnePage, 30, 1},
    {49, 54, 55, kOnePage, 30, 1},
    {49, 56, 57, kOnePage, 30, 1},
    {58, 59, 60, kOnePage, 30, 1},
    {58, 61, 62, kOnePage, 30, 1},
    {58, 63, 64, kFifteenRows, 15, 1},
    {65, 66, 67, kFifteenRows, 15, 1},
    {65, 68, 69, kOnePage, 30, 1},
    {65, 70, 71, kFifteenRows, 15, 1},
    {72, 73, 74, kOnePage, 30, 1},
    {72, 75, 76, kFifteenRows, 15, 1},
    {77, 78, 79, kFifteenRows, 15, 1},
    {77, 80, 81, kFifteenRows, 15, 1},
    {77, 82, 83, kOnePage, 30, 1},
    {77, 84, 85, kOnePage, 30, 1},
    {77, 86, 87, kOnePage, 30, 1},
    {77, 88, 89, {2, 3, 4, 5, 6}, 5, 1},
    {90, 91, 92, {1, 2, 2, 3, 3}, 2, 2},
    {90, 93, 94, kOnePage, 30, 1},
    {90, 95, 96, {1, 1, 1, 2, 2}, 4, 1},
}};

}  // namespace

const WorksheetPlan *worksheetPlan(int exercise) {
    if (::exercise::spec(exercise).worksheet == ::exercise::Worksheet::None) return nullptr;
    return &kPlans[std::size_t(exercise)];
}

int pagesForCount(const WorksheetPlan &plan, int questionCount) {
    const int k = exercise::runLengthIndex(questionCount);
    return k < 0 ? 0 : plan.pages[std::size_t(k)];
}

int roundHalfEven(double v) { return int(std::nearbyint(v)); }  // default rounding mode: to nearest even

ClockHands clockHands(int hours, int minutes, double cx, double cy) {
    constexpr double deg = std::numbers::pi / 180.0;
    const double a = (6.0 * minutes + 180.0) * deg;
    const double b = (30.0 * hours + 0.5 * minutes + 180.0) * deg;
    return {QPointF(cx - std::sin(a) * 8.0, cy + std::cos(a) * 8.0),
            QPointF(cx - std::sin(b) * 5.0, cy + std::cos(b) * 5.0)};
}

Uniform defaultUniform() {
    return [] { return QRandomGenerator::global()->generateDouble(); };
}

int drawOneToN(int n, const Uniform &r) {
    const int v = int(double(n) * r() + 1.0);
    return v > n ? n : v;  // guards a generator that returns 1.0
}

std::vector<int> shuffleSlots(int n, const Uniform &r) {
    std::vector<int> slotOf(std::size_t(std::max(n, 0)), 0);
    for (int i = 0; i < n; ++i) {
        int s = 0;
        do {
            s = drawOneToN(n, r);
        } while (std::find(slotOf.begin(), slotOf.end(), s) != slotOf.end());
        slotOf[std::size_t(i)] = s;
    }
    return slotOf;
}

std::vector<QString> shuffleIntoPlaces(const std::vector<QString> &options, const Uniform &r) {
    const std::vector<int> slotOf = shuffleSlots(int(options.size()), r);
    std::vector<QString> places(options.size());
    for (std::size_t k = 0; k < options.size(); ++k) places[std::size_t(slotOf[k] - 1)] = options[k];
    return places;
}

std::vector<int> drawDistinct(int count, int recordCount, const Uniform &r) {
    if (count < 0 || recordCount < count) return {};
    std::vector<int> drawn;
    drawn.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        int n = 0;
        do {
            n = drawOneToN(recordCount, r);
        } while (std::find(drawn.begin(), drawn.end(), n) != drawn.end());
        drawn.push_back(n);
    }
    return drawn;
}

std::vector<int> drawClockPositions(int n, int recordCount, const Uniform &r) {
    if (n < 0 || recordCount < n || recordCount < 10) return {};
    std::vector<int> drawn = drawDistinct(n, recordCount, r);
    for (int i = n; i < 2 * n; ++i) {
        const int blockStart = (i / 10) * 10;  // 0-based first position of the block
        int v = 0;
        bool clash = true;
        while (clash) {
            v = drawOneToN(recordCount, r);
            clash = std::find(drawn.begin() + n, drawn.end(), v) != drawn.end() ||
                    std::find(drawn.begin() + std::min(blockStart, n), drawn.begin() + n, v) != drawn.begin() + n;
        }
        drawn.push_back(v);
    }
    return drawn;
}

}  // namespace print
