// The results screen through its widgets: a finished run entered and logged
// byte for byte, the best ten with the new row in red, viewing and closing
// back to the parent screen, hover codes and sounds.
#include "testsupport.h"

#include "state/Misc.h"
#include "platform/codec.h"
#include "platform/paths.h"
#include "platform/safefile.h"
#include "platform/sound.h"
#include "results/frm_Tabulka.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

namespace {
using testsupport::readBytes;

const QColor kRed(227, 0, 0);

void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A parent screen to return to.
class ParentForm : public ui::Form {
public:
    int activations = 0;

protected:
    void Form_Activate() override { ++activations; }
};

}  // namespace

class TestResultsScreen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void finishedRunEnteredAndLogged();
    void missingResultsFileIsEmptyTable();
    void onlyBestTenShownEleventhNotRed();
    void viewingDuringRunReturnsToParent();
    void hoverCodesAndSounds();
    void fullDiskNotShownAsSaved();
    void ownResultBelowTable_data();
    void ownResultBelowTable();

private:
    QString dataFile(const QString &name) const { return m_course->dataDir() + QLatin1Char('/') + name; }
    frm_Tabulka &load() {
        frm_Tabulka::get().Load();
        return frm_Tabulka::get();
    }
    QStringList shownNames(frm_Tabulka &t) {
        QStringList out;
        for (int i = 1; i <= 10; ++i) out << t.LJmeno(i)->Caption();
        return out;
    }
    std::unique_ptr<testsupport::CourseCopy> m_course;
};

void TestResultsScreen::initTestCase() {
    m_course = std::make_unique<testsupport::CourseCopy>();
    QVERIFY(m_course->isValid());
    m_course->activate();
    QVERIFY(testsupport::loadConfiguration());
    QCOMPARE(Misc::Text(35), QStringLiteral("Jméno"));
}

void TestResultsScreen::init() {
    Misc::ExerciseNumber = QStringLiteral("3");
    Misc::QuestionCount = 10;
    writeBytes(dataFile("3.res"), QByteArray());
    writeBytes(dataFile("Vysledky.dat"), QByteArray());
    testsupport::messageBoxes().clear();
}

