// Keyboard-only use and screen-reader names: the reading order of the focus
// chain, a whole run of one exercise of each kind worked from the selection
// screen to the results with key presses only, Esc on every screen, the
// accessible name and role of every clickable control, and the dimmed and
// lit looks of buttons.
#include "exercise_fixture.h"
#include "screens_fixture.h"

#include "exercise/AnswerRules.h"
#include "rules/FocusRules.h"
#include "exercise/TileRules.h"
#include "exercise/frm_Game01.h"
#include "results/frm_Tabulka.h"
#include "exercise/frm_Chybovy.h"
#include "rules/ExerciseGroups.h"
#include "rules/PictureTexts.h"
#include "screens/frm_Setup.h"
#include "ui/Accessible.h"
#include "ui/Keyboard.h"

#include <QAccessible>
#include <QApplication>

using namespace screentest;
using namespace Misc;
using exercisetest::settle;

namespace {

ui::Form *screen() { return CurrentScreen; }

// Keys go where the system sends them: to the focused control of the screen
// in front, or to the screen itself.
QWidget *keyTarget() {
    QCoreApplication::processEvents();
    QWidget *s = screen();
    if (!s) return nullptr;
    QWidget *fw = s->focusWidget();
    return fw && fw->isVisible() ? fw : s;
}

void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget *w = keyTarget();
    QVERIFY(w);
    QTest::keyClick(w, k, mods);
}

void typeText(const QString &text) { type(keyTarget(), text); }

