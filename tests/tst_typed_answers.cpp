// Typed answers and the drop-down list on the real exercise form: where the
// list opens, choosing from it in exercises 7 and 8, Enter in exercise 3,
// the boxes' mouse rules, the US layout on every key, and the answers
// normalised by the check.
#include "state/Misc.h"
#include "state/Services.h"
#include "exercise/frm_Game01.h"
#include "platform/keyboard.h"
#include "platform/sound.h"
#include "exercise/frm_Chybovy.h"
#include "screens/frm_Setup.h"
#include "exercise_fixture.h"
#include "testsupport.h"

#include <QtTest>

#include <memory>

using namespace Misc;
using exercisetest::settle;

class TestTypedAnswers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listPlacement_data();
    void listPlacement();
    void listOnTheForm_data();
    void listOnTheForm();
    void choosingFromTheList_data();
    void choosingFromTheList();
    void enterMovesOn_data();
    void enterMovesOn();
    void boxClicks_data();
    void boxClicks();
    void keyPressSwitchesToUs();
    void checkNormalisesTypedAnswers_data();
    void checkNormalisesTypedAnswers();
    void gapSentencesOpenAgainOnNextPage();

private:
    frm_Game01 &open(int exercise, int count);
    exercisetest::Course m_course;
};

void TestTypedAnswers::initTestCase() { QVERIFY(m_course.start(true, false)); }

void TestTypedAnswers::init() {
    exercisetest::resetRun();
    PupilName = QStringLiteral("Jiří");
}

void TestTypedAnswers::cleanup() { m_course.closeForms(); }

frm_Game01 &TestTypedAnswers::open(int exercise, int count) {
    return exercisetest::openExercise(exercise, count);
}

// ---- Placement rule -----------------------------------------------------------

void TestTypedAnswers::listPlacement_data() {
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QSize>("list");
    QTest::addColumn<QPoint>("at");
    const QSize list(100, 66);
    QTest::newRow("room right and below") << QRect(200, 100, 90, 20) << list << QPoint(200, 120);
    QTest::newRow("exactly at the right edge") << QRect(540, 100, 90, 20) << list << QPoint(540, 120);
    QTest::newRow("one past the right edge") << QRect(541, 100, 90, 20) << list << QPoint(531, 120);
    QTest::newRow("exactly at the bottom") << QRect(200, 394, 90, 20) << list << QPoint(200, 414);
    QTest::newRow("one past the bottom: above") << QRect(200, 395, 90, 20) << list << QPoint(200, 329);
    QTest::newRow("bottom right corner") << QRect(560, 440, 70, 20) << list << QPoint(530, 374);
}

void TestTypedAnswers::listPlacement() {
    QFETCH(QRect, box);
    QFETCH(QSize, list);
    QFETCH(QPoint, at);
    QCOMPARE(frm_Game01::ListPlacement(box, list, QSize(640, 480)), at);
}

// ---- The list on the form -------------------------------------------------------

void TestTypedAnswers::listOnTheForm_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<int>("options");
    QTest::newRow("exercise 7: three options") << 7 << 3;
    QTest::newRow("exercise 8: four options") << 8 << 4;
}

