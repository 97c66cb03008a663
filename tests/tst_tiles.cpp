// Word tiles: the drop rules (sample points, first hit row, capitals), the
// clock hands, and dragging tiles on the real exercise form (1, 5, 19, 21).
#include "state/Misc.h"
#include "exercise/TileRules.h"
#include "exercise/frm_Game01.h"
#include "screens/frm_Intro.h"
#include "screens/frm_Setup.h"
#include "exercise_fixture.h"
#include "testsupport.h"

#include <QtTest>

#include <memory>

using namespace Misc;
using exercisetest::settle;

namespace {

// Presses tile k at (5, 5) of its label, drags it so that its top-left corner
// lands on target and releases it there, as the mouse does.
void dragTile(frm_Game01 &f, int k, QPoint target) {
    const QPoint from = f.picDown(k)->pos();
    f.LDown_MouseDown(k, Qt::LeftButton, 5, 5);
    f.LDown_MouseMove(k, Qt::LeftButton, 5 + target.x() - from.x(), 5 + target.y() - from.y());
    f.LDown_MouseUp(k, Qt::LeftButton, 5, 5);
}

QPoint tileStart(int k) { return {int(TileStart[std::size_t(k)][0]), int(TileStart[std::size_t(k)][1])}; }

}  // namespace

class TestTiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Pure rules.
    void startsSentence_data();
    void startsSentence();
    void dropRow_data();
    void dropRow();
    void clockHands_data();
    void clockHands();

    // On the form.
    void cornerTouchFillsRow();
    void tileOverTwoRowsFillsFirst();
    void tileReleasedElsewhereReturns();
    void droppedWordCapitals_data();
    void droppedWordCapitals();
    void secondPronounReplacesFirst();
    void checkedPageHoldsTiles();
    void topicSecondTileSendsFirstBack();
    void topicTileMovedOrTakenBackLeavesRowEmpty();
    void clockDecoyIsWrong();
    void newPageClearsPlacedWords();
    void gapBoxShowsEveryTileWord_data();
    void gapBoxShowsEveryTileWord();
    void twinTilesKeepTheirRows_data();
    void twinTilesKeepTheirRows();

private:
    frm_Game01 &open(int exercise, int count);
    exercisetest::Course m_course;
};

void TestTiles::initTestCase() { QVERIFY(m_course.start(false, true)); }

void TestTiles::init() { exercisetest::resetRun(); }

void TestTiles::cleanup() { m_course.closeForms(); }

frm_Game01 &TestTiles::open(int exercise, int count) {
    // Every topic of the course chosen on the topic screen.
    if (exercise == 21)
        for (int t = 1; t <= 21; ++t) exercisetest::chooseTopics({t});
    return exercisetest::openExercise(exercise, count, exercisetest::Open::LoadOnly);
}

// ---- Pure rules ------------------------------------------------------------

void TestTiles::startsSentence_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("capital");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("full stop and space") << "Ahoj. " << true;
    QTest::newRow("full stop last") << "It is late." << true;
    QTest::newRow("full stop, two blanks") << "Žák píše.  " << true;
    QTest::newRow("full stop three back") << "Dr. X is" << false;
    QTest::newRow("word") << "I have got" << false;
    QTest::newRow("word and space") << "Vidím " << false;
    QTest::newRow("question mark") << "Are you? " << false;
}

void TestTiles::startsSentence() {
    QFETCH(QString, before);
    QFETCH(bool, capital);
    QCOMPARE(exercise::startsSentence(before), capital);
}

void TestTiles::dropRow_data() {
    QTest::addColumn<QRect>("tile");
    QTest::addColumn<QPoint>("drop");
    QTest::addColumn<int>("row");
    // Three boxes 40 x 20, 33 pixels apart: rows at y 100, 133, 166.
    QTest::newRow("inside row 2") << QRect(105, 135, 50, 20) << QPoint(110, 140) << 2;
    QTest::newRow("corner touches row 3") << QRect(140, 186, 50, 20) << QPoint(150, 195) << 3;
    QTest::newRow("over rows 2 and 3") << QRect(100, 147, 50, 20) << QPoint(110, 150) << 2;
    QTest::newRow("one pixel off") << QRect(141, 187, 50, 20) << QPoint(150, 190) << 0;
    QTest::newRow("drop point only") << QRect(300, 300, 50, 20) << QPoint(120, 110) << 1;
    QTest::newRow("nowhere") << QRect(300, 20, 50, 20) << QPoint(310, 25) << 0;
}