QRect formArea(QWidget *w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// Presses Tab until the ring stands on w; the ring is shown around it.
bool focusOn(QWidget *w) {
    if (!w || !screen()) return false;
    for (int i = 0; i < 90; ++i) {
        ui::FocusChain *chain = screen()->keys();
        if (chain->current() == w && chain->ringShown()) return chain->ringArea().contains(formArea(w));
        key(Qt::Key_Tab);
    }
    return false;
}

frm_Game01 &game() { return frm_Game01::get(); }

// ---- Working a page of each kind with keys ------------------------------------------

// Each returns how many rows of the page it answered right.
int typeAnswers(frm_Game01 &f, bool speakers) {
    for (int r = 1; r <= ItemsOnPage; ++r) {
        if (speakers) {
            if (!focusOn(f.Klakson(r))) return -1;
            key(Qt::Key_Return);  // plays the sentence and hands the box the focus
            if (screen()->keys()->current() != f.TVstup(r)) return -1;
        } else if (!focusOn(f.TVstup(r))) {
            return -1;
        }
        typeText(f.TVstup(r)->Tag);
    }
    return ItemsOnPage;
}

int chooseFromLists(frm_Game01 &f) {
    for (int r = 1; r <= ItemsOnPage; ++r) {
        if (!focusOn(f.TVstup(r))) return -1;
        // Odd rows open with Enter, even rows with Alt+Down.
        if (r % 2) key(Qt::Key_Return);
        else key(Qt::Key_Down, Qt::AltModifier);
        if (!f.ListBox->isVisible()) return -1;
        int k = 1;
        while (k <= 4 && f.ListOptions[std::size_t(k)][std::size_t(r)] != f.TVstup(r)->Tag) ++k;
        for (int i = 0; i < k; ++i) key(Qt::Key_Down);
        key(Qt::Key_Return);
        if (f.ListBox->isVisible()) return -1;
    }
    return ItemsOnPage;
}

int placeTiles(frm_Game01 &f) {
    const int n = f.exercise();
    for (int r = 1; r <= ItemsOnPage; ++r) {
        QWidget *row = n == 19   ? static_cast<QWidget *>(f.findChild<ui::Hotspot *>(QStringLiteral("clock%1").arg(r)))
                       : n == 21 ? static_cast<QWidget *>(f.TextPred(r))
                                 : f.TVstup(r);
        const QString answer = n == 19 ? f.TextPred(r)->Caption() : n == 21 ? f.TextPred(r)->Tag : f.TVstup(r)->Tag;
        int tile = 0;
        for (int k = 1; k <= 12 && !tile; ++k) {
            const QString word = (n == 1 || n == 5 || n == 6) ? exercise::fixedTileWord(n, k) : f.LDown(k)->Caption();
            if (f.picDown(k)->isVisible() && word.compare(answer, Qt::CaseInsensitive) == 0) tile = k;
        }
        if (!tile || !focusOn(f.LDown(tile))) return -1;
        key(Qt::Key_Return);  // picks the tile up
        if (!DragActive) return -1;
        if (!focusOn(row)) return -1;
        key(Qt::Key_Return);  // drops it on the row
        if (DragActive) return -1;
    }
    int right = 0;
    for (int r = 1; r <= ItemsOnPage; ++r) {
        if (n == 19) right += f.TextPred(r)->Tag == f.TextPred(r)->Caption();
        else if (n == 21) right += f.TVstup(r)->Tag == f.TextPred(r)->Tag;
        else right += f.TVstup(r)->Text() == f.TVstup(r)->Tag;
    }
    return right;
}

int turnSwitches(frm_Game01 &f) {
    int right = 0;
    for (int r = 1; r <= ItemsOnPage; ++r) {
        if (!focusOn(f.Prepinac1(r))) return -1;
        for (int step = 0; step < 3; ++step) {
            key(Qt::Key_Space);
            if (f.TVstup(r)->Text() == f.TVstup(r)->Tag) break;
        }
        if (f.SwitchState[std::size_t(r)].isEmpty()) return -1;
        right += f.TVstup(r)->Text() == f.TVstup(r)->Tag;
    }
    return right;
}

int pickFromLists(frm_Game01 &f) {
    for (int list = f.ListPos - ItemsOnPage + 1; list <= f.ListPos; ++list) {
        const int base = (list == f.ListPos - ItemsOnPage + 1) ? 1 : 6;
        int row = 0;
        for (int i = base + 1; i <= base + 4; ++i)
            if (f.TextPred(i)->Caption().trimmed() == f.Ex18Correct[std::size_t(list)]) row = i;
        if (!row || !focusOn(f.TextPred(row))) return -1;
        key(Qt::Key_Space);
    }
    return ItemsOnPage;
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void readingOrder_data();
    void readingOrder();
    void chain_data();
    void chain();
    void keyboardRun_data();
    void keyboardRun();
    void escape_data();
    void escape();
    void wrongMarkShowsTheAnswerWhileHeld();
    void focusOnActivate_data();
    void focusOnActivate();
    void focusAfterCheck_data();
    void focusAfterCheck();
    void focusOnThePage_data();
    void focusOnThePage();
    void screenReaderText();
    void screenReaderStructure();
    void accessibleNames_data();
    void accessibleNames();
    void disabledToolbarLooksDimmed();
    void hoverLook_data();
    void hoverLook();

private:
    void toSetup(int exercise);
    void toExercise(int exercise);
    std::unique_ptr<Course> m_course;
};

void KeyboardTest::initTestCase() {
    m_course = std::make_unique<Course>();
    QVERIFY(m_course->activate());
    QVERIFY(startProgram());
    QVERIFY(skipTitle());
}

void KeyboardTest::init() {
    // Every case starts on the selection screen.
    frm_Tabulka::Unload();
    frm_Game01::Unload();
    frm_Intro::Unload();
    frm_Setup::Unload();
    settle();
    frm_Select::get().Show();
    CurrentScreen = &frm_Select::get();
    testsupport::setMessageBoxAnswer(platform::MsgResult::No);
    testsupport::messageBoxes().clear();
    platform::Sounds::log().clear();
    settle();
}

// ---- Reading order -------------------------------------------------------------

void KeyboardTest::readingOrder_data() {
    QTest::addColumn<QList<QRect>>("rects");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("one line, right to left given") << QList<QRect>{{300, 10, 50, 20}, {10, 12, 50, 20}}
                                                   << QList<int>{1, 0};
    QTest::newRow("taller neighbour starting higher") << QList<QRect>{{400, 30, 40, 20}, {10, 6, 200, 75}}
                                                      << QList<int>{1, 0};
    QTest::newRow("next line below the first's centre") << QList<QRect>{{10, 40, 50, 20}, {300, 10, 50, 20}}
                                                        << QList<int>{1, 0};
    QTest::newRow("rows of box and tile") << QList<QRect>{{442, 155, 80, 20}, {224, 123, 172, 20}, {442, 123, 80, 20},
                                                          {224, 155, 172, 20}}
                                          << QList<int>{1, 2, 3, 0};
    QTest::newRow("empty") << QList<QRect>{} << QList<int>{};
}

void KeyboardTest::readingOrder() {
    QFETCH(QList<QRect>, rects);
    QFETCH(QList<int>, order);
    QCOMPARE(ui::readingOrder(rects), order);
}

// ---- The chain on a bare screen -------------------------------------------------------

void KeyboardTest::chain_data() {
    QTest::addColumn<QString>("keys");  // T Tab, B Shift+Tab, E Enter, S Space, M a mouse click
    QTest::addColumn<int>("hidden");    // element made invisible (-1: none)
    QTest::addColumn<int>("disabled");  // element disabled (-1: none)
    QTest::addColumn<int>("current");   // element under the ring at the end (-1: none)
    QTest::addColumn<QList<int>>("presses");
    QTest::addColumn<bool>("ring");
    QTest::newRow("Tab in order, wrapping") << "TTTT" << -1 << -1 << 0 << QList<int>{0, 0, 0} << true;
    QTest::newRow("Shift+Tab from the first to the last") << "TB" << -1 << -1 << 2 << QList<int>{0, 0, 0} << true;
    QTest::newRow("a hidden element is passed") << "TT" << 1 << -1 << 2 << QList<int>{0, 0, 0} << true;
    QTest::newRow("a disabled element is passed") << "TTB" << -1 << 1 << 0 << QList<int>{0, 0, 0} << true;
    QTest::newRow("Enter and Space press the element") << "TTES" << -1 << -1 << 1 << QList<int>{0, 2, 0} << true;
    QTest::newRow("Enter with nothing chosen shows the ring") << "E" << -1 << -1 << 0 << QList<int>{0, 0, 0} << true;
    QTest::newRow("the mouse hides the ring") << "TM" << -1 << -1 << 0 << QList<int>{0, 0, 1} << false;
}

void KeyboardTest::chain() {
    QFETCH(QString, keys);
    QFETCH(int, hidden);
    QFETCH(int, disabled);
    QFETCH(int, current);
    QFETCH(QList<int>, presses);
    QFETCH(bool, ring);
    ui::Form form;
    form.resize(640, 480);
    QList<int> pressed(3, 0);
    QList<ui::PictureBox *> boxes;
    for (int i = 0; i < 3; ++i) {
        auto *b = new ui::PictureBox(&form);
        b->setGeometry(10 + 100 * i, 10, 50, 30);
        b->events.MouseDown = [&pressed, i](int, Qt::MouseButton, int, int) { ++pressed[i]; };
        boxes << b;
    }
    form.keys()->items = [&boxes] {
        QList<ui::FocusItem> items;
        for (ui::PictureBox *b : boxes) items << ui::FocusItem{b};
        return items;
    };
    form.show();
    if (hidden >= 0) boxes[hidden]->hide();
    if (disabled >= 0) boxes[disabled]->QWidget::setEnabled(false);
    for (QChar k : keys) {
        switch (k.unicode()) {
        case 'T': QTest::keyClick(&form, Qt::Key_Tab); break;
        case 'B': QTest::keyClick(&form, Qt::Key_Backtab, Qt::ShiftModifier); break;
        case 'E': QTest::keyClick(&form, Qt::Key_Return); break;
        case 'S': QTest::keyClick(&form, Qt::Key_Space); break;
        case 'M': QTest::mouseClick(boxes[2], Qt::LeftButton); break;
        }
    }
    QCOMPARE(form.keys()->current(), current < 0 ? nullptr : static_cast<QWidget *>(boxes[current]));
    QCOMPARE(pressed, presses);
    QCOMPARE(form.keys()->ringShown(), ring);
    if (ring) QCOMPARE(form.keys()->ringArea(), boxes[current]->geometry());
}

// ---- A whole run with the keyboard only -------------------------------------------

void KeyboardTest::toSetup(int exercise) {
    int position = 0;
    const int group = screens::groupOfExercise(exercise, &position);
    frm_Select &sel = frm_Select::get();
    QVERIFY(focusOn(sel.LI(group)));
    const int clicks = clickSounds();
    key(Qt::Key_Return);
    QCOMPARE(sel.openGroup(), group);
    QCOMPARE(clickSounds(), clicks + 1);  // the same handler as a click, sound included
    QVERIFY(focusOn(sel.RI(position)));
    key(Qt::Key_Space);
    QCOMPARE(CurrentScreen, &frm_Setup::get());
    QCOMPARE(ExerciseNumber, QString::number(exercise));
}

void KeyboardTest::toExercise(int exercise) {
    toSetup(exercise);
    frm_Setup &setup = frm_Setup::get();
    QVERIFY(focusOn(setup.TJmeno));
    typeText(QStringLiteral("Jana Klávesová"));
    QVERIFY(focusOn(setup.ICislo(1)));
    key(Qt::Key_Return);
    QCOMPARE(int(QuestionCount), 10);
    QVERIFY(focusOn(setup.picPokracuj));
    key(Qt::Key_Return);
    if (exercise == 21) {
        frm_Intro &topics = frm_Intro::get();
        QCOMPARE(CurrentScreen, &topics);
        QVERIFY(focusOn(topics.TlacitkoTema(screens::kAllTopicsButton)));
        key(Qt::Key_Return);
        QVERIFY(focusOn(topics.picPokracuj));
        key(Qt::Key_Return);
    }
    QVERIFY(frm_Game01::loaded());
    QCOMPARE(CurrentScreen, &game());
}

void KeyboardTest::keyboardRun_data() {
    QTest::addColumn<int>("exercise");
    QTest::newRow("typed answers") << 3;
    QTest::newRow("drop-down lists") << 7;
    QTest::newRow("word tiles") << 5;
    QTest::newRow("tiles laid on rows") << 21;
    QTest::newRow("clock") << 19;
    QTest::newRow("switches") << 2;
    QTest::newRow("exercise 18 lists") << 18;
    QTest::newRow("listening") << 22;
}

void KeyboardTest::keyboardRun() {
    QFETCH(int, exercise);
    toExercise(exercise);
    if (QTest::currentTestFailed()) return;
    frm_Game01 &f = game();
    int right = 0;
    for (int page = 0; page < 12 && frm_Game01::loaded() && CurrentScreen == &f; ++page) {
        if (exercise == 18 && f.Ex18Screen == frm_Game01::Ex18View::Lists) {
            const int picked = pickFromLists(f);
            QVERIFY2(picked > 0, "a list could not be worked by keys");
            right += picked;
        } else if (exercise == 18 && f.Ex18Screen == frm_Game01::Ex18View::Overview) {
            QVERIFY(focusOn(f.PicTop(1)));
            key(Qt::Key_Return);
        } else if (exercise != 18) {
            int done = -1;
            switch (exercise) {
            case 3: done = typeAnswers(f, false); break;
            case 22: done = typeAnswers(f, true); break;
            case 7: done = chooseFromLists(f); break;
            case 2: done = turnSwitches(f); break;
            default: done = placeTiles(f); break;
            }
            QVERIFY2(done >= 0, "a row could not be worked by keys");
            right += done;
            QVERIFY(focusOn(f.PicTop(1)));
            key(Qt::Key_Return);  // check: the continue button slides in
        }
        QVERIFY(focusOn(f.picPokracuj));
        key(Qt::Key_Return);
        settle();
    }
    QVERIFY2(frm_Tabulka::loaded() && CurrentScreen == &frm_Tabulka::get(), "the run did not reach the results");
    QCOMPARE(CorrectCount + WrongCount, 10);
    QCOMPARE(int(CorrectCount), right);
    QVERIFY(right > 0);
    key(Qt::Key_Escape);
    settle();
    QCOMPARE(CurrentScreen, &frm_Setup::get());
}

// ---- Esc --------------------------------------------------------------------------

void KeyboardTest::escape_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("back");
    QTest::newRow("selection: the exit question") << "select" << "question";
    QTest::newRow("setup") << "setup" << "select";
    QTest::newRow("exercise") << "exercise" << "setup";
    QTest::newRow("exercise with a list open: closes it") << "open list" << "exercise";
    QTest::newRow("exercise with an answer, No: stays") << "answered" << "exercise";
    QTest::newRow("exercise with an answer, Yes: leaves") << "answered yes" << "setup";
    QTest::newRow("results") << "results" << "setup";
    QTest::newRow("topic screen") << "topics" << "setup";
    QTest::newRow("authors' page") << "authors" << "select";
    QTest::newRow("help before an exercise") << "exercise help" << "setup";
    QTest::newRow("title: ends it") << "title" << "title";
}

