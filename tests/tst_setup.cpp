// The setup screen: the name rule, the button rules and the slide-in, the
// count dial, help first, continue, help, back and hover, driven through
// its widgets after choosing the exercise on the selection screen.
#include "screens_fixture.h"

#include "exercise/frm_Game01.h"
#include "platform/sound.h"
#include "screens/frm_Setup.h"

using namespace screentest;

class SetupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void nameRule_data();
    void nameRule();
    void buttonRules_data();
    void buttonRules();

    void freshScreen();
    void nameBox();
    void buttonsFollowNameAndCount();
    void noPrintButtonFor21To24_data();
    void noPrintButtonFor21To24();
    void dialShowsLastChoice();
    void helpFirstLeadsToHelpPage();
    void continueStartsExercise();
    void exercise21GoesToTopics();
    void helpPageReturns();
    void hoverCodesAndSounds();

private:
    frm_Setup &openSetup(int group, int position);
    static bool buttonShowsPicture(ui::PictureBox *button, const QImage &picture);
    std::unique_ptr<Course> m_course;
};

void SetupTest::initTestCase() {
    m_course = std::make_unique<Course>();
    QVERIFY(m_course->activate());
    QVERIFY(startProgram());
    QVERIFY(skipTitle());
}

void SetupTest::cleanup() {
    QVERIFY(backToSelection());
}

frm_Setup &SetupTest::openSetup(int group, int position) {
    click(frm_Select::get().LI(group));
    click(frm_Select::get().RI(position));
    return frm_Setup::get();
}

bool SetupTest::buttonShowsPicture(ui::PictureBox *button, const QImage &picture) {
    const QImage shown = button->image();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y) & 0xFFFFFF;
            if (p != screens::kSlideKey && (shown.pixel(x, y) & 0xFFFFFF) != p) return false;
        }
    return true;
}

void SetupTest::nameRule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("cursorAfter");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<bool>("refused");  // a beep
    QTest::newRow("one space") << " " << 1 << "" << 0 << false << false;
    QTest::newRow("two leading spaces") << "  Jan" << 5 << "Jan" << 3 << false << false;
    QTest::newRow("inner and trailing spaces stay") << "Jan Novák " << 10 << "Jan Novák " << 10 << false << false;
    QTest::newRow("bar refused") << "Jan|ek" << 4 << "Janek" << 3 << false << true;
    QTest::newRow("bar before spaces") << "| Žofie" << 2 << "Žofie" << 0 << false << true;
    QTest::newRow("line break from a paste") << "Eva\r\nNová" << 9 << "EvaNová" << 7 << true << false;
    QTest::newRow("tab") << "\tEma" << 4 << "Ema" << 3 << false << false;
    QTest::newRow("only bars and spaces") << " | |" << 4 << "" << 0 << false << true;
    QTest::newRow("pasted bar parts the words") << "Anna|Bě" << 7 << "Anna Bě" << 7 << true << false;
    QTest::newRow("pasted bar first") << "|Eva" << 4 << "Eva" << 3 << true << false;
    QTest::newRow("letter without a 1250 form") << "Øystein" << 1 << "ystein" << 0 << false << true;
    QTest::newRow("pasted emoji") << QStringLiteral("Ema \U0001F600") << 6 << "Ema " << 4 << true << true;
    QTest::newRow("Czech, Slovak and German letters") << "Ďuriš Ľubomír Ŕíß" << 3 << "Ďuriš Ľubomír Ŕíß" << 3
                                                        << false << false;
}

void SetupTest::nameRule() {
    QFETCH(QString, typed);
    QFETCH(int, cursor);
    QFETCH(QString, kept);
    QFETCH(int, cursorAfter);
    QFETCH(bool, pasted);
    QFETCH(bool, refused);
    int c = cursor;
    bool beep = !refused;
    QCOMPARE(screens::cleanPupilName(typed, &c, pasted, &beep), kept);
    QCOMPARE(c, cursorAfter);
    QCOMPARE(beep, refused);
    QCOMPARE(screens::cleanPupilName(kept), kept);  // a clean name stays as it is
}

