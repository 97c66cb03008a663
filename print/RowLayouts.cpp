#include "print/RowLayouts.h"

#include "rules/ExerciseSpec.h"

namespace print {

namespace {

const QString &f(const Misc::ContentRecord &r, int field) { return r.field[std::size_t(field)]; }

const QString kSlash = QStringLiteral(" / ");
const QString kColon = QStringLiteral(" :");

}  // namespace

RowContent itemRow(int exercise, const Misc::ContentRecord &r, int j, int top, const Uniform &rnd) {
    RowContent row;
    auto line = [&row](double x, double y, QString t1, QString t2 = {}, QString t3 = {}) {
        row.lines.push_back({x, y, std::move(t1), std::move(t2), std::move(t3)});
    };
    const double y7 = top + 7.0 * j;
    const double y15 = top + 15.0 * j;
    using exercise::Worksheet;
    switch (exercise::spec(exercise).worksheet) {
    case Worksheet::GapLine:
        line(20, y7, f(r, 0), B9, f(r, 2));
        break;
    case Worksheet::Translation:
        line(20, y7, f(r, 3) + QStringLiteral("  -  "), B32);
        break;
    case Worksheet::SwitchPair:
        line(12, y7, f(r, 6) + kSlash + f(r, 7) + kColon);
        line(50, y7, f(r, 0), B9, f(r, 2));
        break;
    case Worksheet::Model:
        line(12, y7, f(r, 6) + kColon);
        line(40, y7, f(r, 0), B15, f(r, 2));
        break;
    case Worksheet::LongGap:
        line(12, roundHalfEven(top + 7.5 * j), f(r, 0), B20, f(r, 2));
        break;
    case Worksheet::Choice3: {
        const auto p = shuffleIntoPlaces({f(r, 1), f(r, 6), f(r, 7)}, rnd);
        line(12, y15 - 9, p[0] + kSlash + p[1] + kSlash + p[2] + kColon);
        line(12, y15 - 3, f(r, 0), B15, f(r, 2));
        break;
    }
    case Worksheet::Choice4: {
        const auto p = shuffleIntoPlaces({f(r, 1), f(r, 6), f(r, 7), f(r, 8)}, rnd);
        line(12, y15 - 9, p[0] + kSlash + p[1] + kSlash + p[2], kSlash + p[3] + kColon);
        line(12, y15 - 3, f(r, 0), B15, f(r, 2));
        break;
    }
    case Worksheet::ModelSentence:
        line(12, y15 - 9, f(r, 0));
        line(12, y15 - 3, f(r, 6) + kColon, B45);
        line(70, y15 - 3, B54);
        break;
    case Worksheet::TwoLines:
        line(12, y15 - 9, f(r, 0));
        line(12, y15 - 3, f(r, 6), B55Q);
        break;
    case Worksheet::WordList: {
        const double Y = top + 45.0 * j;
        line(12, Y - 35, B55);
        line(12, Y - 38, f(r, 0));
        for (int k = 1; k <= 4; ++k) row.circles.push_back({12, Y - 35 + 7.0 * k, 2});
        const auto words = shuffleIntoPlaces({f(r, 6), f(r, 7), f(r, 8), f(r, 9)}, rnd);
        for (int k = 1; k <= 4; ++k) line(20, Y - 35 + 7.0 * k, words[std::size_t(k - 1)]);
        break;
    }
    case Worksheet::None:
    case Worksheet::Clocks:  // printed in blocks (clockBlock, topicBlock)
    case Worksheet::Topics:
        break;
    }
    return row;
}

RowContent clockBlock(const std::vector<const Misc::ContentRecord *> &tenRecords, int j, int top,
                      const Uniform &rnd) {
    RowContent row;
    row.extraPositions = 9;
    if (tenRecords.size() != 10) return row;
    const double Y = top + 110.0 * j;
    std::vector<QString> phrases;
    for (const auto *rec : tenRecords) phrases.push_back(f(*rec, 8));
    const auto places = shuffleIntoPlaces(phrases, rnd);
    static const char *const labels[] = {"A)", "B)", "C)", "D)", "E)"};
    for (int m = 0; m < 5; ++m) {
        const auto &rec = *tenRecords[std::size_t(m)];
        row.clocks.push_back({f(rec, 6).trimmed().toInt(), f(rec, 7).trimmed().toInt(), 30.0 + 35.0 * m, Y - 90});
        row.lines.push_back({29.0 + 35.0 * m, Y - 77, QString::fromLatin1(labels[m]), {}, {}});
    }
    for (int k = 1; k <= 10; ++k) {
        const QString number = k < 10 ? QStringLiteral("%1)  ").arg(k) : QStringLiteral("10) ");
        const double x = k <= 5 ? 20.0 : 110.0;
        const double y = Y - 60 + 7.0 * ((k <= 5 ? k : k - 5) - 1);
        row.lines.push_back({x, y, number + places[std::size_t(k - 1)], {}, {}});
    }
    row.lines.push_back({20, Y - 10, PairingLine, {}, {}});
    return row;
}

RowContent topicBlock(const std::array<QString, 5> &prompts, const std::array<QString, 5> &answers, int j, int top) {
    RowContent row;
    row.extraPositions = 4;
    const double Y = top + 60.0 * j;
    for (int k = 1; k <= 5; ++k) {
        const double y = Y - 50 + 7.0 * (k - 1);
        row.lines.push_back({20, y, QString(QChar(u'A' + (k - 1))) + QStringLiteral(")  ") + prompts[std::size_t(k - 1)],
                             {}, {}});
        row.lines.push_back({110, y, QStringLiteral("%1)  ").arg(k) + answers[std::size_t(k - 1)], {}, {}});
    }
    row.lines.push_back({20, Y - 10, PairingLine, {}, {}});
    return row;
}

}  // namespace print
