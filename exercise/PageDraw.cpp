#include "exercise/PageDraw.h"

#include "state/Misc.h"

#include <QTime>

#include <algorithm>
#include <memory>
#include <random>

namespace exercise {

bool DrawPageItems(std::array<int, 61> &drawn, int recordCount, int itemsOnPage, bool firstPage,
                   const RandomSource &random, const std::vector<int> &checked) {
    if (firstPage) {
        std::fill(drawn.begin() + 1, drawn.end(), 0);
    } else {
        for (int i = 50; i >= 1; --i) {
            drawn[std::size_t(i + 10)] = drawn[std::size_t(i)];
            drawn[std::size_t(i)] = 0;
        }
    }
    itemsOnPage = std::clamp(itemsOnPage, 0, 10);
    auto isChecked = [&](int n) { return std::find(checked.begin(), checked.end(), n) != checked.end(); };
    for (int row = 1; row <= itemsOnPage; ++row) {
        auto inHistory = [&](int n) { return std::find(drawn.begin() + 1, drawn.end(), n) != drawn.end(); };
        auto onPage = [&](int n) { return std::find(drawn.begin() + 1, drawn.begin() + row, n) != drawn.begin() + row; };
        // Count the records still free first, so an exhausted file cannot
        // keep the loop below drawing for ever. Unseen records come first;
        // after them, any record not checked and not on this page.
        int unseen = 0, unchecked = 0;
        for (int n = 1; n <= recordCount; ++n) {
            if (isChecked(n) || onPage(n)) continue;
            ++unchecked;
            if (!inHistory(n)) ++unseen;
        }
        if (unchecked == 0) return false;
        auto taken = [&](int n) { return isChecked(n) || onPage(n) || (unseen > 0 && inHistory(n)); };
        int n = 0;
        do {
            // Int(recordCount * r + 1) in single precision; a value of r that
            // rounds up to 1.0 in float would give recordCount + 1.
            const float r = float(random());
            n = std::min(int(float(recordCount) * r) + 1, recordCount);
        } while (taken(n));
        drawn[std::size_t(row)] = n;
    }
    return true;
}

RandomSource clockSeededRandom() {
    auto engine = std::make_shared<std::mt19937>(unsigned(QTime::currentTime().msecsSinceStartOfDay()));
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

}  // namespace exercise

namespace Misc {
bool DrawPageItems(int recordCount) {
    const bool firstPage = ItemsRemaining == QuestionCount;
    if (firstPage) CheckedItems.clear();
    return exercise::DrawPageItems(DrawnItems, recordCount, ItemsOnPage, firstPage, exercise::clockSeededRandom(),
                                   CheckedItems);
}

void noteCheckedPage() {
    for (int r = 1; r <= std::clamp(ItemsOnPage, 0, 10); ++r)
        if (DrawnItems[std::size_t(r)] != 0) CheckedItems.push_back(DrawnItems[std::size_t(r)]);
}
}  // namespace Misc