void SetupTest::buttonRules_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("exercise");
    QTest::addColumn<bool>("continueButton");
    QTest::addColumn<bool>("printButton");
    QTest::newRow("nothing yet") << "" << 0 << "3" << false << false;
    QTest::newRow("name without count") << "Jan" << 0 << "3" << false << false;
    QTest::newRow("count without name") << "" << 20 << "3" << false << true;
    QTest::newRow("both") << "Jan" << 20 << "20" << true << true;
    QTest::newRow("exercise 21") << "Jan" << 10 << "21" << true << false;
    QTest::newRow("exercise 22") << "Jan" << 30 << "22" << true << false;
    QTest::newRow("exercise 2, not 21") << "Šárka" << 25 << "2" << true << true;
}

void SetupTest::buttonRules() {
    QFETCH(QString, name);
    QFETCH(int, count);
    QFETCH(QString, exercise);
    QFETCH(bool, continueButton);
    QFETCH(bool, printButton);
    QCOMPARE(screens::continueWanted(name, count), continueButton);
    QCOMPARE(screens::printWanted(count, exercise), printButton);
}

void SetupTest::freshScreen() {
    frm_Setup &s = openSetup(1, 3);
    QCOMPARE(Misc::ExerciseNumber, QStringLiteral("3"));
    QVERIFY(s.isVisible());
    QVERIFY(!s.picPokracuj->Visible());
    QVERIFY(!s.picTiskni->Visible());
    QCOMPARE(Misc::QuestionCount, 0);
    QCOMPARE(Misc::HoverCode, 0);
    QVERIFY(!Misc::ShowIntroHelp);
    QVERIFY(!Misc::PrintMode);
    QVERIFY(s.TJmeno->Text().isEmpty());
    QTRY_VERIFY(s.TJmeno->hasFocus());
}

void SetupTest::nameBox() {
    frm_Setup &s = openSetup(1, 2);
    type(s.TJmeno, QStringLiteral(" "));
    QCOMPARE(s.TJmeno->Text(), QString());
    type(s.TJmeno, QStringLiteral("Jiří|"));
    QCOMPARE(s.TJmeno->Text(), QStringLiteral("Jiří"));
    s.TJmeno->clear();
    s.TJmeno->insert(QStringLiteral("  Anna|Bě"));  // a paste
    QCOMPARE(s.TJmeno->Text(), QStringLiteral("Anna Bě"));
    const int beeps = int(platform::Sounds::log().count(QStringLiteral("beep")));
    type(s.TJmeno, QStringLiteral("Ø"));
    QCOMPARE(s.TJmeno->Text(), QStringLiteral("Anna Bě"));
    QCOMPARE(int(platform::Sounds::log().count(QStringLiteral("beep"))), beeps + 1);
    platform::Sounds::log().clear();
    click(s.TJmeno);
    QCOMPARE(clickSounds(), 1);
}

void SetupTest::buttonsFollowNameAndCount() {
    frm_Setup &s = openSetup(1, 3);
    type(s.TJmeno, QStringLiteral("Petr"));
    QVERIFY(!s.picPokracuj->Visible());
    QVERIFY(!s.picTiskni->Visible());

    click(s.ICislo(3));
    QCOMPARE(Misc::QuestionCount, 20);
    QVERIFY(s.ContinueShown() && s.PrintShown());
    QVERIFY(s.picPokracuj->Visible() && s.picTiskni->Visible());
    QVERIFY(buttonShowsPicture(s.picPokracuj, Misc::ContinueButtonPicture));
    QVERIFY(buttonShowsPicture(s.picTiskni, Misc::PrintButtonPicture));

    // Deleting the name hides continue only.
    backspace(s.TJmeno, 4);
    QVERIFY(s.TJmeno->Text().isEmpty());
    QVERIFY(!s.picPokracuj->Visible() && !s.ContinueShown());
    QVERIFY(s.picTiskni->Visible() && s.PrintShown());

    // Typing again slides it in anew: the background patch first, then the
    // frames rising into place.
    s.picPokracuj->setPicture(QPixmap());
    type(s.TJmeno, QStringLiteral("P"));
    QVERIFY(s.picPokracuj->Visible() && s.ContinueShown());
    QVERIFY(buttonShowsPicture(s.picPokracuj, Misc::ContinueButtonPicture));
    const QImage patch = s.PomPic(1)->picture().toImage();
    QCOMPARE(patch.size(), QSize(94, 23));
    QCOMPARE(patch.convertToFormat(QImage::Format_RGB32),
             s.image().copy(s.picPokracuj->geometry()).convertToFormat(QImage::Format_RGB32));

    // The count never returns to 0; another count keeps both buttons.
    click(s.ICislo(1));
    QCOMPARE(Misc::QuestionCount, 10);
    QVERIFY(s.picPokracuj->Visible() && s.picTiskni->Visible());

    // Coming back from another screen keeps name, count and buttons.
    s.Hide();
    s.Show();
    QCOMPARE(s.TJmeno->Text(), QStringLiteral("P"));
    QCOMPARE(Misc::QuestionCount, 10);
    QVERIFY(s.picPokracuj->Visible() && s.picTiskni->Visible());
    QCOMPARE(s.ICislo(1)->Tag, QStringLiteral("1"));
}