void KeyboardTest::escape() {
    QFETCH(QString, where);
    QFETCH(QString, back);
    if (where == QLatin1String("setup")) toSetup(3);
    if (where == QLatin1String("exercise help")) {
        toSetup(3);
        frm_Setup &setup = frm_Setup::get();
        QVERIFY(focusOn(setup.INapoveda));
        key(Qt::Key_Space);
        QVERIFY(ShowIntroHelp);
        QVERIFY(focusOn(setup.TJmeno));
        typeText(QStringLiteral("Ota"));
        QVERIFY(focusOn(setup.ICislo(1)));
        key(Qt::Key_Return);
        QVERIFY(focusOn(setup.picPokracuj));
        key(Qt::Key_Return);
        QCOMPARE(CurrentScreen, &frm_Intro::get());
        QCOMPARE(frm_Intro::get().STAV_FORMU, frm_Intro::kExerciseHelp);
    }
    if (where == QLatin1String("exercise") || where == QLatin1String("results")) toExercise(3);
    if (where.startsWith(QLatin1String("answered"))) {
        toExercise(3);
        typeText(QStringLiteral("dog"));  // the page opens with the focus in box 1
        QCOMPARE(game().TVstup(1)->Text(), QStringLiteral("dog"));
        if (where.endsWith(QLatin1String("yes"))) testsupport::setMessageBoxAnswer(platform::MsgResult::Yes);
    }
    if (where == QLatin1String("open list")) {
        toExercise(8);
        QVERIFY(focusOn(game().TVstup(2)));
        key(Qt::Key_Return);
        QVERIFY(game().ListBox->isVisible());
    }
    if (where == QLatin1String("topics")) {
        toSetup(21);
        QVERIFY(focusOn(frm_Setup::get().TJmeno));
        typeText(QStringLiteral("Ota"));
        QVERIFY(focusOn(frm_Setup::get().ICislo(1)));
        key(Qt::Key_Return);
        QVERIFY(focusOn(frm_Setup::get().picPokracuj));
        key(Qt::Key_Return);
        QCOMPARE(CurrentScreen, &frm_Intro::get());
    }
    if (where == QLatin1String("results")) {
        QVERIFY(focusOn(game().PicTop(3)));
        key(Qt::Key_Return);
        QCOMPARE(CurrentScreen, &frm_Tabulka::get());
        frm_Tabulka::get().Nadrazeny_form = &frm_Setup::get();
    }
    if (where == QLatin1String("authors")) {
        QVERIFY(focusOn(frm_Select::get().IHelp));
        key(Qt::Key_Return);
        QCOMPARE(CurrentScreen, &frm_Intro::get());
    }
    if (where == QLatin1String("title")) {
        frm_Intro &title = frm_Intro::get();
        title.STAV_FORMU = frm_Intro::kTitleScreen;
        title.Show();
        CurrentScreen = &title;
    }
    if (QTest::currentTestFailed()) return;
    key(Qt::Key_Escape);
    settle();
    // Leaving an exercise asks first exactly when the page holds an answer.
    QCOMPARE(testsupport::messageBoxes().size() == 1 && testsupport::messageBoxes().first().text == exercise::leaveQuestion(),
             where.startsWith(QLatin1String("answered")));
    if (back == QLatin1String("title")) {
        QVERIFY(frm_Intro::get().TitleSkipRequested);
        QVERIFY(QTest::qWaitFor([] { return !frm_Intro::existing() && frm_Select::get().isVisible(); }, 3000));
    } else if (back == QLatin1String("question")) {
        QCOMPARE(testsupport::messageBoxes().size(), 1);
        QCOMPARE(testsupport::messageBoxes().first().text, Text(1));
        QCOMPARE(CurrentScreen, &frm_Select::get());
    } else if (back == QLatin1String("exercise")) {
        QVERIFY(!game().ListBox->isVisible());
        QCOMPARE(CurrentScreen, &game());
    } else {
        ui::Form *expected = back == QLatin1String("select") ? static_cast<ui::Form *>(&frm_Select::get())
                                                             : static_cast<ui::Form *>(&frm_Setup::get());
        QCOMPARE(CurrentScreen, expected);
        QVERIFY(expected->isVisible());
    }
    ShowIntroHelp = false;
}

