// Worksheet geometry and draws without a printer: instruction wrapping, the
// item area top, rounding, clock hands, shuffles and the rows of the layouts.
#include "print/LayoutMath.h"
#include "print/RowLayouts.h"

#include <QtTest>

#include <map>
#include <set>

using namespace print;

namespace {

// Every character one unit wide: widths are lengths.
double byLength(const QString &t) { return double(t.size()); }

Misc::ContentRecord record(std::initializer_list<std::pair<int, const char *>> fields) {
    Misc::ContentRecord r;
    for (const auto &[i, text] : fields) r.field[std::size_t(i)] = QString::fromUtf8(text);
    return r;
}

Uniform seeded(quint32 seed) {
    auto gen = std::make_shared<QRandomGenerator>(seed);
    return [gen] { return gen->generateDouble(); };
}

}  // namespace

class TestPrintLayout : public QObject {
    Q_OBJECT
private slots:
    void wrap_data();
    void wrap();
    void areaTop_data();
    void areaTop();
    void halfEven_data();
    void halfEven();
    void clock_data();
    void clock();
    void shuffleIsFair_data();
    void shuffleIsFair();
    void distinctDraws();
    void clockPositions_data();
    void clockPositions();
    void rows_data();
    void rows();
    void choiceRowsHoldEveryChoice();
    void wordListBlock();
    void clockAndTopicBlocks();
};

void TestPrintLayout::wrap_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("one line") << "Doplň člen." << 20.0 << QStringList{"Doplň člen."};
    // "ab cd " is 6 wide: the trailing space counts.
    QTest::newRow("fits with its space") << "ab cd" << 6.0 << QStringList{"ab cd"};
    QTest::newRow("space pushes it down") << "ab cd" << 5.0 << QStringList{"ab", "cd"};
    QTest::newRow("runs of spaces skipped") << "  Přečti   si  větu " << 9.0 << QStringList{"Přečti", "si větu"};
    QTest::newRow("word wider than a line stands alone")
        << "a nejdelšíslovo b" << 6.0 << QStringList{"a", "nejdelšíslovo", "b"};
    QTest::newRow("six lines: the rest stays on line five")
        << "jedna dva tři čtyři pět šest sedm" << 6.0 << QStringList{"jedna", "dva", "tři", "čtyři", "pět šest sedm"};
    QTest::newRow("empty") << "" << 10.0 << QStringList{};
}

void TestPrintLayout::wrap() {
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(QStringList, lines);
    const InstructionLines got = wrapInstructions(text, width, byLength);
    for (int k = 0; k < 5; ++k) QCOMPARE(got[std::size_t(k)], lines.value(k));
}

void TestPrintLayout::areaTop_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("top");
    QTest::newRow("one line") << QStringList{"Doplň"} << 37;
    QTest::newRow("five lines") << QStringList{"a", "b", "c", "d", "e"} << 57;
    QTest::newRow("three lines") << QStringList{"a", "b", "c"} << 47;
    QTest::newRow("last non-empty counts") << QStringList{"", "", "", "ž"} << 52;
    QTest::newRow("none") << QStringList{} << 32;
}

void TestPrintLayout::areaTop() {
    QFETCH(QStringList, lines);
    QFETCH(int, top);
    InstructionLines l;
    for (int k = 0; k < lines.size(); ++k) l[std::size_t(k)] = lines[k];
    QCOMPARE(itemAreaTop(l), top);
    QCOMPARE(instructionLineY(1), 30.0);
    QCOMPARE(instructionLineY(5), 50.0);
}

void TestPrintLayout::halfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("44.5") << 44.5 << 44;
    QTest::newRow("45.5") << 45.5 << 46;
    QTest::newRow("52.5") << 52.5 << 52;
    QTest::newRow("59.5") << 59.5 << 60;
}

