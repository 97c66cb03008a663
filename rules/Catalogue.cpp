#include "rules/Catalogue.h"

#include <algorithm>

namespace exercise {

PageGroup pageGroupOf(int n) {
    const int rows = spec(n).rowsPerPage;
    return rows == 5 ? PageGroup::Five : rows == 2 ? PageGroup::Two : PageGroup::Ten;
}

int itemsOnFirstPage(int n, int questionCount) {
    return spec(n).number ? std::min(questionCount, spec(n).rowsPerPage) : std::min(questionCount, 10);
}

QString backgroundOf(int n, int itemsOnPage) {
    const QString nn = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    // A page of five rows has one background; the others have a second
    // one for a shorter last page.
    const int rows = spec(n).number ? spec(n).rowsPerPage : 10;
    const bool full = rows == 5 || itemsOnPage >= rows;
    return QStringLiteral("Bitmap\\Games\\%1_bckg%2.bmp").arg(nn, full ? QString() : QStringLiteral("5"));
}

int rowStepOf(int n) { return spec(n).rowStep; }

QPoint listeningGridOffset(int i) {
    if (i <= 3) return {(i - 1) * 202, 0};
    if (i <= 5) return {(i - 4) * 202 + 101, 85};
    if (i <= 8) return {(i - 6) * 202, 170};
    return {(i - 9) * 202 + 101, 255};
}

bool tileUsed(int n, int k) { return k >= 1 && k <= 12 && k <= spec(n).tiles.count; }

QPoint designTilePlace(int k) {
    static const QPoint places[13] = {{0, 0},     {213, 436}, {293, 436}, {373, 436}, {440, 384}, {496, 384}, {552, 384},
                                      {272, 408}, {328, 408}, {384, 408}, {440, 408}, {496, 408}, {552, 408}};
    return (k >= 1 && k <= 12) ? places[k] : QPoint();
}

QPoint tilePlace(int n, int k) {
    switch (spec(n).tiles.places) {
    case TilePlaces::Grid: {
        const int r = (k - 1) / 6 + 1, c = (k - 1) % 6 + 1;
        return {131 + 66 * (c - 1), 421 + 30 * (r - 1)};
    }
    case TilePlaces::ClockColumn: return {17, 112 + 35 * (k - 1)};
    case TilePlaces::TopicColumn: return {441, 123 + 32 * (k - 1)};
    case TilePlaces::Design: break;
    }
    return designTilePlace(k);
}

int tileWidth(int n) { return spec(n).tiles.width; }

QPolygon tileOutline(int w) {
    return QPolygon({QPoint(0, 7), QPoint(1, 5), QPoint(5, 1), QPoint(7, 0), QPoint(w - 7, 0), QPoint(w - 5, 1),
                     QPoint(w - 1, 5), QPoint(w, 8), QPoint(w, 11), QPoint(w - 1, 14), QPoint(w - 5, 18),
                     QPoint(w - 8, 20), QPoint(7, 19), QPoint(5, 18), QPoint(1, 14), QPoint(0, 12)});
}

bool inHelpArea(int x, int y) { return x > 6 && x < 232 && y > 6 && y < 72; }

FocusRule focusRuleOf(int n) { return spec(n).focus; }

int listOptionCountOf(int n) { return spec(n).listOptions; }

int recordsDrawnByRun(int n, int questionCount, int itemsOnPage) {
    switch (spec(n).family) {
    case Family::WordLists: return 30;  // every list of a run is drawn at once
    case Family::Clocks: return 2 * itemsOnPage;  // two phrases per clock
    default: return questionCount;
    }
}

int recordsNeeded(int n, int questionCount, int itemsOnPage) {
    return recordsDrawnByRun(n, questionCount, itemsOnPage) + 1;
}

QString contentFileOf(int n) { return QStringLiteral("%1.dat").arg(n); }

}  // namespace exercise