void TestTiles::dropRow() {
    QFETCH(QRect, tile);
    QFETCH(QPoint, drop);
    QFETCH(int, row);
    const std::vector<QRect> boxes{QRect(100, 100, 40, 20), QRect(100, 133, 40, 20), QRect(100, 166, 40, 20)};
    QCOMPARE(exercise::dropRow(boxes, tile, drop), row);
}

void TestTiles::clockHands_data() {
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QPointF>("minuteEnd");
    QTest::addColumn<QPointF>("hourEnd");
    const double s15 = 18 * std::sin(15 * M_PI / 180), c15 = 18 * std::cos(15 * M_PI / 180);
    // Centre (100, 100): the minute hand 27 long, the hour hand 18.
    QTest::newRow("6:30") << 6 << 30 << QPointF(100, 127) << QPointF(100 - s15, 100 + c15);
    QTest::newRow("3:00") << 3 << 0 << QPointF(100, 73) << QPointF(118, 100);
    QTest::newRow("12:15") << 12 << 15 << QPointF(127, 100) << QPointF(100 + 18 * std::sin(7.5 * M_PI / 180),
                                                                       100 - 18 * std::cos(7.5 * M_PI / 180));
    QTest::newRow("9:45") << 9 << 45 << QPointF(73, 100) << QPointF(100 - 18 * std::cos(22.5 * M_PI / 180),
                                                                   100 - 18 * std::sin(22.5 * M_PI / 180));
}

void TestTiles::clockHands() {
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(QPointF, minuteEnd);
    QFETCH(QPointF, hourEnd);
    const QPointF c(100, 100);
    const QPointF m = exercise::clockHandEnd(c, exercise::minuteHandAngle(minutes), 27);
    const QPointF h = exercise::clockHandEnd(c, exercise::hourHandAngle(hours, minutes), 18);
    QVERIFY2(QLineF(m, minuteEnd).length() < 1e-6, qPrintable(QStringLiteral("minute end %1,%2").arg(m.x()).arg(m.y())));
    QVERIFY2(QLineF(h, hourEnd).length() < 1e-6, qPrintable(QStringLiteral("hour end %1,%2").arg(h.x()).arg(h.y())));
}

// ---- On the form -------------------------------------------------------------

void TestTiles::cornerTouchFillsRow() {
    frm_Game01 &f = open(1, 10);
    QCOMPARE(int(ItemsOnPage), 10);
    f.TextPred(3)->setCaption(QStringLiteral("I have got"));
    const QRect box = f.TVstup(3)->geometry();
    // The tile's top-left corner on the box's bottom-right corner.
    dragTile(f, 2, QPoint(box.x() + box.width(), box.y() + box.height()));
    QCOMPARE(f.TVstup(3)->Text(), QStringLiteral("an"));
    for (int r : {1, 2, 4}) QCOMPARE(f.TVstup(r)->Text(), QString());
    // The endless tile is back at its place, blank again.
    QCOMPARE(f.picDown(2)->pos(), tileStart(2));
    QCOMPARE(f.LDown(2)->Caption(), QString());
    QVERIFY(!DragActive);
}

void TestTiles::tileOverTwoRowsFillsFirst() {
    frm_Game01 &f = open(1, 10);
    f.TextPred(2)->setCaption(QStringLiteral("She has"));
    f.TextPred(3)->setCaption(QStringLiteral("He has"));
    f.TVstup(3)->setLeft(f.TVstup(2)->x());
    const QRect box3 = f.TVstup(3)->geometry();
    dragTile(f, 3, QPoint(box3.x(), box3.y() - 16));  // over the lower part of 2 and the top of 3
    QCOMPARE(f.TVstup(2)->Text(), QStringLiteral("the"));
    QCOMPARE(f.TVstup(3)->Text(), QString());
}

void TestTiles::tileReleasedElsewhereReturns() {
    frm_Game01 &f = open(1, 10);
    dragTile(f, 1, QPoint(300, 20));
    QCOMPARE(f.picDown(1)->pos(), tileStart(1));
    QCOMPARE(f.LDown(1)->Caption(), QString());
    QCOMPARE(f.LDown(1)->backStyle(), ui::BackStyle::Transparent);
    for (int r = 1; r <= 10; ++r) QCOMPARE(f.TVstup(r)->Text(), QString());
}

void TestTiles::droppedWordCapitals_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("written");
    QTest::newRow("empty before-text") << "" << "A";
    QTest::newRow("after a full stop") << "Look. " << "A";
    QTest::newRow("after a word") << "It is" << "a";
}