void KeyboardTest::wrongMarkShowsTheAnswerWhileHeld() {
    toExercise(3);
    frm_Game01 &f = game();
    QVERIFY(focusOn(f.PicTop(1)));
    key(Qt::Key_Return);  // nothing typed: every row is wrong
    QVERIFY(focusOn(f.IHodnoceni(2)));
    QWidget *target = keyTarget();
    QTest::keyPress(target, Qt::Key_Space);
    QVERIFY(frm_Chybovy::existing() && frm_Chybovy::get().isVisible());
    // Beside the mark, wherever the mouse pointer is.
    const QPoint mark = f.IHodnoceni(2)->mapToGlobal(f.IHodnoceni(2)->rect().center());
    QCOMPARE(frm_Chybovy::get().pos(), answers::hintWindowPosition(mark, frm_Chybovy::get().size()));
    // The key is let go over the hint window that came up.
    QTest::keyRelease(&frm_Chybovy::get(), Qt::Key_Space);
    QVERIFY(!frm_Chybovy::get().isVisible());
    QCOMPARE(CurrentScreen, &f);
}

// ---- Focus rules ------------------------------------------------------------------

using exercise::FocusRule;
using exercise::FocusTarget;

void KeyboardTest::focusOnActivate_data() {
    QTest::addColumn<FocusRule>("rule");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("fresh");
    QTest::addColumn<bool>("boxFocused");
    QTest::addColumn<FocusTarget>("target");
    QTest::newRow("typed, a new page") << FocusRule::FirstAnswerWhileUnchecked << false << true << false
                                       << FocusTarget::FirstAnswerBox;
    QTest::newRow("typed, a new page after typing in box 4")
        << FocusRule::FirstAnswerWhileUnchecked << false << true << true << FocusTarget::FirstAnswerBox;
    QTest::newRow("typed, back from the results: box kept")
        << FocusRule::FirstAnswerWhileUnchecked << false << false << true << FocusTarget::Unchanged;
    QTest::newRow("typed, back with no box focused")
        << FocusRule::FirstAnswerWhileUnchecked << false << false << false << FocusTarget::FirstAnswerBox;
    QTest::newRow("typed, checked page") << FocusRule::FirstAnswerWhileUnchecked << true << false << true
                                         << FocusTarget::HiddenBox;
    QTest::newRow("tiles and switches") << FocusRule::HiddenBox << false << true << false << FocusTarget::HiddenBox;
    QTest::newRow("left as it is") << FocusRule::LeaveAsIs << false << true << false << FocusTarget::Unchanged;
}