void TestTypedAnswers::listOnTheForm() {
    QFETCH(int, exercise);
    QFETCH(int, options);
    frm_Game01 &f = open(exercise, 10);
    QCOMPARE(ListOptionCount, options);
    // Row 3's options are its record's answer and wrong options in some order.
    const ContentRecord &rec = ContentRecords[std::size_t(DrawnItems[3])];
    QStringList expected{rec.field[1], rec.field[6], rec.field[7]};
    if (options == 4) expected << rec.field[8];
    QStringList shown;
    for (int k = 1; k <= options; ++k) shown << f.ListOptions[std::size_t(k)][3];
    expected.sort();
    shown.sort();
    QCOMPARE(shown, expected);
    QCOMPARE(f.TVstup(3)->ForeColor(), QColor(255, 0, 0));
    // The box holds its widest option whole.
    QVERIFY(f.TVstup(3)->width() >= f.ListOptionsWidth(3) + 5);
    auto cursorX = [&f] { return f.TVstup(3)->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(); };
    f.TVstup(3)->clear();
    const int start = cursorX();
    for (int k = 1; k <= options; ++k) {
        const QString option = f.ListOptions[std::size_t(k)][3];
        f.TVstup(3)->setText(option);
        f.TVstup(3)->end(false);
        // Not scrolled: the cursor after the text stands a text's width right of the start.
        QCOMPARE(cursorX(), start + QFontMetrics(f.TVstup(3)->font()).horizontalAdvance(option));
    }
    f.TVstup(3)->clear();
    QCOMPARE(f.TextZa(3)->x(), f.TVstup(3)->x() + f.TVstup(3)->width());

    f.TVstup_MouseDown(3);
    QVERIFY(f.ListBox->isVisible());
    QCOMPARE(f.ListTargetRow, 3);
    QCOMPARE(f.ListBox->width(), f.ListOptionsWidth(3) + 6);
    QCOMPARE(f.ListBox->pos(), QPoint(f.TVstup(3)->x(), f.TVstup(3)->y() + f.TVstup(3)->height()));
    for (int k = 1; k <= options; ++k) {
        QCOMPARE(f.Polozka(k)->Caption(), f.ListOptions[std::size_t(k)][3]);
        QCOMPARE(f.Polozka(k)->BackColor(), QColor(255, 236, 182));
        QCOMPARE(f.Polozka(k)->x(), 2);
    }
    // The option under the mouse swaps its colours; the others stay normal.
    f.Polozka_MouseMove(2);
    QCOMPARE(f.Polozka(2)->BackColor(), QColor(Qt::black));
    QCOMPARE(f.Polozka(2)->ForeColor(), QColor(255, 236, 182));
    QCOMPARE(f.Polozka(1)->BackColor(), QColor(255, 236, 182));

    // A press on the row's text closes the list.
    f.TextPred(3)->events.MouseDown(3, Qt::LeftButton, 1, 1);
    QVERIFY(!f.ListBox->isVisible());

    // Near the right edge the list is right-aligned with the box; near the
    // bottom it opens above it.
    f.TVstup(10)->setGeometry(620, 460, 20, 20);  // narrower than the list
    f.TVstup_MouseDown(10);
    QCOMPARE(f.ListBox->x() + f.ListBox->width(), 640);
    QCOMPARE(f.ListBox->y() + f.ListBox->height(), f.TVstup(10)->y());
}

void TestTypedAnswers::choosingFromTheList_data() { listOnTheForm_data(); }

void TestTypedAnswers::choosingFromTheList() {
    QFETCH(int, exercise);
    frm_Game01 &f = open(exercise, 10);
    f.TVstup_MouseDown(2);
    f.Polozka_MouseDown(3);
    QCOMPARE(f.TVstup(2)->Text(), f.ListOptions[3][2]);
    QCOMPARE(f.TVstup(2)->ForeColor(), QColor(Qt::black));
    QVERIFY(!f.ListBox->isVisible());
    // A later choice replaces the earlier one.
    f.TVstup_MouseDown(2);
    f.Polozka_MouseDown(1);
    QCOMPARE(f.TVstup(2)->Text(), f.ListOptions[1][2]);

    // The right option of every row makes the page right.
    for (int r = 1; r <= 10; ++r) {
        f.TVstup_MouseDown(r);
        int k = 1;
        while (f.ListOptions[std::size_t(k)][std::size_t(r)] != f.TVstup(r)->Tag) ++k;
        f.Polozka_MouseDown(k);
    }
    f.TVstup_MouseDown(5);  // left open at the check
    f.PicTop_MouseDown(1);
    QCOMPARE(CorrectCount, 10);
    QVERIFY(!f.ListBox->isVisible());
    // A checked page opens no list.
    f.TVstup_MouseDown(4);
    QVERIFY(!f.ListBox->isVisible());
}

// ---- Keys in exercise 3 ---------------------------------------------------------

void TestTypedAnswers::enterMovesOn_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("next");
    QTest::newRow("Enter in row 1") << 10 << 1 << 13 << 2;
    QTest::newRow("keypad separator in row 4") << 10 << 4 << 108 << 5;
    QTest::newRow("Enter in row 10 wraps") << 10 << 10 << 13 << 1;
    QTest::newRow("Enter in row 5 of a page of 5 wraps") << 5 << 5 << 13 << 1;
}

void TestTypedAnswers::enterMovesOn() {
    QFETCH(int, count);
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(int, next);
    frm_Game01 &f = open(3, count);
    f.TVstup(row)->setFocus();
    int code = key;
    f.TVstup_KeyDown(row, code, Qt::NoModifier);
    QCOMPARE(f.focusWidget(), static_cast<QWidget *>(f.TVstup(next)));
    QCOMPARE(code, 0);
    // Other keys type as usual.
    int letter = 'A';
    f.TVstup_KeyDown(next, letter, Qt::NoModifier);
    QCOMPARE(letter, int('A'));
}

// ---- Mouse on the boxes -----------------------------------------------------------