void TestTiles::droppedWordCapitals() {
    QFETCH(QString, before);
    QFETCH(QString, written);
    frm_Game01 &f = open(1, 10);
    f.TextPred(1)->setCaption(before);
    f.TVstup(1)->setText(QStringLiteral("the"));
    dragTile(f, 1, f.TVstup(1)->pos());
    QCOMPARE(f.TVstup(1)->Text(), written);
    QCOMPARE(f.TVstup(1)->ForeColor(), QColor(Qt::black));
}

void TestTiles::secondPronounReplacesFirst() {
    frm_Game01 &f = open(5, 10);
    f.TextPred(4)->setCaption(QStringLiteral("Look at"));
    dragTile(f, 9, f.TVstup(4)->pos());   // "him"
    dragTile(f, 12, f.TVstup(4)->pos());  // "them"
    QCOMPARE(f.TVstup(4)->Text(), QStringLiteral("them"));
    // A double-click takes a tile back but leaves the box's word.
    f.LDown_DblClick(12);
    QCOMPARE(f.TVstup(4)->Text(), QStringLiteral("them"));
    QCOMPARE(f.picDown(12)->pos(), tileStart(12));
}

void TestTiles::checkedPageHoldsTiles() {
    frm_Game01 &f = open(1, 10);
    f.PicTop(1)->QWidget::setEnabled(false);  // the page is checked
    dragTile(f, 1, f.TVstup(1)->pos());
    QCOMPARE(f.TVstup(1)->Text(), QString());
    QCOMPARE(f.picDown(1)->pos(), tileStart(1));
    QVERIFY(!DragActive);
}

void TestTiles::topicSecondTileSendsFirstBack() {
    frm_Game01 &f = open(21, 10);
    QVERIFY(!f.LoadAborted());
    const QPoint box1 = f.TVstup(1)->pos();
    const QPoint start1 = f.picDown(1)->pos();
    dragTile(f, 1, box1 + QPoint(10, 5));
    QCOMPARE(f.picDown(1)->pos(), box1);
    QCOMPARE(f.TVstup(1)->Tag, f.LDown(1)->Caption());
    dragTile(f, 2, box1);
    QCOMPARE(f.picDown(2)->pos(), box1);
    QCOMPARE(f.TVstup(1)->Tag, f.LDown(2)->Caption());
    QCOMPARE(f.picDown(1)->pos(), tileStart(1));
    QVERIFY(qAbs(f.picDown(1)->x() - start1.x()) <= 1);  // back in the column
}

void TestTiles::topicTileMovedOrTakenBackLeavesRowEmpty() {
    frm_Game01 &f = open(21, 10);
    dragTile(f, 3, f.TVstup(1)->pos());
    dragTile(f, 3, f.TVstup(2)->pos());
    QCOMPARE(f.TVstup(1)->Tag, QString());  // the word moved on with its tile
    QCOMPARE(f.TVstup(2)->Tag, f.LDown(3)->Caption());
    dragTile(f, 3, QPoint(5, 300));           // dropped away from every box
    QCOMPARE(f.TVstup(2)->Tag, QString());
    QCOMPARE(f.picDown(3)->pos(), tileStart(3));
    dragTile(f, 4, f.TVstup(5)->pos());
    f.PicTop(1)->QWidget::setEnabled(false);  // double-click works after the check too
    f.LDown_DblClick(4);
    QCOMPARE(f.TVstup(5)->Tag, QString());
    QCOMPARE(f.picDown(4)->pos(), tileStart(4));
}

void TestTiles::clockDecoyIsWrong() {
    frm_Game01 &f = open(19, 10);
    QVERIFY(!f.LoadAborted());
    QCOMPARE(int(ItemsOnPage), 5);
    QStringList answers, onTiles;
    for (int r = 1; r <= 5; ++r) answers << f.TextPred(r)->Caption();
    for (int k = 1; k <= 10; ++k) {
        QVERIFY(f.picDown(k)->isVisibleTo(&f));
        onTiles << f.LDown(k)->Caption();
    }
    QCOMPARE(onTiles.size(), 10);
    for (const QString &a : answers) QVERIFY(onTiles.contains(a));
    int decoy = 0, right = 0;
    for (int k = 1; k <= 10; ++k) {
        if (!answers.contains(f.LDown(k)->Caption()) && !decoy) decoy = k;
        if (f.LDown(k)->Caption() == answers[0]) right = k;
    }
    QVERIFY(decoy && right);
    ui::Label *clock1 = f.TextPred(1);
    dragTile(f, decoy, clock1->pos() + QPoint(20, 2));
    QCOMPARE(f.picDown(decoy)->pos(), clock1->pos() + QPoint(4, 3));
    QCOMPARE(clock1->Tag, f.LDown(decoy)->Caption());
    QVERIFY(clock1->Tag != clock1->Caption());  // the label rule's "wrong"
    dragTile(f, right, clock1->pos());
    QCOMPARE(clock1->Tag, clock1->Caption());
    QCOMPARE(f.picDown(decoy)->pos(), tileStart(decoy));
}