void KeyboardTest::focusOnActivate() {
    QFETCH(FocusRule, rule);
    QFETCH(bool, checked);
    QFETCH(bool, fresh);
    QFETCH(bool, boxFocused);
    QTEST(exercise::focusOnActivate(rule, checked, fresh, boxFocused), "target");
}

void KeyboardTest::focusAfterCheck_data() {
    QTest::addColumn<QList<bool>>("right");
    QTest::addColumn<int>("row");
    QTest::newRow("all right: continue") << QList<bool>{true, true, true} << 0;
    QTest::newRow("first wrong") << QList<bool>{false, true, false} << 1;
    QTest::newRow("a later wrong") << QList<bool>{true, true, false, false} << 3;
    QTest::newRow("no rows: continue") << QList<bool>{} << 0;
}

void KeyboardTest::focusAfterCheck() {
    QFETCH(QList<bool>, right);
    QTEST(exercise::focusAfterCheck(std::vector<bool>(right.begin(), right.end())), "row");
    // Esc asks first when some row holds an answer.
    QVERIFY(!exercise::leavingAsksFirst({QString(), QStringLiteral("  ")}));
    QVERIFY(exercise::leavingAsksFirst({QString(), QStringLiteral("a")}));
}

// Every exercise where the pupil types opens with the focus in box 1; after
// a check the ring goes to the first wrong mark, or to continue.
void KeyboardTest::focusOnThePage_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<int>("rightRows");  // rows answered right before the check
    for (int n : {3, 9, 13, 14, 15, 16, 17, 20, 22, 23, 24}) QTest::addRow("exercise %d, all wrong", n) << n << 0;
    QTest::newRow("exercise 3, two right") << 3 << 2;
    QTest::newRow("exercise 3, all right") << 3 << 10;
}

