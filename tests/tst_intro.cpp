// The intro form's title, plain help and exercise help modes.
#include "screens_fixture.h"

#include "exercise/frm_Game01.h"

#include <QElapsedTimer>

using namespace screentest;

class IntroTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void titleEndsOnClick();
    void titleEndsAtDeadline();
    void plainHelpReturnsToOpener();
    void plainHelpWithoutOpenerShowsSelection();
    void exerciseHelpClick_data();
    void exerciseHelpClick();

private:
    std::unique_ptr<Course> m_course;
};

void IntroTest::initTestCase() {
    m_course = std::make_unique<Course>();
    QVERIFY(m_course->activate());
    QVERIFY(startProgram());
}

void IntroTest::cleanup() {
    if (frm_Game01::existing()) frm_Game01::Unload();
    if (frm_Intro::existing()) frm_Intro::Unload();
    frm_Select::get().Show();
    QTRY_VERIFY(!frm_Intro::existing() && !frm_Game01::existing());
}

void IntroTest::titleEndsOnClick() {
    // The title the start-up put up: shown, selection hidden behind it.
    frm_Intro *intro = frm_Intro::existing();
    QVERIFY(intro);
    QCOMPARE(intro->STAV_FORMU, frm_Intro::kTitleScreen);
    QVERIFY(intro->isVisible());
    QVERIFY(!frm_Select::get().isVisible());
    QVERIFY(intro->TitleScreenDeadline - Misc::tickCount() > 5000);
    QElapsedTimer t;
    t.start();
    click(intro);
    QVERIFY(QTest::qWaitFor([] { return frm_Select::get().isVisible() && !frm_Intro::existing(); }, 3000));
    QVERIFY(t.elapsed() < 3000);
    QCOMPARE(Misc::CurrentScreen, &frm_Select::get());
}

void IntroTest::titleEndsAtDeadline() {
    frm_Select::get().Hide();
    frm_Intro &intro = frm_Intro::get();
    intro.STAV_FORMU = frm_Intro::kTitleScreen;
    intro.Load();
    QCOMPARE(Misc::CurrentScreen, &intro);
    intro.TitleScreenDeadline = Misc::tickCount() + 600;
    QElapsedTimer t;
    t.start();
    intro.Show();
    QVERIFY(!frm_Select::get().isVisible());
    // The title waits inside its own timer handler, so the wait below only
    // returns once the title has ended: its length tells when that was.
    QVERIFY(QTest::qWaitFor([] { return frm_Select::get().isVisible() && !frm_Intro::existing(); }, 3000));
    QVERIFY2(t.elapsed() >= 580, qPrintable(QString::number(t.elapsed())));
    QVERIFY2(t.elapsed() < 1500, qPrintable(QString::number(t.elapsed())));
    QCOMPARE(Misc::CurrentScreen, &frm_Select::get());
}

void IntroTest::plainHelpReturnsToOpener() {
    // The selection screen's banner opens the authors' page.
    click(frm_Select::get().IHelp);
    frm_Intro *intro = frm_Intro::existing();
    QVERIFY(intro && intro->isVisible());
    QVERIFY(intro->STAV_FORMU.isEmpty());
    QCOMPARE(intro->picture().toImage(), Misc::loadPicture(QStringLiteral("Bitmap\\Help\\autori.bmp")).toImage());
    platform::Sounds::log().clear();
    click(intro);
    QCOMPARE(clickSounds(), 1);
    QVERIFY(frm_Select::get().isVisible());
    QCOMPARE(Misc::CurrentScreen, &frm_Select::get());
    QTRY_VERIFY(!frm_Intro::existing());
}

void IntroTest::plainHelpWithoutOpenerShowsSelection() {
    frm_Select::get().Hide();
    frm_Intro &intro = frm_Intro::get();
    intro.STAV_FORMU.clear();
    intro.Show();
    intro.Nadrazeny_form = nullptr;
    click(&intro);
    QVERIFY(frm_Select::get().isVisible());
    QCOMPARE(Misc::CurrentScreen, &frm_Select::get());
}

void IntroTest::exerciseHelpClick_data() {
    QTest::addColumn<QString>("exercise");
    QTest::addColumn<QString>("outcome");  // "exercise", "topics" or "stays"
    QTest::newRow("1") << "1" << "exercise";
    QTest::newRow("21") << "21" << "topics";
    QTest::newRow("24") << "24" << "exercise";
    QTest::newRow("05 is not 5") << "05" << "stays";
}

void IntroTest::exerciseHelpClick() {
    QFETCH(QString, exercise);
    QFETCH(QString, outcome);
    Misc::ExerciseNumber = exercise;
    Misc::QuestionCount = 10;
    frm_Select::get().Hide();
    frm_Intro &intro = frm_Intro::get();
    intro.STAV_FORMU = frm_Intro::kExerciseHelp;
    intro.Load();
    intro.setPicture(Misc::loadPicture(QStringLiteral("Bitmap\\Help\\01.bmp")));
    intro.Show();
    intro.Nadrazeny_form = &frm_Select::get();
    click(&intro);
    if (outcome == QLatin1String("exercise")) {
        QVERIFY(frm_Game01::loaded());
        QCOMPARE(Misc::CurrentScreen, frm_Game01::existing());
        QTRY_VERIFY(!frm_Intro::existing());
    } else if (outcome == QLatin1String("topics")) {
        QCOMPARE(frm_Intro::existing(), &intro);
        QVERIFY(intro.isVisible());
        QCOMPARE(intro.STAV_FORMU, frm_Intro::kTopicScreen);
        QCOMPARE(Misc::CurrentScreen, &intro);
        QVERIFY(!frm_Game01::existing());
    } else {
        QCOMPARE(frm_Intro::existing(), &intro);
        QVERIFY(intro.isVisible());
        QCOMPARE(intro.STAV_FORMU, frm_Intro::kExerciseHelp);
        QVERIFY(!frm_Game01::existing());
    }
}

QTEST_MAIN(IntroTest)
#include "tst_intro.moc"
