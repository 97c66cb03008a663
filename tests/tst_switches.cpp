// Switch rows (2, 4, 11): what a chosen position writes (capitals, exercise
// 2's closed gap), and the switches on the real form: drawing, enabling,
// repeated presses, the checked page and the hover codes.
#include "state/Misc.h"
#include "state/Services.h"
#include "exercise/TileRules.h"
#include "exercise/frm_Game01.h"
#include "platform/sound.h"
#include "screens/frm_Setup.h"
#include "exercise_fixture.h"
#include "testsupport.h"

#include <QtTest>

#include <memory>

using namespace Misc;
using exercisetest::settle;

class TestSwitches : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void choice_data();
    void choice();

    void fillLeavesRowsAtRest_data();
    void fillLeavesRowsAtRest();
    void gapClosesAndOpens();
    void positionThreeReenablesOthers();
    void samePositionAgainChangesNothing();
    void checkedPageIgnoresSwitches();
    void hoverCodes();

private:
    frm_Game01 &open(int exercise);
    // The form's pixels where row r's switch is drawn equal the picture.
    static bool switchShows(frm_Game01 &f, int r, const QPixmap &picture);
    exercisetest::Course m_course;
};

void TestSwitches::initTestCase() { QVERIFY(m_course.start(false, true)); }

void TestSwitches::init() { exercisetest::resetRun(); }

void TestSwitches::cleanup() { m_course.closeForms(); }

frm_Game01 &TestSwitches::open(int exercise) {
    return exercisetest::openExercise(exercise, 10, exercisetest::Open::LoadOnly);
}

bool TestSwitches::switchShows(frm_Game01 &f, int r, const QPixmap &picture) {
    const int x = f.exercise() == 11 ? 241 : 269;
    const QImage want = picture.toImage().convertToFormat(QImage::Format_RGB32);
    const QImage have =
        f.image().copy(x, 146 + 66 * (r - 1), want.width(), want.height()).convertToFormat(QImage::Format_RGB32);
    return !want.isNull() && have == want;
}

// ---- What a position writes --------------------------------------------------

void TestSwitches::choice_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("gap");
    QTest::addColumn<QString>("afterWritten");
    QTest::addColumn<bool>("gapShown");
    QTest::newRow("2: article mid-sentence") << 2 << 1 << "the" << "He plays" << " piano." << "the" << " piano." << true;
    QTest::newRow("2: article first") << 2 << 1 << "the" << "" << " Sun is hot." << "The" << " sun is hot." << true;
    QTest::newRow("2: no article first") << 2 << 2 << "" << "" << " breakfast." << "" << " Breakfast." << false;
    QTest::newRow("2: no article mid") << 2 << 2 << "" << "I have" << " breakfast." << "" << " breakfast." << false;
    QTest::newRow("2: czech letters") << 2 << 2 << "" << "" << " čaj je." << "" << " Čaj je." << false;
    QTest::newRow("11: first") << 11 << 3 << "at" << "" << " Šest." << "At" << " šest." << true;
    QTest::newRow("11: mid") << 11 << 2 << "on" << "We have it" << " Monday." << "on" << " Monday." << true;
    QTest::newRow("4: unchanged") << 4 << 2 << "many" << "" << " Cats." << "many" << " Cats." << true;
    QTest::newRow("short after-text") << 11 << 1 << "in" << "" << "." << "In" << "." << true;
}

void TestSwitches::choice() {
    QFETCH(int, exercise);
    QFETCH(int, position);
    QFETCH(QString, word);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, gap);
    QFETCH(QString, afterWritten);
    QFETCH(bool, gapShown);
    const auto c = exercise::chooseSwitchPosition(exercise, position, word, before, after);
    QCOMPARE(c.gap, gap);
    QCOMPARE(c.after, afterWritten);
    QCOMPARE(c.gapShown, gapShown);
}

// ---- On the form -----------------------------------------------------------------

void TestSwitches::fillLeavesRowsAtRest_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("gapText");
    QTest::newRow("2") << 2 << "?";
    QTest::newRow("4") << 4 << "";
    QTest::newRow("11") << 11 << "";
}

void TestSwitches::fillLeavesRowsAtRest() {
    QFETCH(int, exercise);
    QFETCH(QString, gapText);
    frm_Game01 &f = open(exercise);
    QCOMPARE(int(ItemsOnPage), 5);
    for (int r = 1; r <= 5; ++r) {
        QCOMPARE(f.SwitchState[std::size_t(r)], QString());
        QCOMPARE(f.TVstup(r)->Text(), gapText);
        QCOMPARE(f.TVstup(r)->ForeColor(), QColor(255, 0, 0));
        const int set = (exercise == 4 && f.Prepinac1(r)->Tag == QLatin1String("many")) ? 10 : 0;
        QVERIFY2(switchShows(f, r, f.SwitchPictures[set]), qPrintable(QStringLiteral("row %1").arg(r)));
    }
    // A chosen row goes back to rest on the next page.
    f.Prepinac_MouseDown(1, 2);
    QCOMPARE(f.SwitchState[2], QStringLiteral("Prepinac1"));
    f.FillPage();
    QCOMPARE(f.SwitchState[2], QString());
    QVERIFY(f.Prepinac1(2)->isEnabled());
}