void KeyboardTest::focusOnThePage() {
    QFETCH(int, exercise);
    QFETCH(int, rightRows);
    ExerciseNumber = QString::number(exercise);
    QuestionCount = 10;
    frm_Game01 &f = game();
    f.Show();
    CurrentScreen = &f;
    settle();
    QCOMPARE(f.focusWidget(), static_cast<QWidget *>(f.TVstup(1)));
    for (int r = 1; r <= std::min(rightRows, int(ItemsOnPage)); ++r) f.TVstup(r)->setText(f.TVstup(r)->Tag);
    f.PicTop_MouseDown(1);
    const int wrong = rightRows < ItemsOnPage ? rightRows + 1 : 0;
    QCOMPARE(f.keys()->current(), wrong ? static_cast<QWidget *>(f.IHodnoceni(wrong)) : f.picPokracuj);
    // The checked boxes keep the program's own pointer.
    QCOMPARE(f.TVstup(1)->cursor().shape(), CursorArrow.shape());
}

// ---- Screen readers ---------------------------------------------------------------

namespace {
QAccessibleInterface *reader(QWidget *w) { return QAccessible::queryAccessibleInterface(w); }
}  // namespace

// What is typed can be read back and edited; the screen says what its
// picture says.
void KeyboardTest::screenReaderText() {
    toSetup(3);
    frm_Setup &setup = frm_Setup::get();
    QAccessibleInterface *screenIface = reader(&setup);
    QCOMPARE(screenIface->role(), QAccessible::Window);
    QCOMPARE(screenIface->text(QAccessible::Name), ExerciseTitle);
    QVERIFY(screenIface->text(QAccessible::Description).contains(screens::picturetext::taskLine(3)));
    QVERIFY(focusOn(setup.TJmeno));
    typeText(QStringLiteral("Ota"));
    QAccessibleInterface *box = reader(setup.TJmeno);
    QVERIFY(box->textInterface() && box->editableTextInterface());
    QCOMPARE(box->textInterface()->text(0, box->textInterface()->characterCount()), QStringLiteral("Ota"));
    QCOMPARE(box->textInterface()->cursorPosition(), 3);
    QVERIFY(box->rect().contains(box->textInterface()->characterRect(0)));
    box->editableTextInterface()->insertText(3, QStringLiteral(" Nová"));
    QCOMPARE(setup.TJmeno->text(), QStringLiteral("Ota Nová"));
    // A checked answer can still be read, but no longer edited; the hint
    // window is read with its answer.
    QVERIFY(focusOn(setup.ICislo(1)));
    key(Qt::Key_Return);
    QVERIFY(focusOn(setup.picPokracuj));
    key(Qt::Key_Return);
    frm_Game01 &f = game();
    QVERIFY(reader(&f)->text(QAccessible::Description).contains(screens::picturetext::taskLine(3)));
    typeText(QStringLiteral("x"));
    f.PicTop_MouseDown(1);
    QAccessibleInterface *answer = reader(f.TVstup(1));
    QVERIFY(answer->textInterface() && !answer->editableTextInterface());
    QCOMPARE(answer->textInterface()->text(0, -1), f.TVstup(1)->Text());
    f.IHodnoceni_MouseDown(1);
    QAccessibleInterface *hint = reader(&frm_Chybovy::get());
    QCOMPARE(hint->role(), QAccessible::ToolTip);
    QVERIFY(hint->text(QAccessible::Name).endsWith(frm_Chybovy::get().Label1(1)->Caption()));
    f.IHodnoceni_MouseUp(1);
}

