// Start-up, configuration, tables, display mode, keyboard restore, exit and
// the title screen.
#include "app/CommandLine.h"
#include "state/Misc.h"
#include "app/SceneMode.h"
#include "state/Services.h"
#include "app/Startup.h"
#include "platform/display.h"
#include "platform/keyboard.h"
#include "platform/sound.h"
#include "screens/frm_Intro.h"
#include "screens/frm_Pozadi.h"
#include "screens/frm_Select.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

using namespace Misc;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void failures_data();
    void failures();
    void damagedCursorStopsStartUp();
    void directoriesGetOneBackslash();
    void gradeLine_data();
    void gradeLine();
    void textTable();
    void keyboardRestore_data();
    void keyboardRestore();
    void switchToUs();
    void displaySwitchFails();
    void exitNoThenYes();
    void titleEndsByClick();
    void titleEndsByDeadline();
    void wholeStartUp();
    void titleTimeStartsAfterTheNotice();
    void normalRunIsQuiet_data();
    void normalRunIsQuiet();

private:
    void writeIni(const QString &dir, const QString &body);
    platform::DisplayModes::Fake m_display;
};

void TestStartup::initTestCase() {
    testsupport::muteSounds();
    testsupport::recordMessageBoxes(platform::MsgResult::Yes);
    platform::DisplayModes::setFake(&m_display);
}

void TestStartup::init() {
    testsupport::messageBoxes().clear();
    testsupport::endRequests();
}