void SetupTest::noPrintButtonFor21To24_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("printButton");
    QTest::newRow("exercise 20") << 6 << 2 << "20" << true;
    QTest::newRow("exercise 22") << 7 << 1 << "22" << false;
}

void SetupTest::noPrintButtonFor21To24() {
    QFETCH(int, group);
    QFETCH(int, position);
    QFETCH(QString, number);
    QFETCH(bool, printButton);
    frm_Setup &s = openSetup(group, position);
    QCOMPARE(Misc::ExerciseNumber, number);
    click(s.ICislo(5));
    QCOMPARE(Misc::QuestionCount, 30);
    QCOMPARE(s.picTiskni->Visible(), printButton);
    QVERIFY(!s.picPokracuj->Visible());  // no name yet
    type(s.TJmeno, QStringLiteral("Ola"));
    QVERIFY(s.picPokracuj->Visible());
    QCOMPARE(s.picTiskni->Visible(), printButton);
}

void SetupTest::dialShowsLastChoice() {
    frm_Setup &s = openSetup(2, 1);
    click(s.ICislo(4));
    click(s.ICislo(2));
    QCOMPARE(Misc::QuestionCount, 15);
    for (int k = 1; k <= 5; ++k) QCOMPARE(s.ICislo(k)->Tag, QString(k == 2 ? "1" : "0"));
    const QImage chosen = Misc::loadPicture(QStringLiteral("Bitmap\\Setup\\15_1.bmp")).toImage();
    QCOMPARE(s.ICislo(2)->picture().toImage(), chosen);
    const QImage notChosen = Misc::loadPicture(QStringLiteral("Bitmap\\Setup\\25_0.bmp")).toImage();
    QCOMPARE(s.ICislo(4)->picture().toImage(), notChosen);
    const QImage arrow =
        Misc::loadPicture(QStringLiteral("Bitmap\\Setup\\Sipka_15.bmp")).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(s.image().copy(frm_Setup::kPointerX, frm_Setup::kPointerY, arrow.width(), arrow.height()), arrow);
}

void SetupTest::helpFirstLeadsToHelpPage() {
    frm_Setup &s = openSetup(2, 2);  // exercise 6
    click(s.INapoveda);
    QVERIFY(Misc::ShowIntroHelp);
    click(s.INapoveda);
    QVERIFY(!Misc::ShowIntroHelp);
    click(s.INapoveda);
    QVERIFY(Misc::ShowIntroHelp);
    type(s.TJmeno, QStringLiteral("Věra"));
    click(s.ICislo(1));
    click(s.picPokracuj);
    QCOMPARE(Misc::PupilName, QStringLiteral("Věra"));
    frm_Intro *intro = frm_Intro::existing();
    QVERIFY(intro && intro->isVisible());
    QCOMPARE(intro->STAV_FORMU, frm_Intro::kExerciseHelp);
    QCOMPARE(intro->Nadrazeny_form.data(), &s);
    QCOMPARE(Misc::CurrentScreen, intro);
    QVERIFY(!s.isVisible());
    QCOMPARE(intro->picture().toImage(), Misc::loadPicture(QStringLiteral("Bitmap\\Help\\06.bmp")).toImage());

    // A click on the help page starts the exercise.
    click(intro);
    QVERIFY(frm_Game01::loaded());
    QCOMPARE(Misc::CurrentScreen, frm_Game01::existing());
    QTRY_VERIFY(!frm_Intro::existing());
    // The setup screen waits, unchanged, for the pupil to come back.
    QVERIFY(frm_Setup::loaded());
    QCOMPARE(s.TJmeno->Text(), QStringLiteral("Věra"));
    QVERIFY(Misc::ShowIntroHelp);
}