void TestTiles::newPageClearsPlacedWords() {
    frm_Game01 &f = open(19, 10);
    dragTile(f, 1, f.TextPred(2)->pos());
    QVERIFY(!f.TextPred(2)->Tag.isEmpty());
    f.FillPage();
    for (int r = 1; r <= 5; ++r) QCOMPARE(f.TextPred(r)->Tag, QString());
    QCOMPARE(f.picDown(1)->pos(), QPoint(17, 112));
    frm_Game01::Unload();
    settle();

    frm_Game01 &g = open(21, 10);
    dragTile(g, 1, g.TVstup(6)->pos());
    QVERIFY(!g.TVstup(6)->Tag.isEmpty());
    g.FillPage();
    for (int r = 1; r <= 10; ++r) QCOMPARE(g.TVstup(r)->Tag, QString());
}

void TestTiles::gapBoxShowsEveryTileWord_data() {
    QTest::addColumn<int>("exercise");
    QTest::newRow("1: a, an, the") << 1;
    QTest::newRow("5: pronouns") << 5;
    QTest::newRow("6: possessives") << 6;
}

void TestTiles::gapBoxShowsEveryTileWord() {
    // Each word a tile can leave in a gap, capitalised too, shows whole: the
    // box need not scroll it to show its end.
    QFETCH(int, exercise);
    frm_Game01 &f = open(exercise, 10);
    ui::TextBox *box = f.TVstup(2);
    auto cursorX = [box] { return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(); };
    for (int k = 1; k <= 12; ++k) {
        const QString word = exercise::fixedTileWord(exercise, k);
        for (const QString &shown : {word, exercise::withCapital(word)}) {
            if (shown.isEmpty()) continue;
            box->setText(shown);
            box->setCursorPosition(0);
            const int start = cursorX();
            box->setCursorPosition(int(shown.size()));
            const int end = cursorX();
            QVERIFY2(end - start == box->fontMetrics().horizontalAdvance(shown), qPrintable(shown));
            QVERIFY2(end < box->width(), qPrintable(shown));
        }
    }
}

void TestTiles::twinTilesKeepTheirRows_data() {
    QTest::addColumn<int>("exercise");
    QTest::newRow("clocks sharing a time phrase") << 19;
    QTest::newRow("a word of two topics") << 21;
}

void TestTiles::twinTilesKeepTheirRows() {
    // Tiles 1 and 2 carry the same word: each row keeps the tile dropped on
    // it, and taking one tile away empties only its own row.
    QFETCH(int, exercise);
    frm_Game01 &f = open(exercise, 10);
    QVERIFY(!f.LoadAborted());
    f.LDown(2)->setCaption(f.LDown(1)->Caption());
    auto carrier = [&](int r) { return exercise == 19 ? f.TextPred(r)->Tag : f.TVstup(r)->Tag; };
    auto target = [&](int r) { return exercise == 19 ? f.TextPred(r)->pos() : f.TVstup(r)->pos(); };
    const QString word = f.LDown(1)->Caption();
    dragTile(f, 1, target(1));
    dragTile(f, 2, target(2));
    QCOMPARE(carrier(1), word);
    QCOMPARE(carrier(2), word);
    QVERIFY(f.picDown(1)->pos() != tileStart(1));
    dragTile(f, 3, target(1));  // tile 1 goes back, tile 2 stays
    QCOMPARE(f.picDown(1)->pos(), tileStart(1));
    QVERIFY(f.picDown(2)->pos() != tileStart(2));
    QCOMPARE(carrier(2), word);
    f.LDown_DblClick(2);
    QCOMPARE(carrier(2), QString());
    QCOMPARE(carrier(1), f.LDown(3)->Caption());
}

QTEST_MAIN(TestTiles)
#include "tst_tiles.moc"