// Page tabs tell the open group; the results are a table.
void KeyboardTest::screenReaderStructure() {
    frm_Select &sel = frm_Select::get();
    sel.LI_MouseDown(2);
    for (int g = 1; g <= 7; ++g) {
        QAccessibleInterface *tab = reader(sel.LI(g));
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->state().selected, g == 2);
    }
    QVERIFY(reader(&sel)->text(QAccessible::Description).contains(Text(screens::exerciseGroups()[2].titleText)));
    ExerciseNumber = QStringLiteral("3");
    frm_Tabulka &t = frm_Tabulka::get();
    t.Show();
    CurrentScreen = &t;
    QAccessibleInterface *table = reader(t.findChild<ui::TableArea *>());
    QVERIFY(table && table->tableInterface());
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->tableInterface()->columnCount(), 5);
    QCOMPARE(table->tableInterface()->rowCount(), std::min(t.ResultCount(), int(frm_Tabulka::kRowsShown)));
    QVERIFY(table->tableInterface()->rowCount() > 0);
    QAccessibleInterface *name = table->tableInterface()->cellAt(0, 1);
    QCOMPARE(name->text(QAccessible::Name), t.Results.front().name);
    QCOMPARE(name->tableCellInterface()->rowIndex(), 0);
    QCOMPARE(name->parent()->object(), table->object());
}

void KeyboardTest::accessibleNames_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("exercise");
    QTest::newRow("selection, group 5 open") << "select" << 0;
    QTest::newRow("setup with a count") << "setup" << 0;
    QTest::newRow("topic screen") << "topics" << 0;
    QTest::newRow("authors' page") << "authors" << 0;
    QTest::newRow("results") << "results" << 0;
    for (int n = 1; n <= 24; ++n) QTest::addRow("exercise %d", n) << "exercise" << n;
    QTest::newRow("exercise 7 checked, list open before") << "checked" << 7;
    QTest::newRow("exercise 19 checked") << "checked" << 19;
    QTest::newRow("exercise 18 overview") << "overview" << 18;
}

void KeyboardTest::accessibleNames() {
    QFETCH(QString, where);
    QFETCH(int, exercise);
    frm_Select &sel = frm_Select::get();
    if (where == QLatin1String("select")) sel.LI_MouseDown(5);
    if (where == QLatin1String("authors")) sel.IHelp_Click();
    if (where == QLatin1String("setup") || where == QLatin1String("topics")) {
        ExerciseNumber = where == QLatin1String("topics") ? QStringLiteral("21") : QStringLiteral("4");
        frm_Setup &setup = frm_Setup::get();
        setup.Show();
        CurrentScreen = &setup;
        sel.Hide();
        setup.TJmeno->setText(QStringLiteral("Eva"));
        setup.ICislo_MouseDown(2);
        if (where == QLatin1String("topics")) {
            setup.picPokracuj_Click();
            frm_Intro::get().TlacitkoTema_MouseDown(2);
        }
    }
    if (where == QLatin1String("results")) {
        ExerciseNumber = QStringLiteral("3");
        frm_Tabulka::get().Show();
        CurrentScreen = &frm_Tabulka::get();
    }
    if (exercise) {
        ExerciseNumber = QString::number(exercise);
        QuestionCount = 10;
        PupilName = QStringLiteral("Eva");
        if (exercise == 21) {
            frm_Intro &intro = frm_Intro::get();
            intro.STAV_FORMU = frm_Intro::kTopicScreen;
            intro.Zobraz_formular_vyberova_obrazovka_21();
            intro.TlacitkoTema_MouseDown(screens::kAllTopicsButton);
        }
        game().Show();
        CurrentScreen = &game();
        if (where == QLatin1String("checked")) {
            if (exercise == 7) game().OpenList(1);
            game().PicTop_MouseDown(1);
        }
        if (where == QLatin1String("overview")) {
            while (game().Ex18Screen == frm_Game01::Ex18View::Lists) {
                game().TextPred_MouseDown(2);
                if (ItemsOnPage == 2) game().TextPred_MouseDown(7);
                game().picPokracuj_Click();
            }
            QCOMPARE(game().Ex18Screen, frm_Game01::Ex18View::Overview);
        }
    }
    settle();
    ui::Form *form = CurrentScreen;
    QVERIFY(form);
    const QRect scene(0, 0, 640, 480);
    int clickable = 0;
    // Every control the mouse can press: an interactive role and a name.
    for (QWidget *w : form->findChildren<QWidget *>()) {
        auto *c = dynamic_cast<ui::ControlBase *>(w);
        if (!c || !(c->events.MouseDown || c->events.Click || c->events.MouseUp)) continue;
        if (!w->isVisibleTo(form) || !w->isEnabled() || w->width() == 0 || !scene.intersects(formArea(w))) continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY(iface);
        const QAccessible::Role role = iface->role();
        const QString what = QStringLiteral("%1 at %2,%3").arg(QString::fromLatin1(w->metaObject()->className())).arg(formArea(w).x()).arg(formArea(w).y());
        QVERIFY2(role != QAccessible::Client && role != QAccessible::NoRole, qPrintable(what));
        if (role == QAccessible::StaticText) continue;  // read by its text, pressed for nothing
        ++clickable;
        QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(what + QStringLiteral(" has no name")));
    }
    // Every element of the focus chain too (text boxes, picture areas).
    for (const ui::FocusItem &item : form->keys()->available()) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(item.widget);
        QVERIFY(iface);
        QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(QStringLiteral("a chain element at %1,%2 has no name").arg(formArea(item.widget).x()).arg(formArea(item.widget).y())));
        QVERIFY(iface->role() != QAccessible::StaticText && iface->role() != QAccessible::Client);
    }
    QVERIFY(clickable + form->keys()->available().size() > 0);
}

