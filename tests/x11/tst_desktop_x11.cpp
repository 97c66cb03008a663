// The program on a real X display with a window manager (run through
// run_on_xvfb.sh): screens frameless and in one place, wholly on a 640 x 480
// screen; clicks in device pixels at scale 2; the first key of an answer
// typed by its physical key code in the US layout although Czech was active.
//
// TUTORIX_SCREENSHOT_DIR, when set, receives a picture of the whole screen
// of each step.
#include "../screens_fixture.h"
#include "../testsupport.h"

#include "state/Misc.h"
#include "exercise/frm_Game01.h"
#include "platform/keyboard.h"
#include "rules/ExerciseGroups.h"
#include "screens/frm_Intro.h"
#include "screens/frm_Select.h"
#include "screens/frm_Setup.h"
#include "ui/Controls.h"
#include "ui/Scene.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <memory>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

using namespace Misc;

class TestDesktopX11 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyScreenOnTheScreen();
    void firstKeyTypedInUsLayout();
    void clicksLandAtScaleTwo();

private:
    // Shows form as the screen in front and waits for the window manager.
    void bringUp(ui::Form &form);
    void screenshot(const QString &name);
    std::unique_ptr<testsupport::CourseCopy> m_course;
};

void TestDesktopX11::initTestCase() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) QSKIP("needs an X display (run_on_xvfb.sh)");
    m_course = std::make_unique<testsupport::CourseCopy>();
    QVERIFY(m_course->isValid());
    m_course->activate();
    QVERIFY(screentest::startProgram());
    QVERIFY(screentest::skipTitle());
}

void TestDesktopX11::bringUp(ui::Form &form) {
    form.Show();
    CurrentScreen = &form;
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(150);  // the window manager's own moves arrive after the map
}

void TestDesktopX11::screenshot(const QString &name) {
    const QString dir = qEnvironmentVariable("TUTORIX_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QGuiApplication::primaryScreen()->grabWindow(0).save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void TestDesktopX11::everyScreenOnTheScreen() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    if (screen.size() != ui::kSceneSize) QSKIP("needs a 640 x 480 display");
    const QRect scene = ui::sceneRect();
    QCOMPARE(scene, screen);
    ExerciseNumber = QStringLiteral("3");
    QuestionCount = 10;
    PupilName = QStringLiteral("Test");
    const QList<ui::Form *> screens{&frm_Select::get(), &frm_Setup::get(), &frm_Game01::get(), &frm_Select::get()};
    for (ui::Form *form : screens) {
        bringUp(*form);
        const QString name = QString::fromLatin1(form->metaObject()->className());
        // No title bar and no move: the window's outer and inner rectangles
        // are the scene's, the same for every screen.
        QCOMPARE(form->frameGeometry(), scene);
        QCOMPARE(form->geometry(), scene);
        for (QWidget *w : form->findChildren<QWidget *>()) {
            if (!w->isVisible() || !w->geometry().intersects(form->rect())) continue;  // buffers kept out of sight
            const QRect global(w->mapToGlobal(QPoint(0, 0)), w->size());
            QVERIFY2(screen.contains(global.intersected(QRect(form->mapToGlobal(QPoint(0, 0)), form->size()))),
                     qPrintable(name + QLatin1Char(' ') + w->objectName()));
        }
        screenshot(QStringLiteral("640x480-") + name);
        if (form != &frm_Select::get()) form->Hide();
    }
    frm_Game01::Unload();
}

void TestDesktopX11::firstKeyTypedInUsLayout() {
    auto &layouts = platform::KeyboardLayouts::system();
    if (layouts.count() < 2 || InitialKeyboardLayout != QStringLiteral("00000405"))
        QSKIP("needs the layouts cz,us with Czech active");
    ExerciseNumber = QStringLiteral("3");
    QuestionCount = 10;
    frm_Game01 &f = frm_Game01::get();
    bringUp(f);
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    ui::TextBox *box = f.TVstup(1);
    box->clear();
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QCOMPARE(layouts.activeName(), QStringLiteral("00000409"));
    // The key right of T, by its key code (29 with evdev): "z" in the Czech
    // layout, "y" in the US one. Both presses must give "y". (xdotool would
    // lock its own keyboard group while it sends a key.)
    Display *dpy = XOpenDisplay(nullptr);
    QVERIFY(dpy);
    for (int i = 0; i < 2; ++i) {
        XTestFakeKeyEvent(dpy, 29, True, CurrentTime);
        XTestFakeKeyEvent(dpy, 29, False, CurrentTime);
        XSync(dpy, False);
        QTest::qWait(40);
    }
    XCloseDisplay(dpy);
    QTRY_COMPARE(box->text().size(), 2);
    QCOMPARE(box->text(), QStringLiteral("yy"));
    screenshot(QStringLiteral("640x480-typed"));
    frm_Game01::Unload();
    RestoreKeyboardLayout();
    QCOMPARE(layouts.activeName(), QStringLiteral("00000405"));
}

void TestDesktopX11::clicksLandAtScaleTwo() {
    if (ui::sceneScale() != 2) QSKIP("needs a display where the scene shows at scale 2");
    frm_Setup &setup = frm_Setup::get();
    bringUp(setup);
    QCOMPARE(setup.pos(), ui::sceneOrigin());
    screenshot(QStringLiteral("scale2-setup"));
    // Device-pixel clicks on the count buttons: the middle of button 4 and
    // the last device pixel of button 2.
    const auto clickAt = [](QPoint scenePoint) {
        const QPoint p = ui::sceneToScreen(scenePoint);
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(p.x()),
                                                      QString::number(p.y()), QStringLiteral("click"),
                                                      QStringLiteral("1")});
    };
    clickAt(setup.ICislo(4)->geometry().center());
    QTRY_COMPARE(int(QuestionCount), screens::countOfButton(4));
    const QRect two = setup.ICislo(2)->geometry();
    const QPoint last = ui::sceneToScreen(two.bottomRight()) + QPoint(1, 1);
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(last.x()),
                                                  QString::number(last.y()), QStringLiteral("click"),
                                                  QStringLiteral("1")});
    QTRY_COMPARE(int(QuestionCount), screens::countOfButton(2));
    setup.Hide();
}

QTEST_MAIN(TestDesktopX11)
#include "tst_desktop_x11.moc"
