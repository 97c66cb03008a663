// The course tool as a teacher runs it: build, scramble and unscramble.
#include "testsupport.h"
#include "course/lib/CourseTool.h"
#include "platform/codec.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCourseTool : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void buildRoundTrip_data();
    void buildRoundTrip();
    void plainFilesAndConfiguration();
    void sameSourcesGiveIdenticalOutput();
    void rebuildKeepsResults();
    void scrambleCommands();
    void sourceFaults_data();
    void sourceFaults();
    void byteOrderMarkIsDropped();
    void usage();

private:
    QTemporaryDir m_tmp;
    QString m_out;
};

namespace {
using testsupport::writeBytes;

const QString kSources = QStringLiteral(TUTORIX_SOURCE_DIR "/course/src");

int runTool(const QStringList &args, QString *stderrText = nullptr) {
    QProcess p;
    p.start(QStringLiteral(TUTORIX_COURSE_TOOL), args);
    if (!p.waitForFinished(240000)) return -1;
    if (stderrText) *stderrText = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// What the program reads from a source: its lines in Windows-1250, CR LF.
QByteArray expectedPlain(const QString &source) {
    const QString text = QString::fromUtf8(readAll(source));
    QStringList lines = platform::splitLines(text);
    return platform::encode1250(platform::joinLinesCrLf(lines));
}

QMap<QString, QByteArray> treeContents(const QString &root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), readAll(path));
    }
    return files;
}

}  // namespace

void TestCourseTool::initTestCase() {
    QVERIFY(m_tmp.isValid());
    m_out = m_tmp.filePath(QStringLiteral("out"));
    QString err;
    QCOMPARE(runTool({QStringLiteral("build"), kSources, m_out}, &err), 0);
    QVERIFY2(!err.contains(QLatin1String("tutorix-course:")), qPrintable(err));
}

void TestCourseTool::buildRoundTrip_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("built");
    for (int n = 1; n <= 24; ++n)
        QTest::newRow(qPrintable(QStringLiteral("%1.dat").arg(n))) << QStringLiteral("%1.txt").arg(n) << QStringLiteral("%1.dat").arg(n);
    QTest::newRow("Texty.dat") << "Texty.txt" << "Texty.dat";
}

void TestCourseTool::buildRoundTrip() {
    QFETCH(QString, source);
    QFETCH(QString, built);
    const QString plain = m_tmp.filePath(built + QStringLiteral(".plain"));
    QCOMPARE(runTool({QStringLiteral("unscramble"), m_out + QStringLiteral("/data/") + built, plain}), 0);
    const QByteArray bytes = readAll(plain);
    QCOMPARE(bytes, expectedPlain(kSources + QLatin1Char('/') + source));
    // Every line ends in CR LF and nothing is stored as UTF-8.
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    QVERIFY(!bytes.contains("\xC3") && !bytes.contains("\xC4") && !bytes.contains("\xC5"));
    // The stored file is not readable as it is.
    QVERIFY(readAll(m_out + QStringLiteral("/data/") + built) != bytes);
}

void TestCourseTool::plainFilesAndConfiguration() {
    const QString data = m_out + QStringLiteral("/data/");
    QCOMPARE(readAll(data + QStringLiteral("Znamky.dat")), expectedPlain(kSources + QStringLiteral("/Znamky.txt")));
    QCOMPARE(readAll(data + QStringLiteral("Vysledky.dat")), QByteArray());
    for (int n = 1; n <= 24; ++n) QCOMPARE(readAll(data + QStringLiteral("%1.res").arg(n)), QByteArray());
    // Czech letters of the texts are Windows-1250 bytes: "č" is 0xE8.
    const QByteArray texts = readAll(m_tmp.filePath(QStringLiteral("Texty.dat.plain")));
    QVERIFY(texts.contains("Cvi\xE8" "en\xED"));

    const QString ini = QString::fromLatin1(readAll(m_out + QStringLiteral("/Tutorix.ini")));
    QVERIFY(ini.startsWith(QStringLiteral("[LING1]\r\n")));
    QVERIFY(ini.contains(QStringLiteral("CD=") + QDir::toNativeSeparators(QDir(m_out).absoluteFilePath(QStringLiteral("media"))) +
                         QStringLiteral("\\\r\n")));
    QVERIFY(ini.contains(QStringLiteral("HD=") + QDir::toNativeSeparators(QDir(m_out).absoluteFilePath(QStringLiteral("data"))) +
                         QStringLiteral("\\\r\n")));
}