void TestPrintLayout::halfEven() {
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

void TestPrintLayout::clock_data() {
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("m");
    QTest::addColumn<QPointF>("minute");  // relative to the centre, mm, y down
    QTest::addColumn<QPointF>("hour");
    // A hand at deg degrees clockwise from 12 o'clock.
    auto at = [](double deg, double len) {
        return QPointF(std::sin(deg * M_PI / 180) * len, -std::cos(deg * M_PI / 180) * len);
    };
    // 3:30: minute hand straight down, hour hand halfway between 3 and 4.
    QTest::newRow("3:30") << 3 << 30 << QPointF(0, 8) << at(105, 5);
    QTest::newRow("12:00") << 12 << 0 << QPointF(0, -8) << QPointF(0, -5);
    QTest::newRow("6:00") << 6 << 0 << QPointF(0, -8) << QPointF(0, 5);
    QTest::newRow("9:15") << 9 << 15 << QPointF(8, 0) << at(277.5, 5);
    QTest::newRow("0:45") << 0 << 45 << QPointF(-8, 0) << at(22.5, 5);
}

void TestPrintLayout::clock() {
    QFETCH(int, h);
    QFETCH(int, m);
    QFETCH(QPointF, minute);
    QFETCH(QPointF, hour);
    const ClockHands hands = clockHands(h, m, 30, 40);
    QVERIFY2(std::abs(hands.minute.x() - 30 - minute.x()) < 1e-9 && std::abs(hands.minute.y() - 40 - minute.y()) < 1e-9,
             qPrintable(QStringLiteral("minute %1,%2").arg(hands.minute.x()).arg(hands.minute.y())));
    QVERIFY2(std::abs(hands.hour.x() - 30 - hour.x()) < 1e-9 && std::abs(hands.hour.y() - 40 - hour.y()) < 1e-9,
             qPrintable(QStringLiteral("hour %1,%2").arg(hands.hour.x()).arg(hands.hour.y())));
}

void TestPrintLayout::shuffleIsFair_data() {
    QTest::addColumn<int>("n");
    QTest::newRow("three choices") << 3;
    QTest::newRow("four choices") << 4;
    QTest::newRow("ten phrases") << 10;
}

void TestPrintLayout::shuffleIsFair() {
    QFETCH(int, n);
    const Uniform rnd = seeded(1234u + quint32(n));
    const int draws = 20000;
    std::vector<int> rightAnswerIn(std::size_t(n), 0);
    std::set<std::vector<int>> orders;
    for (int d = 0; d < draws; ++d) {
        const std::vector<int> s = shuffleSlots(n, rnd);
        QCOMPARE(int(s.size()), n);
        QCOMPARE(std::set<int>(s.begin(), s.end()).size(), std::size_t(n));
        QVERIFY(*std::min_element(s.begin(), s.end()) == 1 && *std::max_element(s.begin(), s.end()) == n);
        ++rightAnswerIn[std::size_t(s[0] - 1)];  // option 1 is the right answer
        orders.insert(s);
    }
    const double expected = double(draws) / n;
    for (int p = 0; p < n; ++p)
        QVERIFY2(std::abs(rightAnswerIn[std::size_t(p)] - expected) < 0.06 * expected,
                 qPrintable(QStringLiteral("place %1: %2 of %3").arg(p + 1).arg(rightAnswerIn[std::size_t(p)]).arg(draws)));
    if (n <= 4) QCOMPARE(int(orders.size()), n == 3 ? 6 : 24);  // every order occurs

    const auto places = shuffleIntoPlaces({"am", "is", "are"}, rnd);
    QCOMPARE(std::set<QString>(places.begin(), places.end()), (std::set<QString>{"am", "is", "are"}));
}

void TestPrintLayout::distinctDraws() {
    const Uniform rnd = seeded(7);
    for (int count : {10, 15, 30}) {
        const auto d = drawDistinct(count, 56, rnd);
        QCOMPARE(int(d.size()), count);
        QCOMPARE(int(std::set<int>(d.begin(), d.end()).size()), count);
        QVERIFY(*std::min_element(d.begin(), d.end()) >= 1 && *std::max_element(d.begin(), d.end()) <= 56);
    }
    const auto all = drawDistinct(10, 10, rnd);
    QCOMPARE(std::set<int>(all.begin(), all.end()), (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    // Fewer records than asked for: no draw instead of a draw that never ends.
    QVERIFY(drawDistinct(30, 29, rnd).empty());
    // A generator at its upper edge still yields numbers in range.
    QCOMPARE(drawOneToN(5, [] { return 0.9999999999; }), 5);
    QCOMPARE(drawOneToN(5, [] { return 0.0; }), 1);
}

void TestPrintLayout::clockPositions_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("records");
    QTest::newRow("10 of 60") << 10 << 60;
    QTest::newRow("15 of 60") << 15 << 60;
    QTest::newRow("25 of 30") << 25 << 30;
    QTest::newRow("15 of 15") << 15 << 15;
    QTest::newRow("30 of 30") << 30 << 30;
}

void TestPrintLayout::clockPositions() {
    QFETCH(int, n);
    QFETCH(int, records);
    const Uniform rnd = seeded(quint32(n * 100 + records));
    for (int round = 0; round < 200; ++round) {
        const std::vector<int> d = drawClockPositions(n, records, rnd);
        QCOMPARE(int(d.size()), 2 * n);
        QCOMPARE(int(std::set<int>(d.begin(), d.begin() + n).size()), n);
        QCOMPARE(int(std::set<int>(d.begin() + n, d.end()).size()), n);
        // Every block of ten positions shows ten different phrases.
        for (int b = 0; b < 2 * n; b += 10)
            QCOMPARE(int(std::set<int>(d.begin() + b, d.begin() + b + 10).size()), 10);
        QVERIFY(*std::min_element(d.begin(), d.end()) >= 1 && *std::max_element(d.begin(), d.end()) <= records);
    }
    QVERIFY(drawClockPositions(n, n - 1, rnd).empty());
}

using Lines = QList<ItemLine>;
Q_DECLARE_METATYPE(ItemLine)
Q_DECLARE_METATYPE(Misc::ContentRecord)

void TestPrintLayout::rows_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<Misc::ContentRecord>("rec");
    QTest::addColumn<int>("j");
    QTest::addColumn<int>("top");
    QTest::addColumn<Lines>("lines");
    const auto gap = record({{0, "There is "}, {2, " apple on the table."}, {1, "an"}});
    QTest::newRow("1, first row under one line") << 1 << gap << 1 << 37
                                                 << Lines{{20, 44, "There is ", B9, " apple on the table."}};
    QTest::newRow("3, translation") << 3 << record({{3, "kůň"}, {4, "horse"}}) << 2 << 37
                                    << Lines{{20, 51, "kůň  -  ", B32, {}}};
    QTest::newRow("4, a / many")
        << 4 << record({{0, "I have got "}, {2, " brother."}, {6, "a"}, {7, "many"}}) << 1 << 37
        << Lines{{12, 44, "a / many :", {}, {}}, {50, 44, "I have got ", B9, " brother."}};
    QTest::newRow("9, model word")
        << 9 << record({{0, "Yesterday I "}, {2, " football."}, {6, "play"}}) << 3 << 42
        << Lines{{12, 63, "play :", {}, {}}, {40, 63, "Yesterday I ", B15, " football."}};
    QTest::newRow("15, 7.5 mm rounded half to even (44.5)")
        << 15 << record({{0, "two "}, {2, " (child)"}}) << 1 << 37 << Lines{{12, 44, "two ", B20, " (child)"}};
    QTest::newRow("16, 7.5 mm rounded half to even (59.5)")
        << 16 << record({{0, "She is "}, {2, " (swim)"}}) << 3 << 37 << Lines{{12, 60, "She is ", B20, " (swim)"}};
    QTest::newRow("13, whole sentence")
        << 13 << record({{0, "She plays tennis."}, {6, "zápor (n't)"}}) << 1 << 37
        << Lines{{12, 43, "She plays tennis.", {}, {}}, {12, 49, "zápor (n't) :", B45, {}}, {70, 49, B54, {}, {}}};
    QTest::newRow("14, two lines") << 14 << record({{0, "I live in Brno."}, {6, "Where "}}) << 2 << 37
                                   << Lines{{12, 58, "I live in Brno.", {}, {}}, {12, 64, "Where ", B55Q, {}}};
}

void TestPrintLayout::rows() {
    QFETCH(int, exercise);
    QFETCH(Misc::ContentRecord, rec);
    QFETCH(int, j);
    QFETCH(int, top);
    QFETCH(Lines, lines);
    const RowContent row = itemRow(exercise, rec, j, top, seeded(1));
    QCOMPARE(int(row.lines.size()), lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const ItemLine &g = row.lines[std::size_t(i)];
        const ItemLine &w = lines[i];
        QCOMPARE(g.x, w.x);
        QCOMPARE(g.y, w.y);
        QCOMPARE(g.t1, w.t1);
        QCOMPARE(g.t2, w.t2);
        QCOMPARE(g.t3, w.t3);
    }
    QCOMPARE(row.extraPositions, 0);
}

void TestPrintLayout::choiceRowsHoldEveryChoice() {
    const auto three = record({{0, "I "}, {2, " ten years old."}, {1, "am"}, {6, "is"}, {7, "are"}});
    const auto four = record({{0, "The bank is "}, {2, " the shop."}, {1, "between"}, {6, "under"}, {7, "in"}, {8, "on"}});
    const Uniform rnd = seeded(99);
    std::set<QString> firstLines;
    for (int i = 0; i < 50; ++i) {
        const RowContent r3 = itemRow(7, three, 2, 37, rnd);
        QCOMPARE(int(r3.lines.size()), 2);
        QCOMPARE(r3.lines[0].y, 37.0 + 30 - 9);
        QCOMPARE(r3.lines[1].y, 37.0 + 30 - 3);
        QVERIFY(r3.lines[0].t1.endsWith(" :"));
        QStringList words = r3.lines[0].t1.chopped(2).split(" / ");
        words.sort();
        QCOMPARE(words, (QStringList{"am", "are", "is"}));
        firstLines.insert(r3.lines[0].t1);
        QCOMPARE(r3.lines[1].t2, B15);

        // Four choices: the last one is a segment of its own.
        const RowContent r4 = itemRow(12, four, 1, 37, rnd);
        QVERIFY(r4.lines[0].t2.startsWith(" / ") && r4.lines[0].t2.endsWith(" :"));
        QStringList w4 = r4.lines[0].t1.split(" / ");
        QCOMPARE(w4.size(), 3);
        w4 << r4.lines[0].t2.mid(3).chopped(2);
        w4.sort();
        QCOMPARE(w4, (QStringList{"between", "in", "on", "under"}));
    }
    QCOMPARE(int(firstLines.size()), 6);  // printing again gives other orders
}

void TestPrintLayout::wordListBlock() {
    const auto rec = record({{0, "Which one is an animal?"}, {6, "horse"}, {7, "table"}, {8, "green"}, {9, "řeka"}});
    const RowContent row = itemRow(18, rec, 2, 37, seeded(5));
    const double Y = 37 + 90;
    QCOMPARE(int(row.lines.size()), 6);
    QCOMPARE(row.lines[0].t1, B55);
    QCOMPARE(row.lines[0].y, Y - 35);
    QCOMPARE(row.lines[1].t1, rec.field[0]);
    QCOMPARE(row.lines[1].y, Y - 38);
    QStringList words;
    for (int k = 1; k <= 4; ++k) {
        const Circle &c = row.circles[std::size_t(k - 1)];
        QCOMPARE(c.x, 12.0);
        QCOMPARE(c.y, Y - 35 + 7 * k);
        QCOMPARE(c.r, 2.0);
        const ItemLine &w = row.lines[std::size_t(k + 1)];
        QCOMPARE(w.x, 20.0);
        QCOMPARE(w.y, c.y);  // each word beside its circle
        words << w.t1;
    }
    words.sort();
    QCOMPARE(words, (QStringList{"green", "horse", "table", "řeka"}));
}

void TestPrintLayout::clockAndTopicBlocks() {
    std::vector<Misc::ContentRecord> recs;
    for (int i = 0; i < 10; ++i)
        recs.push_back(record({{6, "3"}, {7, "30"}, {8, "phrase"}}));
    for (int i = 0; i < 10; ++i) recs[std::size_t(i)].field[8] = QStringLiteral("fráze %1").arg(i);
    recs[0].field[6] = QStringLiteral("3");
    recs[0].field[7] = QStringLiteral("30");
    std::vector<const Misc::ContentRecord *> ten;
    for (auto &r : recs) ten.push_back(&r);
    const RowContent block = clockBlock(ten, 1, 47, seeded(3));
    const double Y = 47 + 110;
    QCOMPARE(block.extraPositions, 9);
    QCOMPARE(int(block.clocks.size()), 5);
    QCOMPARE(block.clocks[0].hours, 3);
    QCOMPARE(block.clocks[0].minutes, 30);
    QCOMPARE(block.clocks[4].cx, 30.0 + 140);
    QCOMPARE(block.clocks[4].cy, Y - 90);
    QCOMPARE(block.lines[4].t1, QString("E)"));
    QCOMPARE(block.lines[4].x, 29.0 + 140);
    QCOMPARE(block.lines[4].y, Y - 77);
    std::set<QString> phrases;
    for (int k = 1; k <= 10; ++k) {
        const ItemLine &l = block.lines[std::size_t(4 + k)];
        QCOMPARE(l.x, k <= 5 ? 20.0 : 110.0);
        QCOMPARE(l.y, Y - 60 + 7 * ((k - 1) % 5));
        const QString prefix = k < 10 ? QStringLiteral("%1)  ").arg(k) : QStringLiteral("10) ");
        QVERIFY(l.t1.startsWith(prefix));
        phrases.insert(l.t1.mid(prefix.size()));
    }
    QCOMPARE(int(phrases.size()), 10);
    QCOMPARE(block.lines.back().t1, PairingLine);
    QCOMPARE(block.lines.back().y, Y - 10);
    QCOMPARE(PairingLine.size(), 9 + 57);

    const RowContent topics = topicBlock({"pes", "kočka", "kůň", "ryba", "pták"}, {"cat", "dog", "fish", "bird", "horse"}, 2,
                                         37);
    QCOMPARE(topics.extraPositions, 4);
    QCOMPARE(topics.lines[0].t1, QString("A)  pes"));
    QCOMPARE(topics.lines[0].y, 37.0 + 120 - 50);
    QCOMPARE(topics.lines[1].t1, QString("1)  cat"));
    QCOMPARE(topics.lines[1].x, 110.0);
    QCOMPARE(topics.lines[8].t1, QString("E)  pták"));
    QCOMPARE(topics.lines[8].y, 37.0 + 120 - 50 + 28);
    QCOMPARE(topics.lines.back().t1, PairingLine);
}

QTEST_MAIN(TestPrintLayout)
#include "tst_print_layout.moc"