void TestStartup::writeIni(const QString &dir, const QString &body) {
    QFile f(dir + QStringLiteral("/Tutorix.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(body.toUtf8());
}

void TestStartup::failures_data() {
    QTest::addColumn<QString>("ini");        // %M media, %D data of the built course
    QTest::addColumn<QStringList>("remove");  // data files removed from the copy
    QTest::addColumn<int>("message");         // 0 = no failure
    QTest::addColumn<QStringList>("named");   // files the line after messages 2 and 3 names
    const QStringList data{"Vysledky.dat", "Znamky.dat", "Texty.dat"};
    const QStringList media{"01_bckg.bmp", "01.bmp", "Click.wav"};
    QTest::newRow("no ini") << QString() << QStringList{} << 1 << QStringList{};
    QTest::newRow("no CD key") << "[LING1]\nHD=%D\n" << QStringList{} << 1 << QStringList{};
    QTest::newRow("no HD key") << "[LING1]\nCD=%M\n" << QStringList{} << 1 << QStringList{};
    QTest::newRow("CD is Chyba") << "[LING1]\nCD=Chyba\nHD=%D\n" << QStringList{} << 1 << QStringList{};
    QTest::newRow("empty HD") << "[LING1]\nCD=%M\nHD=\n" << QStringList{} << 2 << data;
    QTest::newRow("empty CD") << "[LING1]\nCD=\nHD=%D\n" << QStringList{} << 3 << media;
    QTest::newRow("only Texty missing") << "[LING1]\nCD=%M\nHD=%D\n" << QStringList{"Texty.dat"} << 2
                                        << QStringList{"Texty.dat"};
    QTest::newRow("Znamky and Texty missing") << "[LING1]\nCD=%M\nHD=%D\n" << QStringList{"Znamky.dat", "Texty.dat"}
                                              << 2 << QStringList{"Znamky.dat", "Texty.dat"};
    QTest::newRow("data and media missing: data wins") << "[LING1]\nCD=/nonexistent\nHD=%D\n"
                                                       << QStringList{"Vysledky.dat"} << 2
                                                       << QStringList{"Vysledky.dat"};
    QTest::newRow("all present") << "[LING1]\nCD=%M\nHD=%D\n" << QStringList{} << 0 << QStringList{};
}

// The files named on the line after the fixed text of message 2 or 3.
static QStringList namedFiles(const QString &text, int message) {
    const QString head = startupMessage(message) + QStringLiteral("\r\n\r\n");
    if (!text.startsWith(head)) return {QStringLiteral("<no line after the fixed text>")};
    const QString line = text.mid(head.size());
    QStringList names;
    for (const QString &path : line.mid(line.indexOf(QLatin1String(": ")) + 2).split(QStringLiteral(", ")))
        names << QFileInfo(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName();
    return names;
}

void TestStartup::failures() {
    QFETCH(QString, ini);
    QFETCH(QStringList, remove);
    QFETCH(int, message);
    QFETCH(QStringList, named);
    testsupport::CourseCopy course;
    QVERIFY(course.isValid());
    QFile::remove(course.root() + QStringLiteral("/Tutorix.ini"));
    if (!ini.isEmpty()) {
        ini.replace(QStringLiteral("%M"), course.mediaDir()).replace(QStringLiteral("%D"), course.dataDir());
        writeIni(course.root(), ini);
    }
    for (const QString &f : remove) QVERIFY(QFile::remove(course.dataDir() + QLatin1Char('/') + f));
    course.activate();
    const bool ok = testsupport::loadConfiguration();
    QCOMPARE(ok, message == 0);
    if (message == 0) {
        QVERIFY(testsupport::messageBoxes().isEmpty());
        return;
    }
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    const platform::MsgBoxCall call = testsupport::messageBoxes().first();
    QCOMPARE(call.caption, QStringLiteral("Chyba"));
    QCOMPARE(call.icon, platform::MsgIcon::Critical);
    if (message == 1)  // goes on to say where it looked or which file lacks a key
        QVERIFY(call.text.startsWith(startupMessage(1) + QStringLiteral("\r\n\r\n")));
    else
        QCOMPARE(namedFiles(call.text, message), named);
}

void TestStartup::damagedCursorStopsStartUp() {
    testsupport::CourseCopy course;
    QVERIFY(course.isValid());
    // A media folder like the built one whose Arrow.cur has bytes 23-24 set
    // to ff (the DIB header's size then points far beyond the file).
    const QString media = course.root() + QStringLiteral("/media");
    QVERIFY(QDir().mkpath(media + QStringLiteral("/Cur")));
    for (const char *sub : {"Bitmap", "Sound"})
        QVERIFY(QFile::link(course.mediaDir() + QLatin1Char('/') + QLatin1String(sub), media + QLatin1Char('/') + QLatin1String(sub)));
    for (const char *c : {"Arrow", "Hand", "Help"}) {
        const QString name = QStringLiteral("/Cur/%1.cur").arg(QLatin1String(c));
        QVERIFY(QFile::copy(course.mediaDir() + name, media + name));
    }
    QFile cur(media + QStringLiteral("/Cur/Arrow.cur"));
    QVERIFY(cur.open(QIODevice::ReadWrite) && cur.seek(23));
    QCOMPARE(cur.write("\xff\xff", 2), qint64(2));
    cur.close();
    writeIni(course.root(), QStringLiteral("[LING1]\nCD=%1\nHD=%2\n").arg(media, course.dataDir()));
    course.activate();
    QVERIFY(!testsupport::loadConfiguration());
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    QCOMPARE(namedFiles(testsupport::messageBoxes().first().text, 3), QStringList{"Arrow.cur"});
}

void TestStartup::directoriesGetOneBackslash() {
    QCOMPARE(withTrailingBackslash(QStringLiteral("/a/b")), QStringLiteral("/a/b\\"));
    QCOMPARE(withTrailingBackslash(QStringLiteral("/a/b\\")), QStringLiteral("/a/b\\"));
    testsupport::CourseCopy course;
    writeIni(course.root(), QStringLiteral("[LING1]\nCD=%1\\\nHD=%2\n").arg(course.mediaDir(), course.dataDir()));
    course.activate();
    QVERIFY(testsupport::loadConfiguration());
    QCOMPARE(MediaDir, course.mediaDir() + QStringLiteral("\\"));
    QCOMPARE(DataDir, course.dataDir() + QStringLiteral("\\"));
    QVERIFY(WindowsDir.endsWith(QLatin1Char('\\')));
    QCOMPARE(startupMessage(3), QStringLiteral("Nelze korektně číst z CD-ROM Tutorix.\r\nZkontrolujte, je-li CD-ROM v CD mechanice."));
}

void TestStartup::gradeLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("grade");
    QTest::newRow("three fields") << "0|30|5" << 0 << 30 << 5;
    QTest::newRow("closing bar") << "50|74|" << 50 << 74 << 0;
    QTest::newRow("no bar") << "42" << 42 << 0 << 0;
    QTest::newRow("fourth field ignored") << "1|2|3|4" << 1 << 2 << 3;
    QTest::newRow("leading number") << " 75 %|90abc|2" << 75 << 90 << 2;
    QTest::newRow("non-numeric") << "x|y|z" << 0 << 0 << 0;
    QTest::newRow("rounded") << "49.6|74.4|1" << 50 << 74 << 1;
    QTest::newRow("empty") << "" << 0 << 0 << 0;
}

void TestStartup::gradeLine() {
    QFETCH(QString, line);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(int, grade);
    const GradeBand b = parseGradeLine(line);
    QCOMPARE(int(b.lower), lower);
    QCOMPARE(int(b.upper), upper);
    QCOMPARE(int(b.grade), grade);
}

void TestStartup::textTable() {
    fillTextTable({QStringLiteral("one"), QStringLiteral("two")});
    QCOMPARE(Text(1), QStringLiteral("one"));
    QCOMPARE(Text(2), QStringLiteral("two"));
    QCOMPARE(Text(0), QString());
    QCOMPARE(Text(3), QString());
    QCOMPARE(Text(1000), QString());
    QStringList many;
    for (int i = 1; i <= 1005; ++i) many << QString::number(i);
    fillTextTable(many);
    QCOMPARE(Text(1000), QStringLiteral("1000"));
    QCOMPARE(Text(1001), QString());
    // The bundled course's table holds the exit question and every group title.
    testsupport::CourseCopy course;
    course.activate();
    QVERIFY(testsupport::loadConfiguration());
    for (int k : {1, 2, 3, 5, 7, 9, 11, 13, 15, 34, 44, 45}) QVERIFY2(!Text(k).isEmpty(), qPrintable(QString::number(k)));
    QVERIFY(GradeTable[1].upper > 0 || GradeTable[1].grade > 0);
}

void TestStartup::keyboardRestore_data() {
    QTest::addColumn<QStringList>("layouts");
    QTest::addColumn<int>("initial");
    QTest::addColumn<int>("activeBefore");
    QTest::addColumn<bool>("removeInitial");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("activeAfter");
    QTest::newRow("one layout: one step") << QStringList{"00000405"} << 0 << 0 << false << 1 << "00000405";
    QTest::newRow("already active: full cycle") << QStringList{"00000405", "00000409"} << 0 << 0 << false << 2
                                                << "00000405";
    QTest::newRow("us active: back to czech") << QStringList{"00000405", "00000409"} << 0 << 1 << false << 1
                                              << "00000405";
    QTest::newRow("initial removed: bounded") << QStringList{"00000405", "00000409", "0000041B"} << 0 << 1 << true
                                              << 2 << "0000041B";
}

void TestStartup::keyboardRestore() {
    QFETCH(QStringList, layouts);
    QFETCH(int, initial);
    QFETCH(int, activeBefore);
    QFETCH(bool, removeInitial);
    QFETCH(int, steps);
    QFETCH(QString, activeAfter);
    platform::InProcessKeyboardLayouts kb(layouts, initial);
    platform::KeyboardLayouts::setSystem(&kb);
    SaveKeyboardLayout();
    QCOMPARE(InitialKeyboardLayout, layouts.at(initial));
    kb.setActive(activeBefore);
    if (removeInitial) kb.removeLayout(layouts.at(initial));
    const int before = kb.activations();
    RestoreKeyboardLayout();
    QCOMPARE(kb.activations() - before, steps);
    QCOMPARE(kb.activeName(), activeAfter);
    platform::KeyboardLayouts::setSystem(nullptr);
}

void TestStartup::switchToUs() {
    platform::InProcessKeyboardLayouts kb({QStringLiteral("00000405"), QStringLiteral("0000041B")}, 0);
    platform::KeyboardLayouts::setSystem(&kb);
    SwitchToUsLayout();  // not installed: loaded and activated
    QCOMPARE(kb.activeName(), QStringLiteral("00000409"));
    QVERIFY(UsLayoutActive);
    SwitchToUsLayout();  // installed now: found by stepping back
    QCOMPARE(kb.activeName(), QStringLiteral("00000409"));
    QCOMPARE(kb.count(), 3);
    platform::KeyboardLayouts::setSystem(nullptr);
}

void TestStartup::displaySwitchFails() {
    testsupport::CourseCopy course;
    course.activate();
    QVERIFY(testsupport::loadConfiguration());
    m_display = {};
    m_display.changeSucceeds = false;
    SetDisplayMode();
    QCOMPARE(m_display.changeCalls, 1);
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    QCOMPARE(testsupport::messageBoxes().first().text, Text(44));
    QCOMPARE(testsupport::messageBoxes().first().caption, Text(45));
    QCOMPARE(testsupport::messageBoxes().first().icon, platform::MsgIcon::None);
    QVERIFY(frm_Pozadi::existing() && frm_Pozadi::existing()->isVisible());
    frm_Pozadi::Unload();

    testsupport::messageBoxes().clear();
    m_display.changeSucceeds = true;
    SetDisplayMode();
    QVERIFY(testsupport::messageBoxes().isEmpty());
    QVERIFY(!frm_Pozadi::existing());

    m_display.restoreSucceeds = false;
    RestoreDisplayMode();
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    QCOMPARE(testsupport::messageBoxes().first().text, Text(47));
    m_display.restoreSucceeds = true;
}

void TestStartup::exitNoThenYes() {
    testsupport::CourseCopy course;
    course.activate();
    m_display = {};
    frm_Select &select = frm_Select::get();
    testsupport::recordMessageBoxes(platform::MsgResult::Yes);
    testsupport::loadConfiguration();  // installs the end hook
    select.Load();
    QVERIFY(!select.startupFailed());
    testsupport::messageBoxes().clear();
    testsupport::setMessageBoxAnswer(platform::MsgResult::No);
    select.IKonec_Click();
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    QVERIFY(frm_Select::existing());
    QCOMPARE(testsupport::endRequests(), 0);
    QCOMPARE(m_display.restoreCalls, 0);
    const platform::MsgBoxCall q = testsupport::messageBoxes().last();
    QCOMPARE(q.text, Text(1));
    QCOMPARE(q.caption, Text(2));
    QCOMPARE(q.buttons, platform::MsgButtons::YesNo);
    QCOMPARE(q.icon, platform::MsgIcon::Question);

    testsupport::setMessageBoxAnswer(platform::MsgResult::Yes);
    select.IKonec_Click();
    int code = -1;
    QCOMPARE(testsupport::endRequests(&code), 1);
    QCOMPARE(code, 0);
    QCOMPARE(m_display.restoreCalls, 1);
    QVERIFY(!frm_Select::existing());
    QVERIFY(!frm_Pozadi::existing());
    if (frm_Intro::existing()) frm_Intro::Unload();
}

void TestStartup::titleEndsByClick() {
    testsupport::CourseCopy course;
    course.activate();
    QVERIFY(testsupport::loadConfiguration());
    frm_Intro &intro = frm_Intro::get();
    intro.STAV_FORMU = frm_Intro::kTitleScreen;
    intro.Show();
    QVERIFY(intro.Timer1->isActive());
    QVERIFY(intro.TitleScreenDeadline >= tickCount() + 9000);
    QTimer::singleShot(200, [] {
        if (frm_Intro::existing()) frm_Intro::existing()->Form_MouseDown(Qt::LeftButton, 10, 10);
    });
    QElapsedTimer t;
    t.start();
    QTRY_VERIFY_WITH_TIMEOUT(!frm_Intro::existing(), 3000);
    QVERIFY(t.elapsed() < 2000);
    QVERIFY(frm_Select::existing() && frm_Select::existing()->isVisible());
    QCOMPARE(CurrentScreen, static_cast<ui::Form *>(frm_Select::existing()));
    frm_Select::existing()->hide();
}

void TestStartup::titleEndsByDeadline() {
    testsupport::CourseCopy course;
    course.activate();
    QVERIFY(testsupport::loadConfiguration());
    frm_Intro &intro = frm_Intro::get();
    intro.STAV_FORMU = frm_Intro::kTitleScreen;
    intro.Show();
    intro.TitleScreenDeadline = tickCount() + 600;  // a shorter title for the test
    QElapsedTimer t;
    t.start();
    QTRY_VERIFY_WITH_TIMEOUT(!frm_Intro::existing(), 3000);
    QVERIFY2(t.elapsed() >= 450, qPrintable(QString::number(t.elapsed())));
    QVERIFY(frm_Select::existing() && frm_Select::existing()->isVisible());
    frm_Select::existing()->hide();
}

void TestStartup::wholeStartUp() {
    if (frm_Select::existing()) frm_Select::Unload();
    testsupport::CourseCopy course;
    course.activate();
    testsupport::loadConfiguration();
    m_display = {};
    m_display.changeSucceeds = true;
    testsupport::messageBoxes().clear();
    frm_Select &select = frm_Select::get();
    select.Load();
    QVERIFY(!select.startupFailed());
    QVERIFY(!select.isVisible());                         // hidden until the title ends
    QVERIFY(frm_Intro::existing() && frm_Intro::existing()->isVisible());
    // The selection screen's controls come once the title has been drawn.
    QVERIFY(!select.LI(7));
    QTRY_VERIFY_WITH_TIMEOUT(select.LI(7), 1000);
    QCOMPARE(ExerciseNumber, QStringLiteral("0"));
    QCOMPARE(select.openGroup(), 0);
    for (int k = 1; k <= 6; ++k) QVERIFY(!select.RI(k)->isVisibleTo(&select));
    QCOMPARE(select.LI(7)->y(), 102 + 6 * 54);
    QVERIFY(testsupport::messageBoxes().isEmpty());
    frm_Intro::Unload();
    frm_Select::Unload();
}

void TestStartup::titleTimeStartsAfterTheNotice() {
    if (frm_Select::existing()) frm_Select::Unload();
    testsupport::CourseCopy course;
    course.activate();
    testsupport::loadConfiguration();
    m_display = {};
    m_display.changeSucceeds = false;  // the notice that the display stays as it is
    // The pupil reads the notice for a second before closing it.
    platform::setMsgBoxHook([](const platform::MsgBoxCall &) {
        QTest::qSleep(1000);
        return platform::MsgResult::Ok;
    });
    frm_Select::get().Load();
    testsupport::recordMessageBoxes(platform::MsgResult::Yes);
    QVERIFY(frm_Intro::existing());
    const qint64 left = frm_Intro::existing()->TitleScreenDeadline - tickCount();
    QVERIFY2(left > frm_Intro::kTitleMilliseconds - 500, qPrintable(QString::number(left)));
    frm_Intro::Unload();
    frm_Select::Unload();
    frm_Pozadi::Unload();
}

namespace {
QStringList g_logged;
void collect(QtMsgType, const QMessageLogContext &context, const QString &message) {
    // Notes of the offscreen platform the tests run on, which a real display
    // never prints.
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    g_logged << QStringLiteral("%1: %2").arg(QLatin1String(context.category), message);
}
}  // namespace

void TestStartup::normalRunIsQuiet_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("switches");  // the display can be switched to 640 x 480
    QTest::newRow("quiet, switched") << QStringList{"tutorix"} << true;
    QTest::newRow("quiet, scaled") << QStringList{"tutorix"} << false;
    QTest::newRow("quiet, --scale 2") << QStringList{"tutorix", "--scale", "2"} << false;
    QTest::newRow("--verbose") << QStringList{"tutorix", "--verbose"} << true;
}

void TestStartup::normalRunIsQuiet() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, switches);
    QVERIFY(app::parseCommandLine({"tutorix", "--help"}).out.contains(QLatin1String("--verbose")));
    const auto parsed = app::parseCommandLine(arguments);
    QVERIFY(parsed.options);
    const bool verbose = parsed.options->verbose;
    setCommandLineScale(parsed.options->scale);
    if (frm_Select::existing()) frm_Select::Unload();
    testsupport::CourseCopy course;
    course.activate();
    testsupport::loadConfiguration();  // the end hook and the message boxes answered
    m_display = {};
    m_display.changeSucceeds = switches;
    QLoggingCategory::setFilterRules(app::loggingRules(verbose));
    g_logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    // Start, title, the selection screen, and the exit button with "Ano".
    frm_Select &select = frm_Select::get();
    select.Load();
    // A click ends the title (inside its wait), then the exit button.
    QTimer::singleShot(300, [] {
        if (frm_Intro::existing()) frm_Intro::existing()->Form_MouseDown(Qt::LeftButton, 10, 10);
    });
    QTRY_VERIFY_WITH_TIMEOUT(!frm_Intro::existing(), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(select.LI(7), 1000);
    select.IKonec_Click();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    setCommandLineScale(0);
    QCOMPARE(testsupport::endRequests(), 1);
    // Everything said was the program's own log.
    if (verbose)
        QVERIFY2(!g_logged.filter(QStringLiteral("tutorix.app: ")).isEmpty(), qPrintable(g_logged.join('\n')));
    else
        QVERIFY2(g_logged.isEmpty(), qPrintable(g_logged.join(QLatin1Char('\n'))));
    if (frm_Pozadi::existing()) frm_Pozadi::Unload();
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
