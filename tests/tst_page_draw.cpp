// The random draw of a page: history cleared or shifted by ten, no repeats
// within the last sixty entries, skipped records drawn again once the unseen
// ones run out (checked ones never), and no endless loop when records run out.
#include "exercise/PageDraw.h"

#include <QtTest>

#include <algorithm>
#include <set>

using History = QMap<int, int>;  // entry -> record number (entries not named are 0)

namespace {
std::array<int, 61> toArray(const History &h) {
    std::array<int, 61> a{};
    for (auto it = h.begin(); it != h.end(); ++it) a[std::size_t(it.key())] = it.value();
    return a;
}
// A fixed sequence of random numbers, repeated.
exercise::RandomSource sequence(const QList<double> &values) {
    auto pos = std::make_shared<int>(0);
    return [values, pos] { return values[(*pos)++ % values.size()]; };
}
}  // namespace

class TestPageDraw : public QObject {
    Q_OBJECT
private slots:
    void draw_data();
    void draw();
    void longRunNeverRepeats();
};

void TestPageDraw::draw_data() {
    QTest::addColumn<History>("before");
    QTest::addColumn<int>("recordCount");
    QTest::addColumn<int>("itemsOnPage");
    QTest::addColumn<bool>("firstPage");
    QTest::addColumn<QList<double>>("randoms");
    QTest::addColumn<History>("after");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QList<int>>("checked");

    QTest::newRow("first page clears the history")
        << History{{1, 7}, {2, 8}, {3, 9}, {11, 5}} << 10 << 3 << true << QList<double>{0.0, 0.15, 0.25}
        << History{{1, 1}, {2, 2}, {3, 3}} << true << QList<int>{};
    QTest::newRow("later page shifts by ten, also after a short page")
        << History{{1, 4}, {2, 5}} << 10 << 2 << false << QList<double>{0.0, 0.95}
        << History{{1, 1}, {2, 10}, {11, 4}, {12, 5}} << true << QList<int>{};
    QTest::newRow("a number in the history is redrawn")
        // record 1 moves from entry 21 to 31; 0.1 draws it twice, 0.5 draws 2
        << History{{21, 1}} << 3 << 1 << false << QList<double>{0.1, 0.1, 0.5} << History{{1, 2}, {31, 1}} << true << QList<int>{};
    QTest::newRow("entries beyond sixty fall out of the history")
        << History{{60, 2}} << 2 << 1 << false << QList<double>{0.9} << History{{1, 2}} << true << QList<int>{};
    QTest::newRow("r rounding up to 1 in single precision stays in range")
        << History{} << 1000 << 1 << true << QList<double>{0.99999999} << History{{1, 1000}} << true << QList<int>{};
    QTest::newRow("too few records: stops instead of looping")
        << History{{1, 1}, {2, 2}} << 3 << 2 << false << QList<double>{0.0, 0.4, 0.9}
        << History{{1, 3}, {11, 1}, {12, 2}} << false << QList<int>{1, 2};
    QTest::newRow("unseen used up: a skipped record comes again, a checked one never")
        // 1 was checked, 2 and 3 only shown; 4 is unseen and comes first
        << History{{1, 2}, {2, 3}, {11, 1}} << 4 << 3 << false << QList<double>{0.0, 0.3, 0.8, 0.0, 0.3, 0.55}
        << History{{1, 4}, {2, 2}, {3, 3}, {11, 2}, {12, 3}, {21, 1}} << true << QList<int>{1};
    QTest::newRow("checked records stay out after leaving the history")
        << History{} << 2 << 1 << false << QList<double>{0.0, 0.9} << History{{1, 2}} << true << QList<int>{1};
    QTest::newRow("empty file draws nothing") << History{} << 0 << 5 << true << QList<double>{0.5} << History{} << false << QList<int>{};
}

void TestPageDraw::draw() {
    QFETCH(History, before);
    QFETCH(int, recordCount);
    QFETCH(int, itemsOnPage);
    QFETCH(bool, firstPage);
    QFETCH(QList<double>, randoms);
    QFETCH(History, after);
    QFETCH(bool, complete);
    QFETCH(QList<int>, checked);
    std::array<int, 61> drawn = toArray(before);
    const std::vector<int> checkedRecords(checked.begin(), checked.end());
    QCOMPARE(exercise::DrawPageItems(drawn, recordCount, itemsOnPage, firstPage, sequence(randoms), checkedRecords),
             complete);
    const std::array<int, 61> expected = toArray(after);
    for (int i = 1; i <= 60; ++i) QCOMPARE(drawn[std::size_t(i)], expected[std::size_t(i)]);
}

void TestPageDraw::longRunNeverRepeats() {
    // A run of 30 items on pages of 10, 10, 5, 5 from 31 records, with the
    // program's own generator: every record at most once.
    std::array<int, 61> drawn{};
    const auto random = exercise::clockSeededRandom();
    std::set<int> seen;
    const int pages[] = {10, 10, 5, 5};
    bool first = true;
    for (int items : pages) {
        QVERIFY(exercise::DrawPageItems(drawn, 31, items, first, random));
        first = false;
        for (int i = 1; i <= items; ++i) {
            const int n = drawn[std::size_t(i)];
            QVERIFY(n >= 1 && n <= 31);
            QVERIFY2(seen.insert(n).second, qPrintable(QStringLiteral("record %1 drawn twice").arg(n)));
        }
    }
    QCOMPARE(int(seen.size()), 30);
}

QTEST_GUILESS_MAIN(TestPageDraw)
#include "tst_page_draw.moc"
