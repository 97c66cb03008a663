#include "exercise/PageDraw.h"

#include "app/Misc.h"

#include <QTime>

#include <algorithm>
#include <memory>
#include <random>

namespace exercise {

bool DrawPageItems(std::array<int, 61> &drawn, int recordCount, int itemsOnPage, bool firstPage,
                   const RandomSource &random) {
    if (firstPage) {
        std::fill(drawn.begin() + 1, drawn.end(), 0);
    } else {
        for (int i = 50; i >= 1; --i) {
            drawn[std::size_t(i + 10)] = drawn[std::size_t(i)];
            drawn[std::size_t(i)] = 0;
        }
    }
    itemsOnPage = std::clamp(itemsOnPage, 0, 10);
    for (int row = 1; row <= itemsOnPage; ++row) {
        auto used = [&](int n) { return std::find(drawn.begin() + 1, drawn.end(), n) != drawn.end(); };
        // Count the records still free first, so an exhausted file cannot
        // keep the loop below drawing for ever.
        int free = 0;
        for (int n = 1; n <= recordCount; ++n)
            if (!used(n)) ++free;
        if (free == 0) return false;
        int n = 0;
        do {
            // Int(recordCount * r + 1) in single precision; a value of r that
            // rounds up to 1.0 in float would give recordCount + 1.
            const float r = float(random());
            n = std::min(int(float(recordCount) * r) + 1, recordCount);
        } while (used(n));
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
    return exercise::DrawPageItems(DrawnItems, recordCount, ItemsOnPage, ItemsRemaining == QuestionCount,
                                   exercise::clockSeededRandom());
}
}  // namespace Misc
