// Scrambled course files and the temporary plain copy.
#include "state/Misc.h"
#include "content/scramble.h"
#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestScramble : public QObject {
    Q_OBJECT
private slots:
    void init();
    void transformation_data();
    void transformation();
    void unscrambleFile_data();
    void unscrambleFile();
    void emptyFileWritesNoCopy();
    void tempPathChoice();
    void copyIsPrivateAndUnique();
    void plantedLeftoverIsNeverUsed_data();
    void plantedLeftoverIsNeverUsed();
    void readerProtocolDeletesCopy();

private:
    QTemporaryDir m_tmp;
};

namespace {
QByteArray sample(qint64 n) {
    QByteArray b(n, '\0');
    for (qint64 i = 0; i < n; ++i) b[i] = char((i * 7 + 3) & 0xFF);
    return b;
}
void writeFile(const QString &path, const QByteArray &data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}
QByteArray bytes(std::initializer_list<char> list) { return QByteArray(list.begin(), qsizetype(list.size())); }
QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

void TestScramble::init() {
    qputenv("TMP", m_tmp.path().toLocal8Bit());
    qunsetenv("TEMP");
}

void TestScramble::transformation_data() {
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("one byte unchanged") << QByteArray("A") << QByteArray("A");
    // Bytes 1..4 are combined with key characters 2, 3, 4, 1 ("2", "7", "1", "9").
    QTest::newRow("five bytes") << QByteArray("AAAAA")
                                << bytes({'A', char('A' ^ '2'), char('A' ^ '7'), char('A' ^ '1'), char('A' ^ '9')});
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("czech text") << QByteArray("\xE8\x9A") << bytes({char(0xE8), char(0x9A ^ '2')});
}

void TestScramble::transformation() {
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, stored);
    QCOMPARE(content::scrambleBytes(plain), stored);
    QCOMPARE(content::scrambleBytes(stored), plain);
}

void TestScramble::unscrambleFile_data() {
    QTest::addColumn<qint64>("length");
    QTest::newRow("1") << qint64(1);
    QTest::newRow("5") << qint64(5);
    QTest::newRow("1048577: one full chunk") << qint64(1048577);
    QTest::newRow("1048578: full chunk and one byte") << qint64(1048578);
    QTest::newRow("2097154: two full chunks") << qint64(2097154);
}

void TestScramble::unscrambleFile() {
    QFETCH(qint64, length);
    const QByteArray plain = sample(length);
    const QString src = m_tmp.path() + QStringLiteral("/x.dat");
    writeFile(src, content::scrambleBytes(plain));
    QVERIFY(content::UnscrambleContentFile(src));
    const QByteArray copy = readFile(platform::nativePath(Misc::TempFilePath));
    QCOMPARE(copy.size(), length);
    QVERIFY(copy == plain);
    const QByteArray stored = readFile(src);
    // The first byte of every chunk is stored plain.
    QCOMPARE(stored.at(0), plain.at(0));
    if (length > content::kChunkSize) QCOMPARE(stored.at(content::kChunkSize), plain.at(content::kChunkSize));
    else if (length > 1) QVERIFY(stored.at(1) != plain.at(1));
    // Applying it to its own output restores the input.
    platform::deleteFileForced(Misc::TempFilePath);
    writeFile(src, plain);
    QVERIFY(content::UnscrambleContentFile(src));
    writeFile(src, readFile(platform::nativePath(Misc::TempFilePath)));
    platform::deleteFileForced(Misc::TempFilePath);
    QVERIFY(content::UnscrambleContentFile(src));
    QVERIFY(readFile(platform::nativePath(Misc::TempFilePath)) == plain);
    platform::deleteFileForced(Misc::TempFilePath);
}

void TestScramble::emptyFileWritesNoCopy() {
    const QString src = m_tmp.path() + QStringLiteral("/empty.dat");
    writeFile(src, {});
    QFile::remove(m_tmp.path() + QStringLiteral("/Dat.tmp"));
    QVERIFY(!content::UnscrambleContentFile(src));
    QCOMPARE(QDir(m_tmp.path()).entryList({QStringLiteral("Dat*")}, QDir::AllEntries | QDir::System), QStringList());
    QVERIFY(!content::UnscrambleContentFile(m_tmp.path() + QStringLiteral("/missing.dat")));
}

