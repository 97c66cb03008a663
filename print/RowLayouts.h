// What one row (or block) of a worksheet prints, per exercise, as plain
// data: text lines of up to three segments, circles and clock faces, all in
// millimetres on A4. The page painter turns them into ink.
#pragma once

#include "state/Misc.h"
#include "print/LayoutMath.h"

#include <QString>

#include <functional>
#include <vector>

namespace print {

// The blanks printed for the pupil to write on.
inline const QString B9 = QStringLiteral("_________");
inline const QString B15 = QStringLiteral("_______________");
inline const QString B20 = QStringLiteral("____________________");
inline const QString B32 = QStringLiteral("________________________________");
inline const QString B45 = QStringLiteral("_____________________________________________");
inline const QString B54 = QStringLiteral("______________________________________________________");
inline const QString B55 = QStringLiteral("_______________________________________________________");
inline const QString B55Q = QStringLiteral("_______________________________________________________ ?");
inline const QString PairingLine =
    QStringLiteral("Dvojice: _________________________________________________________");

// Up to three segments printed one after another from (x, y), 1 mm apart.
struct ItemLine {
    double x = 0;
    double y = 0;
    QString t1, t2, t3;
    bool operator==(const ItemLine &) const = default;
};

// A circle whose bounding square has its top-left corner at (x, y).
struct Circle {
    double x = 0;
    double y = 0;
    double r = 0;
};

struct ClockFace {
    int hours = 0;
    int minutes = 0;
    double cx = 0;
    double cy = 0;
};

struct RowContent {
    std::vector<ItemLine> lines;
    std::vector<Circle> circles;
    std::vector<ClockFace> clocks;
    // How many positions the row uses beyond its own one (a clock block uses
    // ten positions, a topic block five).
    int extraPositions = 0;
};

// Row j (1 ...) of exercise 1 ... 18 or 20 for the record r, with the item
// area starting at top mm. rnd shuffles the choices.
RowContent itemRow(int exercise, const Misc::ContentRecord &r, int j, int top, const Uniform &rnd);

// Block j of exercise 19: the records at the ten positions of the block, the
// first five of which get a clock; their phrases are shuffled.
RowContent clockBlock(const std::vector<const Misc::ContentRecord *> &tenRecords, int j, int top,
                      const Uniform &rnd);

// Block j of exercise 21: five prompts on the left (A ... E) and five answer
// words on the right (1 ... 5), already paired in their printed order.
RowContent topicBlock(const std::array<QString, 5> &prompts, const std::array<QString, 5> &answers, int j, int top);

}  // namespace print