void TestSwitches::gapClosesAndOpens() {
    frm_Game01 &f = open(2);
    const int r = 3;
    f.TextPred(r)->setCaption(QString());
    f.TextZa(r)->setCaption(QStringLiteral(" breakfast at seven."));
    f.Prepinac1(r)->Tag = QStringLiteral("the");
    f.Prepinac2(r)->Tag = QString();
    ui::TextBox *box = f.TVstup(r);

    f.Prepinac_MouseDown(2, r);
    QVERIFY(!box->isVisibleTo(&f));
    // The sentence now begins with the after-text, its leading space drawn
    // off to the left.
    QVERIFY(f.TextZa(r)->x() < box->x() && f.TextZa(r)->x() > box->x() - 8);
    QCOMPARE(f.TextZa(r)->Caption(), QStringLiteral(" Breakfast at seven."));
    QCOMPARE(box->Text(), QString());
    QCOMPARE(f.SwitchState[r], QStringLiteral("Prepinac2"));
    QVERIFY(!f.Prepinac2(r)->isEnabled());
    QVERIFY(f.Prepinac1(r)->isEnabled());
    QVERIFY(switchShows(f, r, f.SwitchPictures[2]));
    QCOMPARE(f.focusWidget(), static_cast<QWidget *>(f.Text1));

    f.Prepinac_MouseDown(1, r);
    QVERIFY(box->isVisibleTo(&f));
    QCOMPARE(box->Text(), QStringLiteral("The"));
    QCOMPARE(box->ForeColor(), QColor(Qt::black));
    QCOMPARE(f.TextZa(r)->x(), box->x() + box->width());
    QCOMPARE(f.TextZa(r)->Caption(), QStringLiteral(" breakfast at seven."));
    QVERIFY(switchShows(f, r, f.SwitchPictures[1]));

    // Mid-sentence the closed gap keeps one space between the two texts.
    f.TextPred(1)->setCaption(QStringLiteral("Our teacher is "));
    f.TextZa(1)->setCaption(QStringLiteral(" Mrs Black."));
    f.Prepinac_MouseDown(2, 1);
    QCOMPARE(f.TextZa(1)->Caption(), QStringLiteral(" Mrs Black."));
    QVERIFY(f.TextZa(1)->x() < f.TVstup(1)->x());
    QVERIFY(f.TextZa(1)->x() > f.TVstup(1)->x() - 8);
}

void TestSwitches::positionThreeReenablesOthers() {
    frm_Game01 &f = open(11);
    f.Prepinac_MouseDown(1, 4);
    QVERIFY(!f.Prepinac1(4)->isEnabled());
    f.Prepinac_MouseDown(3, 4);
    QVERIFY(f.Prepinac1(4)->isEnabled());
    QVERIFY(f.Prepinac2(4)->isEnabled());
    QVERIFY(!f.Prepinac3(4)->isEnabled());
    QCOMPARE(f.SwitchState[4], QStringLiteral("Prepinac3"));
    QVERIFY(switchShows(f, 4, f.SwitchPictures[3]));
    const QString word = f.Prepinac3(4)->Tag;
    QCOMPARE(f.TVstup(4)->Text(),
             f.TextPred(4)->Caption().isEmpty() ? exercise::withCapital(word) : word);
    // The other rows are untouched.
    QCOMPARE(f.SwitchState[3], QString());
}

void TestSwitches::samePositionAgainChangesNothing() {
    frm_Game01 &f = open(11);
    f.Prepinac_MouseDown(2, 1);
    f.TVstup(1)->setText(QStringLiteral("x"));
    f.Prepinac_MouseDown(2, 1);
    QCOMPARE(f.TVstup(1)->Text(), QStringLiteral("x"));
}

void TestSwitches::checkedPageIgnoresSwitches() {
    frm_Game01 &f = open(4);
    f.PicTop(1)->QWidget::setEnabled(false);
    f.Prepinac_MouseDown(2, 1);
    QCOMPARE(f.TVstup(1)->Text(), QString());
    QCOMPARE(f.SwitchState[1], QString());
    const int before = int(platform::Sounds::log().size());
    HoverCode = 0;
    f.Prepinac_MouseMove(1, 1);
    QCOMPARE(int(platform::Sounds::log().size()), before);
    QCOMPARE(int(HoverCode), 0);
}

void TestSwitches::hoverCodes() {
    frm_Game01 &f = open(11);
    auto &log = platform::Sounds::log();
    const int start = int(log.size());
    f.Prepinac_MouseMove(1, 2);
    QCOMPARE(int(HoverCode), 32);
    f.Prepinac_MouseMove(3, 2);  // the same code: no second sound
    QCOMPARE(int(log.size()), start + 1);
    f.Prepinac_MouseMove(2, 2);
    QCOMPARE(int(HoverCode), 42);
    QCOMPARE(int(log.size()), start + 2);
}

QTEST_MAIN(TestSwitches)
#include "tst_switches.moc"