// ---- Looks -----------------------------------------------------------------------

namespace {
// Spread of the grey values of a picture: a dimmed button has less.
double contrast(const QImage &image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0, sum2 = 0;
    const int n = grey.width() * grey.height();
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const double v = grey.pixelColor(x, y).value();
            sum += v;
            sum2 += v * v;
        }
    return std::sqrt(std::max(0.0, sum2 / n - (sum / n) * (sum / n)));
}
}  // namespace

void KeyboardTest::disabledToolbarLooksDimmed() {
    ExerciseNumber = QStringLiteral("3");
    QuestionCount = 10;
    game().Show();
    CurrentScreen = &game();
    for (int i = 1; i <= 4; ++i) {
        ui::PictureBox *b = game().PicTop(i);
        b->QWidget::setEnabled(true);
        const QImage on = b->grab().toImage();
        b->QWidget::setEnabled(false);
        const QImage off = b->grab().toImage();
        QVERIFY2(on != off, qPrintable(QStringLiteral("button %1").arg(i)));
        QVERIFY2(contrast(off) < 0.75 * contrast(on), qPrintable(QStringLiteral("button %1").arg(i)));
        b->QWidget::setEnabled(true);
    }
}

void KeyboardTest::hoverLook_data() {
    QTest::addColumn<QString>("element");
    QTest::newRow("count button 15") << "count";
    QTest::newRow("continue on setup") << "continue";
    QTest::newRow("print on setup") << "print";
    QTest::newRow("topic button") << "topic";
    QTest::newRow("continue on the topic screen") << "topic continue";
    QTest::newRow("continue on the exercise form") << "exercise continue";
}

void KeyboardTest::hoverLook() {
    QFETCH(QString, element);
    ExerciseNumber = element.startsWith(QLatin1String("topic")) ? QStringLiteral("21") : QStringLiteral("4");
    frm_Setup &setup = frm_Setup::get();
    setup.Show();
    CurrentScreen = &setup;
    setup.TJmeno->setText(QStringLiteral("Eva"));
    if (element != QLatin1String("count")) setup.ICislo_MouseDown(1);
    ui::Form *form = &setup;
    QWidget *target = nullptr;
    if (element == QLatin1String("count")) target = setup.ICislo(2);
    if (element == QLatin1String("continue")) target = setup.picPokracuj;
    if (element == QLatin1String("print")) target = setup.picTiskni;
    if (element.startsWith(QLatin1String("topic"))) {
        setup.picPokracuj_Click();
        frm_Intro &intro = frm_Intro::get();
        form = &intro;
        if (element == QLatin1String("topic")) target = intro.TlacitkoTema(3);
        else {
            intro.TlacitkoTema_MouseDown(1);
            target = intro.picPokracuj;
        }
    }
    if (element == QLatin1String("exercise continue")) {
        game().Show();
        CurrentScreen = &game();
        game().PicTop_MouseDown(1);
        form = &game();
        target = game().picPokracuj;
    }
    QVERIFY(target && target->isVisible());
    // The background patch of a topic button lies around its label.
    const QRect area = formArea(target).adjusted(-12, -5, 12, 5) & QRect(0, 0, 640, 480);
    moveOver(form, QPoint(320, 470));
    const QImage normal = form->grab(area).toImage();
    const int sounds = hoverSounds();
    moveOver(target);
    const QImage lit = form->grab(area).toImage();
    QVERIFY2(lit != normal, "no sign of the mouse over the element");
    QCOMPARE(hoverSounds(), sounds + 1);
    moveOver(form, QPoint(320, 470));
    QCOMPARE(form->grab(area).toImage(), normal);
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
