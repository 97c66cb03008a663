// The screens on the desktop: the whole-number scale and where a click lands
// at scale 2, the close button and Alt+F4, a minimised screen coming back,
// SIGTERM/SIGINT with a message box open, the keyboard layout before the
// first key, and Qt's own dialogs in Czech.
#include "screens_fixture.h"
#include "testsupport.h"

#include "app/CommandLine.h"
#include "state/Misc.h"
#include "app/QtCzech.h"
#include "app/SceneMode.h"
#include "state/Services.h"
#include "exercise/frm_Game01.h"
#include "platform/display.h"
#include "platform/keyboard.h"
#include "screens/frm_Pozadi.h"
#include "screens/frm_Setup.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Scene.h"

#include <QDialogButtonBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <csignal>
#include <memory>

using namespace Misc;

class TestScreensDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void scaleChoice_data();
    void scaleChoice();
    void sceneSettings_data();
    void sceneSettings();
    // Runs first among the window tests: the scene is at scale 2 here.
    void clicksAndDrawingAtScaleTwo();
    void closeAsksTheExitQuestion_data();
    void closeAsksTheExitQuestion();
    void fatalErrorPutsTheLayoutBack();
    void minimisedScreenComesBack();
    void firstKeyAlreadyInUsLayout();
    void signalEndsTheProgramWithABoxOpen_data();
    void signalEndsTheProgramWithABoxOpen();
    void qtDialogsSpeakCzech();

private:
    std::unique_ptr<testsupport::CourseCopy> m_course;
};

void TestScreensDesktop::initTestCase() {
    // Before any window exists, as in main.
    ui::applySceneScale(2);
    m_course = std::make_unique<testsupport::CourseCopy>();
    QVERIFY(m_course->isValid());
    m_course->activate();
    QVERIFY(testsupport::loadConfiguration());
    installWaysOut();  // as main does
    ExerciseNumber = QStringLiteral("3");
    GroupTitle = QStringLiteral("Slovíčka");
    ExerciseTitle = QStringLiteral("Překlad");
}

void TestScreensDesktop::scaleChoice_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("forced");
    QTest::addColumn<int>("scale");
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 0 << 2;
    QTest::newRow("2560x1440") << QSize(2560, 1440) << 0 << 3;
    QTest::newRow("1024x768") << QSize(1024, 768) << 0 << 1;
    QTest::newRow("3840x2160") << QSize(3840, 2160) << 0 << 4;
    QTest::newRow("switched 640x480") << QSize(640, 480) << 0 << 1;
    QTest::newRow("smaller than the scene") << QSize(600, 400) << 0 << 1;
    QTest::newRow("tall portrait: height decides") << QSize(1440, 2560) << 0 << 2;
    QTest::newRow("forced below fitting") << QSize(2560, 1440) << 1 << 1;
    QTest::newRow("forced above fitting is cut") << QSize(1024, 768) << 2 << 1;
    QTest::newRow("forced fits") << QSize(1920, 1080) << 2 << 2;
}

void TestScreensDesktop::scaleChoice() {
    QFETCH(QSize, screen);
    QFETCH(int, forced);
    QFETCH(int, scale);
    QCOMPARE(ui::chooseScale(screen, forced), scale);
}

void TestScreensDesktop::sceneSettings_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("forced");
    QTest::addColumn<bool>("prefer");
    const QString head = QStringLiteral("[LING1]\r\nCD=c:\\\r\nHD=d:\\\r\n");
    const QStringList none{QStringLiteral("tutorix")};
    QTest::newRow("nothing: switch") << head << none << 0 << false;
    QTest::newRow("ini scale") << head + QStringLiteral("Scale=3\r\n") << none << 3 << true;
    QTest::newRow("ini scale out of range") << head + QStringLiteral("Scale=0\r\n") << none << 0 << false;
    QTest::newRow("ini prefers scaling") << head + QStringLiteral("PreferScaling=1\r\n") << none << 0 << true;
    QTest::newRow("ini says no") << head + QStringLiteral("PreferScaling=0\r\n") << none << 0 << false;
    QTest::newRow("--scale N wins over ini")
        << head + QStringLiteral("Scale=3\r\n") << QStringList{QStringLiteral("tutorix"), QStringLiteral("--scale"), QStringLiteral("2")}
        << 2 << true;
    QTest::newRow("--scale=N") << head << QStringList{QStringLiteral("tutorix"), QStringLiteral("--scale=1")} << 1
                               << true;
}