void TestResultsScreen::cleanup() {
    frm_Tabulka::Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestResultsScreen::finishedRunEnteredAndLogged() {
    writeBytes(dataFile("3.res"), QByteArray("Eva|9|1|1|1\r\nTom|5|5|3|0\r\n"));
    frm_Tabulka &t = load();
    QCOMPARE(t.size(), QSize(640, 480));
    // Loaded records are shown black, none highlighted.
    QCOMPARE(t.LJmeno(1)->Caption(), QStringLiteral("Eva"));
    QCOMPARE(t.LJmeno(1)->ForeColor(), QColor(Qt::black));

    // 7 right and 3 wrong of a 10-item run, as the exercise form hands it over.
    const QString grade = t.Vlozeni_znamky(7, 10);
    QCOMPARE(grade, QStringLiteral("3"));
    const QString name = QStringLiteral("Jiří Čermák");
    const QDateTime before = QDateTime::currentDateTime();
    t.Vloz_novy_zaznam(name, QStringLiteral("7"), QStringLiteral("3"), grade, 1);
    t.Vloz_zaznam_do_souboru_vysledky_dat(name, QStringLiteral("Slovíčka"), QStringLiteral("Překlad slov"),
                                          QStringLiteral("7"), QStringLiteral("3"), grade);
    const QDateTime after = QDateTime::currentDateTime();

    QCOMPARE(readBytes(dataFile("3.res")),
             QByteArray("Eva|9|1|1|0\r\nJi\xF8\xED \xC8" "erm\xE1k|7|3|3|1\r\nTom|5|5|3|0\r\n"));
    QCOMPARE(shownNames(t).mid(0, 4), (QStringList{"Eva", name, "Tom", ""}));
    QCOMPARE(t.LPoradi(2)->Caption(), QStringLiteral("2."));
    QCOMPARE(t.LSpravne(2)->Caption(), QStringLiteral("7"));
    QCOMPARE(t.LSpatne(2)->Caption(), QStringLiteral("3"));
    QCOMPARE(t.LZnamka(2)->Caption(), QStringLiteral("3"));
    for (auto *arr : {&t.LPoradi, &t.LJmeno, &t.LSpravne, &t.LSpatne, &t.LZnamka}) {
        QCOMPARE((*arr)(2)->ForeColor(), kRed);
        QCOMPARE((*arr)(1)->ForeColor(), QColor(Qt::black));
        QCOMPARE((*arr)(3)->ForeColor(), QColor(Qt::black));
    }

    // The log entry: Windows-1250, CR LF, labels from the texts file.
    const QByteArray log = readBytes(dataFile("Vysledky.dat"));
    bool matched = false;
    for (const QDateTime &when : {before, after}) {
        const QString date = QStringLiteral("%1.%2.%3").arg(when.date().day()).arg(when.date().month()).arg(
            when.date().year());
        const QByteArray expected =
            QByteArray("Jm\xE9no: Ji\xF8\xED \xC8" "erm\xE1k") + QByteArray(24, ' ') + "   Datum: " +
            date.toLatin1() + QByteArray(10 - date.size(), ' ') + "   \xC8" "as: " +
            when.toString(QStringLiteral("hh:mm")).toLatin1() + "\r\n" + "Skupina: Slov\xED\xE8ka" +
            QByteArray(12, ' ') + " Cvi\xE8" "en\xED: P\xF8" "eklad slov" + QByteArray(18, ' ') + "\r\n" +
            "Po\xE8" "et ot\xE1zek:  10       Spr\xE1vn\xEC:  7         \x8A" "patn\xEC:  3         Zn\xE1mka:  3\r\n" +
            QByteArray(75, '=') + "\r\n";
        matched = matched || log == expected;
    }
    QVERIFY2(matched, log.constData());

    // A second run of the same pupil is added after the first entry.
    t.Vloz_zaznam_do_souboru_vysledky_dat(name, "a", "b", "10", "0", "1");
    const QByteArray twice = readBytes(dataFile("Vysledky.dat"));
    QVERIFY(twice.startsWith(log));
    QCOMPARE(twice.count("\r\n"), 8);
    QVERIFY(testsupport::messageBoxes().isEmpty());

    QDir().mkpath(QStringLiteral(TUTORIX_BUILD_DIR "/shots"));
    t.Show();
    t.grab().save(QStringLiteral(TUTORIX_BUILD_DIR "/shots/results_3.png"));
}

void TestResultsScreen::missingResultsFileIsEmptyTable() {
    QVERIFY(QFile::remove(dataFile("3.res")));
    frm_Tabulka &t = load();
    QCOMPARE(t.ResultCount(), 0);
    for (int i = 1; i <= 10; ++i) {
        QCOMPARE(t.LPoradi(i)->Caption(), QString::number(i) + QLatin1Char('.'));
        QCOMPARE(t.LJmeno(i)->Caption(), QString());
        QCOMPARE(t.LPoradi(i)->Top(), 135 + 30 * i);
    }
    // The first insertion creates the file; row 1 shows it in red.
    t.Vloz_novy_zaznam(QStringLiteral("Ola|Kim"), QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("1"), 1);
    QCOMPARE(readBytes(dataFile("3.res")), QByteArray("Ola/Kim|10|0|1|1\r\n"));
    QCOMPARE(t.LJmeno(1)->Caption(), QStringLiteral("Ola/Kim"));
    QCOMPARE(t.LJmeno(1)->ForeColor(), kRed);
}

void TestResultsScreen::onlyBestTenShownEleventhNotRed() {
    // Eleven pupils with grade 1 (names written in Windows-1250).
    QByteArray stored;
    for (int i = 1; i <= 11; ++i) stored += platform::encode1250(QStringLiteral("Žák %1|9|1|1|0\r\n").arg(i));
    writeBytes(dataFile("3.res"), stored);
    frm_Tabulka &t = load();
    QCOMPARE(t.ResultCount(), 11);
    QCOMPARE(t.LJmeno(10)->Caption(), QStringLiteral("Žák 10"));

    // Ties with all eleven: the new record comes twelfth, saved but not shown.
    t.Vloz_novy_zaznam(QStringLiteral("Nový"), QStringLiteral("9"), QStringLiteral("1"), QStringLiteral("1"), 1);
    QCOMPARE(t.ResultCount(), 12);
    QVERIFY(readBytes(dataFile("3.res")).endsWith(QByteArray("Nov\xFD|9|1|1|1\r\n")));
    QVERIFY(!shownNames(t).contains(QStringLiteral("Nový")));
    for (int i = 1; i <= 10; ++i) QCOMPARE(t.LJmeno(i)->ForeColor(), QColor(Qt::black));

    // A better result enters the ten and is red; the table still shows ten.
    t.Vloz_novy_zaznam(QStringLiteral("Lepší"), QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("1"), 1);
    QCOMPARE(t.LJmeno(1)->Caption(), QStringLiteral("Lepší"));
    QCOMPARE(t.LJmeno(1)->ForeColor(), kRed);
    QCOMPARE(t.LJmeno(10)->Caption(), QStringLiteral("Žák 9"));
    QCOMPARE(t.LJmeno(10)->ForeColor(), QColor(Qt::black));
    QCOMPARE(readBytes(dataFile("3.res")).count("|0\r\n"), 12);  // every older mark cleared
}

void TestResultsScreen::viewingDuringRunReturnsToParent() {
    writeBytes(dataFile("3.res"), QByteArray("Eva|9|1|1|0\r\n"));
    ParentForm parent;
    parent.Load();
    frm_Tabulka &t = frm_Tabulka::get();
    t.Nadrazeny_form = &parent;
    t.Show();
    Misc::CurrentScreen = &t;
    QCOMPARE(t.LJmeno(1)->Caption(), QStringLiteral("Eva"));
    QVERIFY(t.isVisible());

    platform::Sounds::log().clear();
    t.picKonec_Click();
    QCOMPARE(Misc::CurrentScreen, &parent);
    QVERIFY(parent.isVisible());
    QVERIFY(!frm_Tabulka::existing());
    QCOMPARE(platform::Sounds::log().size(), 1);
    QVERIFY(platform::Sounds::log().first().endsWith(QStringLiteral("click.wav")));
    // Viewing changed nothing.
    QCOMPARE(readBytes(dataFile("3.res")), QByteArray("Eva|9|1|1|0\r\n"));
    QCOMPARE(readBytes(dataFile("Vysledky.dat")), QByteArray());
    parent.hide();
}

void TestResultsScreen::hoverCodesAndSounds() {
    Misc::HoverCode = 7;
    frm_Tabulka &t = load();
    QCOMPARE(int(Misc::HoverCode), 0);
    // The program's own pointers: the arrow over the screen, the hand over the button.
    QVERIFY(!Misc::CursorArrow.pixmap().isNull() && !Misc::CursorHand.pixmap().isNull());
    QCOMPARE(t.cursor().pixmap().cacheKey(), Misc::CursorArrow.pixmap().cacheKey());
    QCOMPARE(t.picKonec->widget()->cursor().pixmap().cacheKey(), Misc::CursorHand.pixmap().cacheKey());
    const QImage normal = t.picKonec->image().copy();
    platform::Sounds::log().clear();
    t.picKonec_MouseMove();
    t.picKonec_MouseMove();
    QCOMPARE(int(Misc::HoverCode), 4);
    QCOMPARE(platform::Sounds::log().size(), 1);  // once per entry
    QVERIFY(platform::Sounds::log().first().endsWith(QStringLiteral("enter.wav")));
    QVERIFY(t.picKonec->image() != normal);
    t.Form_MouseMove(Qt::NoButton, 10, 300);
    QCOMPARE(int(Misc::HoverCode), 0);
    QCOMPARE(t.picKonec->image(), normal);
    QCOMPARE(platform::Sounds::log().size(), 1);  // leaving is silent
}

// The disk is full (the file size limit stands in for it): the pupil is
// told, the table and the log stay as they were, and the table does not
// show the result as if it had been saved.
void TestResultsScreen::fullDiskNotShownAsSaved() {
    const QByteArray table("Eva|9|1|1|1\r\nTom|5|5|3|0\r\n");
    writeBytes(dataFile("3.res"), table);
    writeBytes(dataFile("Vysledky.dat"), "old\r\n");
    frm_Tabulka &t = load();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 12;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    t.Vloz_novy_zaznam(QStringLiteral("Nový"), QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("1"), 1);
    t.Vloz_zaznam_do_souboru_vysledky_dat(QStringLiteral("Nový"), "a", "b", "10", "0", "1");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    QCOMPARE(readBytes(dataFile("3.res")), table);
    QCOMPARE(readBytes(dataFile("Vysledky.dat")), QByteArray("old\r\n"));
    // One message names both files.
    QCoreApplication::processEvents();
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    const platform::MsgBoxCall box = testsupport::messageBoxes().first();
    QCOMPARE(box.caption, QStringLiteral("Chyba"));
    for (const char *file : {"3.res", "Vysledky.dat"})
        QVERIFY2(box.text.contains(platform::nativePath(dataFile(QLatin1String(file)))), qPrintable(box.text));
    QVERIFY2(box.text.contains(platform::czechReason(EFBIG)), qPrintable(box.text));
    QCOMPARE(shownNames(t).mid(0, 3), (QStringList{"Eva", "Tom", ""}));
    QCOMPARE(t.ResultCount(), 2);
    for (int i = 1; i <= 2; ++i) QCOMPARE(t.LJmeno(i)->ForeColor(), QColor(Qt::black));
}

void TestResultsScreen::ownResultBelowTable_data() {
    QTest::addColumn<int>("stored");  // older results, each 9 right, 1 wrong, grade 1
    QTest::addColumn<QStringList>("run");  // name, right, wrong, grade
    QTest::addColumn<QString>("place");
    QTest::addColumn<int>("redRow");  // 0: not among the ten shown
    QTest::addColumn<int>("medals");
    QTest::newRow("first result of the table")
        << 0 << QStringList{"Eva", "9", "1", "1"} << "1." << 1 << 1;
    QTest::newRow("second place") << 1 << QStringList{"Jan", "8", "2", "1"} << "2." << 2 << 2;
    QTest::newRow("twelfth, below the ten shown")
        << 11 << QStringList{"Nový", "9", "1", "1"} << "12." << 0 << 3;
    QTest::newRow("no grade band: shown, not entered") << 2 << QStringList{"Ola", "0", "10", ""} << "" << 0 << 2;
}

void TestResultsScreen::ownResultBelowTable() {
    QFETCH(int, stored);
    QFETCH(QStringList, run);
    QFETCH(QString, place);
    QFETCH(int, redRow);
    QFETCH(int, medals);
    QByteArray bytes;
    for (int i = 1; i <= stored; ++i) bytes += QStringLiteral("Žák %1|9|1|1|0\r\n").arg(i).toUtf8();
    writeBytes(dataFile("3.res"), platform::encode1250(QString::fromUtf8(bytes)));
    frm_Tabulka &t = load();
    QVERIFY(!t.LVlastniJmeno->isVisibleTo(&t));  // only a finished run has one
    t.Vloz_novy_zaznam(run[0], run[1], run[2], run[3], 1);
    const QList<ui::Label *> own{t.LVlastniPoradi, t.LVlastniJmeno, t.LVlastniSpravne, t.LVlastniSpatne,
                                 t.LVlastniZnamka};
    const QStringList shown{place, run[0], run[1], run[2], run[3]};
    for (int c = 0; c < 5; ++c) {
        QVERIFY(own[c]->isVisibleTo(&t));
        QCOMPARE(own[c]->Caption(), shown[c]);
        QVERIFY(own[c]->y() >= t.LJmeno(10)->y() + t.LJmeno(10)->height());
        QVERIFY(own[c]->y() + own[c]->height() <= 480);
    }
    for (int i = 1; i <= 10; ++i) QCOMPARE(t.LJmeno(i)->ForeColor(), i == redRow ? kRed : QColor(Qt::black));
    const QImage picture = t.picture().toImage();
    const QImage plain = QImage(m_course->mediaDir() + QStringLiteral("/Bitmap/Tab/03.bmp"));
    QVERIFY(!plain.isNull());
    for (int i = 1; i <= 10; ++i) {
        const QPoint centre = frm_Tabulka::medalRect(i).center();
        QCOMPARE(picture.pixel(centre) != plain.pixel(centre), i <= medals);
    }
}

QTEST_MAIN(TestResultsScreen)
#include "tst_results_screen.moc"
