// The selection screen through its widgets: the right column per group,
// choosing an exercise, the hover sounds, the authors' page and the return
// from the setup screen.
#include "screens_fixture.h"

#include "rules/ExerciseGroups.h"
#include "screens/frm_Setup.h"

using namespace screentest;

class SelectTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void startsWithNoExercise();
    void groupLayouts_data();
    void groupLayouts();
    void openGroupSurvivesHiding();
    void choosingExercises_data();
    void choosingExercises();
    void hoverSoundsOncePerEntry();

private:
    frm_Select &sel() { return frm_Select::get(); }
    std::unique_ptr<Course> m_course;
};

void SelectTest::initTestCase() {
    m_course = std::make_unique<Course>();
    QVERIFY(m_course->activate());
    QVERIFY(startProgram());
    QVERIFY(skipTitle());
    QCOMPARE(Misc::CurrentScreen, &sel());
}

void SelectTest::startsWithNoExercise() {
    for (int k = 1; k <= 6; ++k) QVERIFY(!sel().RI(k)->Visible());
    for (int g = 1; g <= 7; ++g) QCOMPARE(sel().LI(g)->Top(), 102 + (g - 1) * 54);
    QCOMPARE(Misc::ExerciseNumber, QStringLiteral("0"));
    QCOMPARE(sel().openGroup(), 0);
}

void SelectTest::groupLayouts_data() {
    QTest::addColumn<QList<int>>("groups");  // opened in this order; the last one is checked
    QTest::addColumn<QList<int>>("tops");
    QTest::addColumn<QList<int>>("heights");
    QTest::newRow("group 5") << QList<int>{5} << QList<int>{140, 196, 241, 287, 333, 378}
                             << QList<int>{57, 46, 47, 47, 46, 60};
    QTest::newRow("group 4 after group 5") << QList<int>{5, 4} << QList<int>{185, 286} << QList<int>{102, 105};
    QTest::newRow("group 1") << QList<int>{1} << QList<int>{140, 219, 287, 355} << QList<int>{80, 69, 69, 83};
}

void SelectTest::groupLayouts() {
    QFETCH(QList<int>, groups);
    QFETCH(QList<int>, tops);
    QFETCH(QList<int>, heights);
    for (int g : groups) click(sel().LI(g));
    const int open = groups.last();
    QCOMPARE(sel().openGroup(), open);
    for (int g = 1; g <= 7; ++g) QCOMPARE(sel().LI(g)->Tag, QString(g == open ? "1" : "0"));
    for (int k = 1; k <= 6; ++k) {
        if (k <= tops.size()) {
            QVERIFY2(sel().RI(k)->Visible(), qPrintable(QStringLiteral("position %1").arg(k)));
            QCOMPARE(sel().RI(k)->Top(), tops[k - 1]);
            QCOMPARE(sel().RI(k)->Height(), heights[k - 1]);
            QCOMPARE(sel().RI(k)->Left(), 333);
        } else {
            QVERIFY2(!sel().RI(k)->Visible(), qPrintable(QStringLiteral("position %1").arg(k)));
        }
    }
}

void SelectTest::openGroupSurvivesHiding() {
    click(sel().LI(3));
    sel().Hide();
    sel().Show();
    QCOMPARE(sel().openGroup(), 3);
    QVERIFY(sel().RI(3)->Visible());
    QVERIFY(!sel().RI(4)->Visible());
    // Clicking the open group again changes nothing.
    const int top2 = sel().RI(2)->Top();
    click(sel().LI(3));
    QCOMPARE(sel().openGroup(), 3);
    QCOMPARE(sel().RI(2)->Top(), top2);
}

void SelectTest::choosingExercises_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("groupText");
    QTest::addColumn<int>("nameText");
    QTest::newRow("third of group 6") << 6 << 3 << "21" << 13 << 28;
    QTest::newRow("sixth of group 5") << 5 << 6 << "18" << 11 << 33;
}

void SelectTest::choosingExercises() {
    QFETCH(int, group);
    QFETCH(int, position);
    QFETCH(QString, number);
    QFETCH(int, groupText);
    QFETCH(int, nameText);
    click(sel().LI(group));
    moveOver(&sel(), QPoint(620, 300));
    const qint64 normalKey = sel().RI(position)->picture().cacheKey();
    moveOver(sel().RI(position));  // lit under the mouse
    QVERIFY(sel().RI(position)->picture().cacheKey() != normalKey);

    click(sel().RI(position));
    QCOMPARE(Misc::ExerciseNumber, number);
    QVERIFY(!Misc::TextTable[std::size_t(groupText)].isEmpty());
    QCOMPARE(Misc::GroupTitle, Misc::TextTable[std::size_t(groupText)]);
    QCOMPARE(Misc::ExerciseTitle, Misc::TextTable[std::size_t(nameText)]);
    QVERIFY(frm_Setup::loaded());
    QVERIFY(frm_Setup::get().isVisible());
    QVERIFY(!sel().isVisible());
    QCOMPARE(Misc::CurrentScreen, frm_Setup::existing());

    // Back: the same group is open and every exercise picture is normal.
    click(frm_Setup::get().IKonec);
    QVERIFY(sel().isVisible());
    QCOMPARE(Misc::CurrentScreen, &sel());
    QTRY_VERIFY(!frm_Setup::existing());
    QCOMPARE(sel().openGroup(), group);
    QCOMPARE(sel().RI(position)->picture().cacheKey(), normalKey);
    for (int k = 1; k <= 6; ++k) QCOMPARE(sel().RI(k)->Tag, QStringLiteral("0"));
}

void SelectTest::hoverSoundsOncePerEntry() {
    click(sel().LI(5));
    moveOver(&sel(), QPoint(620, 300));
    platform::Sounds::log().clear();

    moveOver(sel().LI(2));
    moveOver(sel().LI(2), QPoint(3, 3));
    QCOMPARE(hoverSounds(), 1);
    QCOMPARE(Misc::HoverCode, 3);
    moveOver(sel().RI(4));
    QCOMPARE(Misc::HoverCode, 12);
    QCOMPARE(hoverSounds(), 2);
    // The help area shares code 12 with the fourth exercise picture.
    moveOver(sel().IHelp);
    QCOMPARE(hoverSounds(), 2);
    moveOver(sel().IKonec);
    moveOver(sel().IKonec, QPoint(2, 2));
    QCOMPARE(Misc::HoverCode, 1);
    QCOMPARE(hoverSounds(), 3);
    // The background plays nothing and clears the code; entering again plays.
    moveOver(&sel(), QPoint(620, 300));
    QCOMPARE(Misc::HoverCode, 0);
    QCOMPARE(hoverSounds(), 3);
    moveOver(sel().IKonec);
    QCOMPARE(hoverSounds(), 4);
    QCOMPARE(clickSounds(), 0);
    click(sel().LI(5));
    QCOMPARE(clickSounds(), 1);
}

QTEST_MAIN(SelectTest)
#include "tst_select.moc"
