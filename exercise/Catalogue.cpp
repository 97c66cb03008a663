#include "exercise/Catalogue.h"

#include <algorithm>

namespace exercise {

PageGroup pageGroupOf(int n) {
    switch (n) {
    case 2: case 4: case 11: case 13: case 14: case 19: return PageGroup::Five;
    case 18: return PageGroup::Two;
    default: return PageGroup::Ten;
    }
}

int itemsOnFirstPage(int n, int questionCount) {
    switch (pageGroupOf(n)) {
    case PageGroup::Ten: return std::min(questionCount, 10);
    case PageGroup::Five: return std::min(questionCount, 5);
    case PageGroup::Two: return std::min(questionCount, 2);
    }
    return questionCount;
}

QString backgroundOf(int n, int itemsOnPage) {
    const QString nn = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    bool full = true;
    switch (pageGroupOf(n)) {
    case PageGroup::Ten: full = itemsOnPage >= 10; break;
    case PageGroup::Five: full = true; break;
    case PageGroup::Two: full = itemsOnPage >= 2; break;
    }
    return QStringLiteral("Bitmap\\Games\\%1_bckg%2.bmp").arg(nn, full ? QString() : QStringLiteral("5"));
}

int rowStepOf(int n) {
    switch (n) {
    case 1: case 5: case 6: return 33;
    case 2: case 4: case 11: return 66;
    case 3: case 21: return 32;
    case 7: case 8: case 10: case 12: case 9: case 20: case 15: case 16: case 17: case 24: return 35;
    case 13: return 65;
    case 14: return 70;
    case 19: return 73;
    default: return 0;
    }
}

QPoint listeningGridOffset(int i) {
    if (i <= 3) return {(i - 1) * 202, 0};
    if (i <= 5) return {(i - 4) * 202 + 101, 85};
    if (i <= 8) return {(i - 6) * 202, 170};
    return {(i - 9) * 202 + 101, 255};
}

bool tileUsed(int n, int k) {
    if (k < 1 || k > 12) return false;
    switch (n) {
    case 1: return k <= 3;
    case 5: case 6: return true;
    case 19: case 21: return k <= 10;
    default: return false;
    }
}

QPoint designTilePlace(int k) {
    static const QPoint places[13] = {{0, 0},     {213, 436}, {293, 436}, {373, 436}, {440, 384}, {496, 384}, {552, 384},
                                      {272, 408}, {328, 408}, {384, 408}, {440, 408}, {496, 408}, {552, 408}};
    return (k >= 1 && k <= 12) ? places[k] : QPoint();
}

QPoint tilePlace(int n, int k) {
    switch (n) {
    case 5: case 6: {
        const int r = (k - 1) / 6 + 1, c = (k - 1) % 6 + 1;
        return {131 + 66 * (c - 1), 421 + 30 * (r - 1)};
    }
    case 19: return {17, 112 + 35 * (k - 1)};
    case 21: return {441, 123 + 32 * (k - 1)};
    default: return designTilePlace(k);
    }
}

int tileWidth(int n) {
    if (n == 19) return 238;
    if (n == 21) return 160;
    return 50;
}

QPolygon tileOutline(int w) {
    return QPolygon({QPoint(0, 7), QPoint(1, 5), QPoint(5, 1), QPoint(7, 0), QPoint(w - 7, 0), QPoint(w - 5, 1),
                     QPoint(w - 1, 5), QPoint(w, 8), QPoint(w, 11), QPoint(w - 1, 14), QPoint(w - 5, 18),
                     QPoint(w - 8, 20), QPoint(7, 19), QPoint(5, 18), QPoint(1, 14), QPoint(0, 12)});
}

bool inHelpArea(int x, int y) { return x > 6 && x < 232 && y > 6 && y < 72; }

FocusRule focusRuleOf(int n) {
    switch (n) {
    // The typed exercises: the pupil can type at once.
    case 3: case 9: case 13: case 14: case 15: case 16: case 17: case 20: case 22: case 23: case 24:
        return FocusRule::FirstAnswerWhileUnchecked;
    default: return FocusRule::HiddenBox;
    }
}

int listOptionCountOf(int n) {
    switch (n) {
    case 7: case 10: return 3;
    case 8: case 12: return 4;
    default: return 0;
    }
}

int recordsDrawnByRun(int n, int questionCount, int itemsOnPage) {
    if (n == 18) return 30;
    if (n == 19) return 2 * itemsOnPage;
    return questionCount;
}

int recordsNeeded(int n, int questionCount, int itemsOnPage) {
    return recordsDrawnByRun(n, questionCount, itemsOnPage) + 1;
}

QString contentFileOf(int n) { return QStringLiteral("%1.dat").arg(n); }

}  // namespace exercise