void TestScreensDesktop::sceneSettings() {
    QFETCH(QString, ini);
    QFETCH(QStringList, arguments);
    QFETCH(int, forced);
    QFETCH(bool, prefer);
    const auto parsed = app::parseCommandLine(arguments);
    QVERIFY(parsed.options);
    const SceneSettings s = sceneSettingsFrom(ini, parsed.options->scale);
    QCOMPARE(s.forcedScale, forced);
    QCOMPARE(s.preferScaling, prefer);
}

namespace {
// A native (device pixel) left click on the window holding w.
void nativeClick(QWidget *w, QPoint scenePoint) {
    QWindow *win = w->window()->windowHandle();
    const QPoint global = ui::sceneToScreen(scenePoint);
    const QPoint windowTopLeft = ui::sceneToScreen(QPoint(0, 0));
    const QPoint local = global - windowTopLeft;
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
        win, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
        win, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
}

bool uniformBlock(const QImage &img, int x, int y) {
    const QRgb p = img.pixel(x, y);
    return img.pixel(x + 1, y) == p && img.pixel(x, y + 1) == p && img.pixel(x + 1, y + 1) == p;
}
}  // namespace

void TestScreensDesktop::clicksAndDrawingAtScaleTwo() {
    ui::Form form;
    form.setFixedSize(ui::kSceneSize);
    form.setSceneScreen(true);
    // A picture of single-pixel detail: a checkerboard.
    QImage board(ui::kSceneSize, QImage::Format_RGB32);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x) board.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    form.setPicture(QPixmap::fromImage(board));
    auto *button = new ui::Image(&form);
    button->setGeometry(100, 200, 40, 30);
    QImage face(40, 30, QImage::Format_RGB32);
    face.fill(Qt::darkGreen);
    button->setPicture(QPixmap::fromImage(face));
    int clicks = 0;
    button->events.Click = [&clicks](int) { ++clicks; };
    auto *caption = new ui::Label(&form);
    caption->setGeometry(300, 300, 200, 30);
    caption->setCaption(QStringLiteral("Pokračuj"));
    form.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.pos(), ui::sceneOrigin());
    QCOMPARE(form.windowHandle()->devicePixelRatio(), 2.0);

    // The mouse hits what the pupil sees: device pixels inside the button's
    // doubled rectangle click it, the first ones beside it do not.
    nativeClick(&form, QPoint(120, 215));
    QCOMPARE(clicks, 1);
    nativeClick(&form, QPoint(139, 229));
    QCOMPARE(clicks, 2);
    nativeClick(&form, QPoint(140, 215));
    nativeClick(&form, QPoint(120, 230));
    QCOMPARE(clicks, 2);

    // Pictures: every picture pixel is an exact 2 x 2 block. Text: drawn at
    // the device resolution, so some 2 x 2 block of the caption is mixed.
    const QImage shot = form.grab().toImage();
    QCOMPARE(shot.size(), ui::kSceneSize * 2);
    for (int y = 0; y < 180; y += 7)
        for (int x = 0; x < 600; x += 5) QVERIFY2(uniformBlock(shot, 2 * x, 2 * y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    bool sharp = false;
    for (int y = 300; y < 330 && !sharp; ++y)
        for (int x = 300; x < 400 && !sharp; ++x) sharp = !uniformBlock(shot, 2 * x, 2 * y);
    QVERIFY(sharp);
}

void TestScreensDesktop::closeAsksTheExitQuestion_data() {
    QTest::addColumn<bool>("altF4");
    QTest::addColumn<bool>("yes");
    QTest::newRow("close button, Ano") << false << true;
    QTest::newRow("close button, Ne") << false << false;
    QTest::newRow("Alt+F4, Ano") << true << true;
    QTest::newRow("Alt+F4, Ne") << true << false;
}

void TestScreensDesktop::closeAsksTheExitQuestion() {
    QFETCH(bool, altF4);
    QFETCH(bool, yes);
    platform::DisplayModes::Fake fake;
    platform::DisplayModes::setFake(&fake);
    // Czech at start-up, US English active (as inside an exercise).
    platform::InProcessKeyboardLayouts kb({QStringLiteral("00000405"), QStringLiteral("00000409")}, 0);
    platform::KeyboardLayouts::setSystem(&kb);
    SaveKeyboardLayout();
    kb.setActive(1);

    frm_Setup &setup = frm_Setup::get();
    setup.Show();
    QVERIFY(QTest::qWaitForWindowActive(&setup));
    testsupport::recordMessageBoxes(yes ? platform::MsgResult::Yes : platform::MsgResult::No);
    testsupport::messageBoxes().clear();
    testsupport::endRequests();
    if (altF4) QTest::keyClick(&setup, Qt::Key_F4, Qt::AltModifier);
    else setup.close();

    QCOMPARE(testsupport::messageBoxes().size(), 1);
    QCOMPARE(testsupport::messageBoxes().first().text, Text(1));
    QCOMPARE(testsupport::messageBoxes().first().caption, Text(2));
    int code = -1;
    QCOMPARE(testsupport::endRequests(&code), yes ? 1 : 0);
    QCOMPARE(fake.restoreCalls, yes ? 1 : 0);
    QCOMPARE(kb.activeName(), yes ? QStringLiteral("00000405") : QStringLiteral("00000409"));
    if (yes) QCOMPARE(code, 0);
    else QVERIFY(setup.isVisible());
    setup.Hide();
    platform::KeyboardLayouts::setSystem(nullptr);
    platform::DisplayModes::setFake(nullptr);
}

void TestScreensDesktop::fatalErrorPutsTheLayoutBack() {
    platform::InProcessKeyboardLayouts kb({QStringLiteral("00000405"), QStringLiteral("00000409")}, 0);
    platform::KeyboardLayouts::setSystem(&kb);
    SaveKeyboardLayout();
    kb.setActive(1);
    testsupport::recordMessageBoxes(platform::MsgResult::Ok);
    testsupport::endRequests();
    fatalError(QStringLiteral("Nelze načíst obrázek."));
    QCOMPARE(testsupport::endRequests(), 1);
    QCOMPARE(kb.activeName(), QStringLiteral("00000405"));
    platform::KeyboardLayouts::setSystem(nullptr);
}

void TestScreensDesktop::minimisedScreenComesBack() {
    frm_Setup &setup = frm_Setup::get();
    setup.Show();
    CurrentScreen = &setup;
    frm_Pozadi &background = frm_Pozadi::get();
    background.Show();
    setup.setWindowState(Qt::WindowMinimized);
    QVERIFY(setup.isMinimized());
    QTest::mouseClick(&background, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QVERIFY(!setup.isMinimized());
    QVERIFY(setup.isVisible());
    QCOMPARE(setup.pos(), ui::sceneOrigin());
    frm_Pozadi::Unload();
    setup.Hide();
}

void TestScreensDesktop::firstKeyAlreadyInUsLayout() {
    platform::InProcessKeyboardLayouts kb({QStringLiteral("00000405"), QStringLiteral("00000409")}, 0);
    platform::KeyboardLayouts::setSystem(&kb);
    SaveKeyboardLayout();
    ExerciseNumber = QStringLiteral("3");
    QuestionCount = 10;
    frm_Game01 &f = frm_Game01::get();
    f.Show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.TVstup(2)->setFocus();
    // Focus alone, no key yet: the next key is translated in US English.
    QTRY_COMPARE(kb.activeName(), QStringLiteral("00000409"));
    frm_Game01::Unload();
    platform::KeyboardLayouts::setSystem(nullptr);
}

void TestScreensDesktop::signalEndsTheProgramWithABoxOpen_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestScreensDesktop::signalEndsTheProgramWithABoxOpen() {
    QFETCH(int, signalNumber);
    const QString program = QStringLiteral(TUTORIX_BUILD_DIR "/tutorix");
    if (!QFile::exists(program)) QSKIP("the program is not built");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TUTORIX_WINDOWS_DIR"), m_course->root());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tutorix.app.info=true"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(program, {});
    QVERIFY(p.waitForStarted());
    // The display cannot switch here, so start-up waits in the message box
    // that says so (a nested event loop).
    QString err;
    QVERIFY(QTest::qWaitFor(
        [&] {
            err += QString::fromUtf8(p.readAllStandardError());
            return err.contains(QLatin1String("asking")) || p.state() == QProcess::NotRunning;
        },
        10000));
    QTest::qWait(300);
    QCOMPARE(p.state(), QProcess::Running);
    ::kill(pid_t(p.processId()), signalNumber);
    QVERIFY2(p.waitForFinished(5000), "the program went on after the signal");
    err += QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(err.contains(QLatin1String("restoring the display and the keyboard layout")), qPrintable(err));
    QCOMPARE(p.exitStatus(), QProcess::CrashExit);  // ended by the signal itself
}

void TestScreensDesktop::qtDialogsSpeakCzech() {
    QVERIFY(installCzechQtTranslations());
    QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Zrušit"));
    QCOMPARE(box.button(QDialogButtonBox::Close)->text(), QStringLiteral("Zavřít"));
}

QTEST_MAIN(TestScreensDesktop)
#include "tst_screens_desktop.moc"