void TestTypedAnswers::boxClicks_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<bool>("keepsFocus");   // an unchecked box keeps the focus
    QTest::addColumn<bool>("clickSound");
    QTest::newRow("3 typed") << 3 << true << true;
    QTest::newRow("13 typed") << 13 << true << true;
    QTest::newRow("14 typed") << 14 << true << true;
    QTest::newRow("1 tiles only") << 1 << false << false;
    QTest::newRow("5 tiles only") << 5 << false << false;
    QTest::newRow("7 list") << 7 << false << false;
}

void TestTypedAnswers::boxClicks() {
    QFETCH(int, exercise);
    QFETCH(bool, keepsFocus);
    QFETCH(bool, clickSound);
    frm_Game01 &f = open(exercise, 10);
    f.TVstup(2)->setFocus();
    platform::Sounds::log().clear();
    f.TVstup_MouseDown(2);
    QCOMPARE(f.focusWidget() == f.TVstup(2), keepsFocus);
    QCOMPARE(!platform::Sounds::log().isEmpty(), clickSound);
    f.TVstup_MouseMove(2);
    if (exercise != 1 && exercise != 5) {
        QCOMPARE(int(HoverCode), 52);
        QCOMPARE(f.TVstup(2)->cursor().shape(), CursorHand.shape());
    }
}

void TestTypedAnswers::keyPressSwitchesToUs() {
    frm_Game01 &f = open(14, 5);
    auto &layouts = platform::KeyboardLayouts::system();
    layouts.loadAndActivate(QStringLiteral("00000405"));
    QVERIFY(!layouts.activeName().contains(QStringLiteral("00000409")));
    int code = 'A';
    f.TVstup_KeyDown(1, code, Qt::NoModifier);
    QVERIFY(layouts.activeName().contains(QStringLiteral("00000409")));
    QVERIFY(UsLayoutActive);
}

// ---- The check normalises typed answers ---------------------------------------------

void TestTypedAnswers::checkNormalisesTypedAnswers_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("typed");     // %1 stands for the expected answer
    QTest::addColumn<bool>("right");
    QTest::newRow("3: spaces round and inside") << 3 << QStringLiteral("  %1   ") << true;
    QTest::newRow("13: exact") << 13 << QStringLiteral("%1") << true;
    QTest::newRow("13: a letter in upper case") << 13 << QStringLiteral("%1X") << false;
    QTest::newRow("14: leading spaces") << 14 << QStringLiteral("   %1") << true;
    QTest::newRow("9: Czech letters stay") << 9 << QStringLiteral("%1ř") << false;
    QTest::newRow("15: empty is wrong") << 15 << QString() << false;
}

void TestTypedAnswers::checkNormalisesTypedAnswers() {
    QFETCH(int, exercise);
    QFETCH(QString, typed);
    QFETCH(bool, right);
    frm_Game01 &f = open(exercise, 10);
    const QString tag = f.TVstup(1)->Tag;
    QVERIFY(!f.TVstup(1)->Locked());
    QString text = typed.contains(QLatin1String("%1")) ? typed.arg(tag) : typed;
    // Three spaces inside the answer (where it has a space) become one.
    const bool inner = tag.contains(QLatin1Char(' '));
    if (inner) text.replace(tag, QString(tag).replace(QLatin1Char(' '), QStringLiteral("   ")));
    f.TVstup(1)->setText(text);
    f.PicTop_MouseDown(1);
    QCOMPARE(CorrectCount, right ? 1 : 0);
    QCOMPARE(f.TVstup(1)->Text(), text.simplified().isEmpty() ? QString() : QString(text).trimmed().replace(QRegularExpression(QStringLiteral(" +")), QStringLiteral(" ")));
    QVERIFY(f.TVstup(1)->Locked());
    // A checked box is clicked to nothing: the focus goes to the hidden box.
    f.TVstup_MouseDown(1);
    QVERIFY(f.focusWidget() != f.TVstup(1));
}

void TestTypedAnswers::gapSentencesOpenAgainOnNextPage() {
    frm_Game01 &f = open(16, 20);
    for (int r = 1; r <= 10; ++r) {
        QVERIFY(!f.TVstup(r)->Locked());
        QCOMPARE(f.TextZa(r)->x(), f.TVstup(r)->x() + f.TVstup(r)->width());
    }
    f.PicTop_MouseDown(1);
    QVERIFY(f.TVstup(1)->Locked());
    f.picPokracuj_Click();
    QCOMPARE(ItemsOnPage, 10);
    for (int r = 1; r <= 10; ++r) QVERIFY(!f.TVstup(r)->Locked());
}

QTEST_MAIN(TestTypedAnswers)
#include "tst_typed_answers.moc"