void SetupTest::continueStartsExercise() {
    frm_Setup &s = openSetup(3, 1);  // exercise 8
    type(s.TJmeno, QStringLiteral("Ondřej"));
    click(s.ICislo(2));
    Misc::PrintMode = true;
    click(s.picPokracuj);
    QVERIFY(!Misc::PrintMode);
    QCOMPARE(Misc::PupilName, QStringLiteral("Ondřej"));
    QCOMPARE(Misc::QuestionCount, 15);
    QVERIFY(frm_Game01::loaded());
    QCOMPARE(Misc::CurrentScreen, frm_Game01::existing());
    QVERIFY(!s.isVisible());
    QVERIFY(!frm_Intro::existing());
}

void SetupTest::exercise21GoesToTopics() {
    frm_Setup &s = openSetup(6, 3);
    type(s.TJmeno, QStringLiteral("Tom"));
    click(s.ICislo(1));
    click(s.picPokracuj);
    frm_Intro *intro = frm_Intro::existing();
    QVERIFY(intro && intro->isVisible());
    QCOMPARE(intro->STAV_FORMU, frm_Intro::kTopicScreen);
    QCOMPARE(Misc::CurrentScreen, intro);
    QVERIFY(!s.isVisible());
    QVERIFY(!frm_Game01::existing());
}

void SetupTest::helpPageReturns() {
    frm_Setup &s = openSetup(4, 1);
    type(s.TJmeno, QStringLiteral("Iva"));
    click(s.IHelp);
    frm_Intro *intro = frm_Intro::existing();
    QVERIFY(intro && intro->isVisible());
    QVERIFY(intro->STAV_FORMU.isEmpty());
    QCOMPARE(intro->picture().toImage(), Misc::loadPicture(QStringLiteral("Bitmap\\Help\\setup.bmp")).toImage());
    QVERIFY(!s.isVisible());
    click(intro);
    QVERIFY(s.isVisible());
    QCOMPARE(Misc::CurrentScreen, &s);
    QCOMPARE(s.TJmeno->Text(), QStringLiteral("Iva"));
    QTRY_VERIFY(!frm_Intro::existing());
}

void SetupTest::hoverCodesAndSounds() {
    frm_Setup &s = openSetup(1, 1);
    type(s.TJmeno, QStringLiteral("Al"));
    click(s.ICislo(5));
    platform::Sounds::log().clear();
    const QImage backNormal = s.IKonec->picture().toImage();

    struct Step {
        QWidget *w;
        int code;
        int soundsAfter;
    };
    const QList<Step> steps = {
        {s.ICislo(2), 2, 1},  {s.ICislo(2), 2, 1},  {s.IKonec, 6, 2},      {s.IKonec, 6, 2},
        {s.picPokracuj, 11, 3}, {s.picTiskni, 12, 4}, {s.TJmeno, 13, 5},     {s.IHelp, 15, 6},
        {&s, 0, 6},           {s.IHelp, 15, 7},     {s.ICislo(5), 5, 8},
    };
    for (const Step &st : steps) {
        moveOver(st.w, st.w == &s ? QPoint(300, 200) : QPoint(-1, -1));
        QCOMPARE(int(Misc::HoverCode), st.code);
        QCOMPARE(hoverSounds(), st.soundsAfter);
        // Back lights up under the mouse; the count buttons and the
        // background put it back (the other elements leave it as it is).
        if (st.code == 6) QVERIFY(s.IKonec->picture().toImage() != backNormal);
        else if (st.code <= 5) QCOMPARE(s.IKonec->picture().toImage(), backNormal);
    }
    QCOMPARE(clickSounds(), 0);
    click(s.INapoveda);  // the toggle plays nothing
    QCOMPARE(clickSounds(), 0);
}

QTEST_MAIN(SetupTest)
#include "tst_setup.moc"