void TestCourseTool::sameSourcesGiveIdenticalOutput() {
    const QString second = m_tmp.filePath(QStringLiteral("second"));
    QCOMPARE(runTool({QStringLiteral("build"), kSources, second}), 0);
    const auto a = treeContents(m_out);
    const auto b = treeContents(second);
    QCOMPARE(a.keys(), b.keys());
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        if (it.key() == QLatin1String("Tutorix.ini")) continue;  // names its own folder
        QVERIFY2(it.value() == b.value(it.key()), qPrintable(it.key() + QStringLiteral(" differs between two builds")));
    }
}

void TestCourseTool::rebuildKeepsResults() {
    const QString out = m_out;
    const QByteArray result("Eva|9|1|1|1\r\n");
    const QByteArray log("Jm\xE9no: Eva\r\n");
    QVERIFY(writeBytes(out + QStringLiteral("/data/5.res"), result));
    QVERIFY(writeBytes(out + QStringLiteral("/data/Vysledky.dat"), log));
    QCOMPARE(runTool({QStringLiteral("build"), kSources, out}), 0);
    QCOMPARE(readAll(out + QStringLiteral("/data/5.res")), result);
    QCOMPARE(readAll(out + QStringLiteral("/data/Vysledky.dat")), log);
}

void TestCourseTool::scrambleCommands() {
    const QByteArray plain("Ko\xE8ka#cat\r\n\xC8\x61s#time\r\n");
    const QString in = m_tmp.filePath(QStringLiteral("plain.txt"));
    const QString stored = m_tmp.filePath(QStringLiteral("stored.dat"));
    const QString back = m_tmp.filePath(QStringLiteral("back.txt"));
    QVERIFY(writeBytes(in, plain));
    QCOMPARE(runTool({QStringLiteral("scramble"), in, stored}), 0);
    QVERIFY(readAll(stored) != plain);
    QCOMPARE(readAll(stored).size(), plain.size());
    QCOMPARE(runTool({QStringLiteral("unscramble"), stored, back}), 0);
    QCOMPARE(readAll(back), plain);
    QVERIFY(runTool({QStringLiteral("unscramble"), m_tmp.filePath(QStringLiteral("nothing.dat")), back}) != 0);
}

void TestCourseTool::sourceFaults_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("character without a Windows-1250 form") << "3.txt" << QByteArray("pes#dog\nkočka#cat\nжаба#frog\n")
                                                           << "3.txt:3:";
    QTest::newRow("arrow in the texts") << "Texty.txt" << QByteArray("Opravdu?\nKonec \xE2\x86\x92\n") << "Texty.txt:2:";
    QTest::newRow("missing source") << "Znamky.txt" << QByteArray() << "Znamky.txt: soubor chybí";
}

void TestCourseTool::sourceFaults() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString src = dir.filePath(QStringLiteral("src"));
    QDir().mkpath(src);
    for (const QString &name : QDir(kSources).entryList({QStringLiteral("*.txt")}, QDir::Files))
        QVERIFY(QFile::copy(kSources + QLatin1Char('/') + name, src + QLatin1Char('/') + name));
    QFile::remove(src + QLatin1Char('/') + file);
    if (!content.isEmpty()) QVERIFY(writeBytes(src + QLatin1Char('/') + file, content));

    QString error;
    QCOMPARE(course::buildCourse(src, dir.filePath(QStringLiteral("out")), &error), false);
    QVERIFY2(error.contains(message), qPrintable(error));
}

void TestCourseTool::byteOrderMarkIsDropped() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("3.txt"));
    QVERIFY(writeBytes(path, QByteArray("\xEF\xBB\xBFpes#dog\r\nko\xC4\x8Dka#cat\n")));
    QCOMPARE(course::encodeCourseText(course::readSourceLines(path)), QByteArray("pes#dog\r\nko\xE8ka#cat\r\n"));
}

void TestCourseTool::usage() {
    QCOMPARE(runTool({}), 2);
    QCOMPARE(runTool({QStringLiteral("build"), kSources}), 2);
    QCOMPARE(runTool({QStringLiteral("frobnicate"), QStringLiteral("a"), QStringLiteral("b")}), 2);
}

QTEST_MAIN(TestCourseTool)
#include "tst_course_tool.moc"