void TestScramble::tempPathChoice() {
    qputenv("TMP", "/a/tmp");
    qputenv("TEMP", "/b/temp");
    QCOMPARE(content::chooseTempFilePath(), QStringLiteral("/a/tmp\\Dat.tmp"));
    qputenv("TMP", "");
    QCOMPARE(content::chooseTempFilePath(), QStringLiteral("/b/temp\\Dat.tmp"));
    qunsetenv("TMP");
    qunsetenv("TEMP");
    QCOMPARE(content::chooseTempFilePath(), QDir::tempPath() + QStringLiteral("\\Dat.tmp"));
    QCOMPARE(platform::nativePath(content::chooseTempFilePath()), QDir::tempPath() + QStringLiteral("/Dat.tmp"));
}

void TestScramble::copyIsPrivateAndUnique() {
    const QString src = m_tmp.path() + QStringLiteral("/y.dat");
    writeFile(src, content::scrambleBytes("secret answers"));
    QVERIFY(content::UnscrambleContentFile(src));
    const QString first = Misc::TempFilePath;
    QVERIFY(content::UnscrambleContentFile(src));
    const QString second = Misc::TempFilePath;
    QVERIFY(first != second);
    for (const QString &copy : {first, second}) {
        // The copy sits in $TMP and is named after Dat.tmp.
        QVERIFY2(copy.startsWith(m_tmp.path() + QStringLiteral("\\Dat-")) && copy.endsWith(QLatin1String(".tmp")),
                 qPrintable(copy));
        const QString native = platform::nativePath(copy);
        QCOMPARE(readFile(native), QByteArray("secret answers"));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(native).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);
        platform::deleteFileForced(copy);
    }
}

void TestScramble::plantedLeftoverIsNeverUsed_data() {
    // What another user (or an older version of the program) left at the
    // old fixed name Dat.tmp in a shared temporary folder.
    QTest::addColumn<QString>("kind");
    QTest::newRow("another user's file") << "file";
    QTest::newRow("link to a victim file") << "link";
    QTest::newRow("directory") << "dir";
}

void TestScramble::plantedLeftoverIsNeverUsed() {
    QFETCH(QString, kind);
    QTemporaryDir shared;
    qputenv("TMP", shared.path().toLocal8Bit());
    const QString planted = shared.path() + QStringLiteral("/Dat.tmp");
    const QString victim = m_tmp.path() + QStringLiteral("/victim.txt");
    writeFile(victim, "keep me");
    if (kind == QLatin1String("file")) {
        writeFile(planted, "planted\r\nlines\r\n");
        QVERIFY(QFile::setPermissions(planted, QFileDevice::ReadOwner | QFileDevice::ReadOther));
        if (::geteuid() == 0) QCOMPARE(::chown(QFile::encodeName(planted).constData(), 65534, 65534), 0);
    } else if (kind == QLatin1String("link")) {
        QVERIFY(QFile::link(victim, planted));
    } else {
        QVERIFY(QDir().mkdir(planted));
    }
    const QString src = m_tmp.path() + QStringLiteral("/w.dat");
    writeFile(src, content::scrambleBytes("right\r\nlines\r\n"));
    bool ok = false;
    QCOMPARE(content::readScrambledLines(src, &ok), (QStringList{QStringLiteral("right"), QStringLiteral("lines")}));
    QVERIFY(ok);
    // The leftover was neither read, followed, written nor removed, and no
    // copy of this run is left behind.
    QCOMPARE(readFile(victim), QByteArray("keep me"));
    if (kind == QLatin1String("file")) QCOMPARE(readFile(planted), QByteArray("planted\r\nlines\r\n"));
    if (kind == QLatin1String("link")) QVERIFY(QFileInfo(planted).isSymLink());
    if (kind == QLatin1String("dir")) QVERIFY(QFileInfo(planted).isDir());
    QCOMPARE(QDir(shared.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             QStringList{QStringLiteral("Dat.tmp")});
}

void TestScramble::readerProtocolDeletesCopy() {
    const QString src = m_tmp.path() + QStringLiteral("/z.dat");
    writeFile(src, content::scrambleBytes("first\r\n\xE8\x61j\r\nlast"));
    bool ok = false;
    const QStringList lines = content::readScrambledLines(src, &ok);
    QVERIFY(ok);
    QCOMPARE(lines, (QStringList{QStringLiteral("first"), QStringLiteral("čaj"), QStringLiteral("last")}));
    QVERIFY(!QFile::exists(platform::nativePath(Misc::TempFilePath)));
    QCOMPARE(QDir(m_tmp.path()).entryList({QStringLiteral("Dat*")}, QDir::AllEntries | QDir::System), QStringList());
}

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_scramble.moc"
