// Where results go, decided at start-up: the data folder when the pupil can
// write there (also a read-only folder whose results files are writable),
// else the pupil's own folder, which starts from the installed table; or
// the folder the INI's Vysledky key names. A finished run then lands there,
// table and log alike, and nowhere else.
#include "pupilrights.h"
#include "testsupport.h"

#include "state/Misc.h"
#include "course/lib/CourseLookup.h"
#include "platform/codec.h"
#include "platform/paths.h"
#include "results/frm_Tabulka.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using testsupport::readBytes;

bool writeBytes(const QString &path, const QByteArray &bytes, bool append = false) {
    QFile f(path);
    return f.open(append ? QIODevice::Append : QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(bytes) == bytes.size();
}

constexpr QFileDevice::Permissions kReadOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions kWritable = kReadOnly | QFileDevice::WriteOwner;

}  // namespace

class TestResultsFolder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void resultsLandInChosenFolder_data();
    void resultsLandInChosenFolder();

private:
    std::unique_ptr<testsupport::CourseCopy> m_course;
    std::unique_ptr<QTemporaryDir> m_home;
    QStringList m_restore;  // folders and files made read-only by a row
};

void TestResultsFolder::initTestCase() { testsupport::recordMessageBoxes(); }

void TestResultsFolder::cleanup() {
    QVERIFY(testsupport::setFileOverride(true));
    for (const QString &p : m_restore) QFile::setPermissions(p, kWritable | QFileDevice::ReadOther);
    m_restore.clear();
    frm_Tabulka::Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestResultsFolder::resultsLandInChosenFolder_data() {
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<bool>("filesWritable");
    QTest::addColumn<QString>("iniFolder");  // "" none; "writable" or "read-only" folder named by the key
    QTest::addColumn<QString>("expected");   // "data", "user" or "ini"
    QTest::newRow("writable data folder") << true << true << "" << "data";
    QTest::newRow("read-only folder, writable results files") << false << true << "" << "data";
    QTest::newRow("read-only course") << false << false << "" << "user";
    QTest::newRow("INI key names a folder") << true << true << "writable" << "ini";
    QTest::newRow("INI folder not writable, read-only course") << false << false << "read-only" << "user";
}

void TestResultsFolder::resultsLandInChosenFolder() {
    QFETCH(bool, folderWritable);
    QFETCH(bool, filesWritable);
    QFETCH(QString, iniFolder);
    QFETCH(QString, expected);
    m_course = std::make_unique<testsupport::CourseCopy>();
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_course->isValid() && m_home->isValid());
    m_course->activate();
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home->path() + QStringLiteral("/share")));
    const QString data = m_course->dataDir();
    const QByteArray installed("Eva|9|1|1|0\r\n");
    QVERIFY(writeBytes(data + QStringLiteral("/3.res"), installed));
    QVERIFY(writeBytes(data + QStringLiteral("/Vysledky.dat"), "old\r\n"));
    const QString named = m_home->path() + QStringLiteral("/classroom");
    if (!iniFolder.isEmpty()) {
        QVERIFY(writeBytes(m_course->root() + QStringLiteral("/Tutorix.ini"),
                           QStringLiteral("Vysledky=%1\r\n").arg(named).toLocal8Bit(), true));
        QVERIFY(QDir().mkpath(named));
        if (iniFolder == QLatin1String("read-only")) {
            QFile::setPermissions(named, kReadOnly);
            m_restore << named;
        }
    }
    if (!filesWritable) {
        for (const QString &n : QDir(data).entryList({QStringLiteral("*.res"), QStringLiteral("*.dat")}, QDir::Files)) {
            QFile::setPermissions(data + QLatin1Char('/') + n, QFileDevice::ReadOwner | QFileDevice::ReadOther);
            m_restore << data + QLatin1Char('/') + n;
        }
    }
    if (!folderWritable) {
        QFile::setPermissions(data, kReadOnly);
        m_restore << data;
    }
    QVERIFY(testsupport::setFileOverride(false));
    testsupport::messageBoxes().clear();

    QVERIFY(testsupport::loadConfiguration());
    const QString where = expected == QLatin1String("data")  ? data
                          : expected == QLatin1String("ini") ? named
                                                             : m_home->path() + QStringLiteral("/share/tutorix");
    QCOMPARE(QDir(platform::nativePath(Misc::ResultsDir)).canonicalPath(), QDir(where).canonicalPath());
    // A configured folder that cannot be written is never replaced silently:
    // one box names it, the reason, and where this run's results go.
    const bool refused = iniFolder == QLatin1String("read-only");
    QCOMPARE(testsupport::messageBoxes().size(), refused ? 1 : 0);
    // The teacher's tools mention the other folder once it holds results.
    QCOMPARE(course::fallbackNotice(course::lookUpCourse()).isEmpty(), true);
    if (refused) {
        const platform::MsgBoxCall box = testsupport::messageBoxes().takeFirst();
        QCOMPARE(box.caption, QStringLiteral("Chyba"));
        QVERIFY2(box.text.contains(named) && box.text.contains(where) &&
                     box.text.contains(QStringLiteral("oprávnění")),
                 qPrintable(box.text));
    }

    // A finished run: the installed table is shown and carried over.
    Misc::ExerciseNumber = QStringLiteral("3");
    Misc::QuestionCount = 10;
    frm_Tabulka::get().Load();
    frm_Tabulka &t = frm_Tabulka::get();
    QCOMPARE(t.LJmeno(1)->Caption(), QStringLiteral("Eva"));
    t.Vloz_novy_zaznam(QStringLiteral("Nový"), QStringLiteral("7"), QStringLiteral("3"), QStringLiteral("3"), 1);
    t.Vloz_zaznam_do_souboru_vysledky_dat(QStringLiteral("Nový"), "a", "b", "7", "3", "3");
    QCOMPARE(testsupport::messageBoxes().size(), 0);
    QCOMPARE(t.LJmeno(2)->Caption(), QStringLiteral("Nový"));

    QCOMPARE(readBytes(where + QStringLiteral("/3.res")), installed + "Nov\xFD|7|3|3|1\r\n");
    const QByteArray log = readBytes(where + QStringLiteral("/Vysledky.dat"));
    QVERIFY2(log.contains("Nov\xFD") && log.endsWith(QByteArray(75, '=') + "\r\n"), log.constData());
    QCOMPARE(log.startsWith("old\r\n"), expected == QLatin1String("data"));
    const QString notice = course::fallbackNotice(course::lookUpCourse());
    QCOMPARE(notice.contains(named) && notice.contains(where), refused);
    if (expected != QLatin1String("data")) {
        // The course's own files are untouched.
        QCOMPARE(readBytes(data + QStringLiteral("/3.res")), installed);
        QCOMPARE(readBytes(data + QStringLiteral("/Vysledky.dat")), QByteArray("old\r\n"));
    }
}

QTEST_MAIN(TestResultsFolder)
#include "tst_results_folder.moc"
