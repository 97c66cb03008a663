// The platform layers: INI reading, paths, Windows-1250 text, cursor files,
// keyboard layouts, the sound module.
#include "platform/codec.h"
#include "platform/curfile.h"
#include "platform/ini.h"
#include "platform/keyboard.h"
#include "platform/paths.h"
#include "platform/sound.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void iniValue_data();
    void iniValue();
    void iniMissingFile();
    void pathsMatchWithoutCase();
    void codecRoundTrip_data();
    void codecRoundTrip();
    void codecUnmappable();
    void splitLines_data();
    void splitLines();
    void cursorRoundTrip();
    void damagedCursor_data();
    void damagedCursor();
    void wrongEncoding_data();
    void wrongEncoding();
    void keyboardCycle();
    void soundModule_data();
    void soundModule();
};

void TestPlatform::iniValue_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QString plain = QStringLiteral("[LING1]\r\nCD=D:\\Tutorix\\\r\nHD=C:\\Data\r\n");
    QTest::newRow("exact") << plain << "LING1" << "CD" << "D:\\Tutorix\\";
    QTest::newRow("backslash kept") << plain << "LING1" << "HD" << "C:\\Data";
    QTest::newRow("section case") << plain << "ling1" << "cd" << "D:\\Tutorix\\";
    QTest::newRow("blanks trimmed") << QStringLiteral(" [ Ling1 ] \n  cd  =   /media/x  \n") << "LING1" << "CD" << "/media/x";
    QTest::newRow("quotes removed") << QStringLiteral("[LING1]\nCD=\"/a b/\"\n") << "LING1" << "CD" << "/a b/";
    QTest::newRow("empty value") << QStringLiteral("[LING1]\nCD=\n") << "LING1" << "CD" << "";
    QTest::newRow("missing key") << plain << "LING1" << "XX" << "Chyba";
    QTest::newRow("missing section") << plain << "OTHER" << "CD" << "Chyba";
    QTest::newRow("other section's key") << QStringLiteral("[A]\nCD=1\n[LING1]\nHD=2\n") << "LING1" << "CD" << "Chyba";
    QTest::newRow("first of two") << QStringLiteral("[LING1]\nCD=1\nCD=2\n") << "LING1" << "CD" << "1";
    QTest::newRow("comment") << QStringLiteral("[LING1]\n;CD=1\nCD=2\n") << "LING1" << "CD" << "2";
    QTest::newRow("cut at 254") << QStringLiteral("[LING1]\nCD=") + QString(300, QLatin1Char('x')) << "LING1" << "CD"
                                << QString(254, QLatin1Char('x'));
    QTest::newRow("Czech path") << QStringLiteral("[LING1]\nCD=/škola/učebnice\n") << "LING1" << "CD" << "/škola/učebnice";
}

void TestPlatform::iniValue() {
    QFETCH(QString, ini);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(platform::profileStringFromText(ini, section, key, QStringLiteral("Chyba")), expected);
    // The same through a file stored in Windows-1250.
    QTemporaryDir dir;
    QFile f(dir.path() + QStringLiteral("/Tutorix.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(platform::encode1250(ini));
    f.close();
    QCOMPARE(platform::getPrivateProfileString(section, key, QStringLiteral("Chyba"), dir.path() + QStringLiteral("\\tutorix.INI")),
             expected);
}

void TestPlatform::iniMissingFile() {
    QCOMPARE(platform::getPrivateProfileString(QStringLiteral("LING1"), QStringLiteral("CD"), QStringLiteral("Chyba"),
                                               QStringLiteral("/nonexistent/Tutorix.ini")),
             QStringLiteral("Chyba"));
}

void TestPlatform::pathsMatchWithoutCase() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Bitmap/Select")));
    QFile f(dir.path() + QStringLiteral("/Bitmap/Select/bckg.bmp"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    QFile z(dir.path() + QStringLiteral("/Znamky.dat"));
    QVERIFY(z.open(QIODevice::WriteOnly));
    z.close();
    const QString base = dir.path() + QLatin1Char('\\');
    QCOMPARE(platform::nativePath(base + QStringLiteral("bitmap\\SELECT\\BCKG.bmp")),
             dir.path() + QStringLiteral("/Bitmap/Select/bckg.bmp"));
    QVERIFY(platform::fileExists(base + QStringLiteral("znamky.dat")));
    QVERIFY(platform::fileExists(base + QStringLiteral("ZNAMKY.DAT")));
    QVERIFY(!platform::fileExists(base + QStringLiteral("Texty.dat")));
    QVERIFY(!platform::fileExists(base + QStringLiteral("Bitmap")));  // a folder is not a file
    // A missing component keeps the rest as written.
    QCOMPARE(platform::nativePath(base + QStringLiteral("bitmap\\New\\x.bmp")),
             dir.path() + QStringLiteral("/Bitmap/New/x.bmp"));
    // Deleting a read-only file works.
    z.setPermissions(QFileDevice::ReadOwner);
    QVERIFY(platform::deleteFileForced(base + QStringLiteral("znamky.DAT")));
    QVERIFY(!QFile::exists(z.fileName()));
}

void TestPlatform::codecRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QStringLiteral("Hello, world!");
    QTest::newRow("czech") << QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy. ĚŠČŘŽÝÁÍÉŮÚŤĎŇ");
    QTest::newRow("slovak") << QStringLiteral("Všetky témy ľ ĺ ŕ ô ä");
    QTest::newRow("typography") << QStringLiteral("„uvozovky“ – pomlčka … €");
}

void TestPlatform::codecRoundTrip() {
    QFETCH(QString, text);
    QVERIFY(platform::representableIn1250(text));
    QCOMPARE(platform::decode1250(platform::encode1250(text)), text);
}

void TestPlatform::codecUnmappable() {
    QCOMPARE(platform::encode1250(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
    QVERIFY(!platform::representableIn1250(QStringLiteral("\u4E2D")));
    // Known bytes of the code page.
    QCOMPARE(platform::encode1250(QStringLiteral("ěščřžýáíé")), QByteArray("\xEC\x9A\xE8\xF8\x9E\xFD\xE1\xED\xE9"));
    // Every byte decodes and encodes back to itself.
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    QCOMPARE(platform::encode1250(platform::decode1250(all)), all);
}

void TestPlatform::splitLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("last line without end") << QStringLiteral("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty middle line") << QStringLiteral("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("lf only") << QStringLiteral("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("one empty line") << QStringLiteral("\r\n") << QStringList{""};
}

void TestPlatform::splitLines() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(platform::splitLines(text), lines);
    if (!lines.isEmpty()) QCOMPARE(platform::splitLines(platform::joinLinesCrLf(lines)), lines);
}

void TestPlatform::cursorRoundTrip() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int i = 0; i < 20; ++i) img.setPixel(i, i, qRgba(200, 10, 30, 255));
    const QByteArray cur = platform::encodeCursorFile(img, QPoint(5, 7));
    const platform::CursorImage parsed = platform::parseCursorFile(cur);
    QVERIFY(parsed.valid);
    QCOMPARE(parsed.hotSpot, QPoint(5, 7));
    QCOMPARE(parsed.image.size(), QSize(32, 32));
    QCOMPARE(parsed.image.pixel(3, 3), qRgba(200, 10, 30, 255));
    QCOMPARE(qAlpha(parsed.image.pixel(30, 2)), 0);
    QVERIFY(!platform::parseCursorFile(QByteArray("garbage")).valid);
    QVERIFY(!platform::parseCursorFile(cur.left(30)).valid);  // truncated
}

namespace {
QByteArray validCursor() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(qRgba(0, 0, 0, 255));
    return platform::encodeCursorFile(img, QPoint(1, 1));
}
void putLe32(QByteArray &b, int at, quint32 v) {
    for (int k = 0; k < 4; ++k) b[at + k] = char((v >> (8 * k)) & 0xFF);
}
}  // namespace

void TestPlatform::damagedCursor_data() {
    // A valid 32 x 32 cursor: 22 bytes of header and directory, then a
    // 40-byte DIB header, 4096 bytes of colour and 128 bytes of mask.
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = validCursor();
    QByteArray b = good;
    b[23] = char(0xFF);
    b[24] = char(0xFF);
    QTest::newRow("bytes 23-24 set to ff: DIB header beyond the data") << b;
    b = good;
    // The image starts 4 bytes before the end; its size makes offset + size
    // wrap around to 22 in 32 bits.
    putLe32(b, 18, quint32(b.size() - 4));
    putLe32(b, 14, quint32(0x100000000LL - (b.size() - 4) + 22));
    QTest::newRow("offset plus size wraps in 32 bits") << b;
    b = good;
    putLe32(b, 18, 0);
    QTest::newRow("image offset inside the directory") << b;
    b = good.left(22 + 40 + 100);
    putLe32(b, 14, quint32(b.size() - 22));
    QTest::newRow("pixel data shorter than the header claims") << b;
    b = good.left(22 + 40 + 4096);
    putLe32(b, 14, quint32(b.size() - 22));
    QTest::newRow("mask missing") << b;
    b = good;
    putLe32(b, 22 + 4, 0x7FFFFFFF);
    QTest::newRow("DIB width beyond any cursor") << b;
    b = good;
    putLe32(b, 22 + 8, 0xFFFFFFC0u);
    QTest::newRow("negative DIB height") << b;
}

void TestPlatform::damagedCursor() {
    QFETCH(QByteArray, bytes);
    QVERIFY(!platform::parseCursorFile(bytes).valid);
}

void TestPlatform::wrongEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("utf8");
    const QString czech = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy.");
    QTest::newRow("Czech in UTF-8") << czech.toUtf8() << true;
    QTest::newRow("Czech in Windows-1250") << platform::encode1250(czech) << false;
    QTest::newRow("typography in UTF-8") << QStringLiteral("„Ahoj“ – řekl").toUtf8() << true;
    // Ú followed by ž is a well-formed UTF-8 pair, but it spells U+069E.
    QTest::newRow("accented capital before ž in Windows-1250") << platform::encode1250(QStringLiteral("Úžas!")) << false;
    QTest::newRow("plain ASCII") << QByteArray("The cat is on the mat.#on") << false;
    QTest::newRow("overlong form") << QByteArray("a\xC0\xAF") << false;
    QTest::newRow("sequence cut at the end") << QByteArray("\xC5") << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("UTF-8 and Windows-1250 mixed") << czech.toUtf8() + platform::encode1250(czech) << false;
}

void TestPlatform::wrongEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, utf8);
    QCOMPARE(platform::looksLikeUtf8(bytes), utf8);
}

void TestPlatform::keyboardCycle() {
    platform::InProcessKeyboardLayouts layouts({QStringLiteral("00000405"), QStringLiteral("00000409")}, 0);
    layouts.activatePrevious();
    QCOMPARE(layouts.activeName(), QStringLiteral("00000409"));
    layouts.activatePrevious();
    QCOMPARE(layouts.activeName(), QStringLiteral("00000405"));
    QCOMPARE(platform::windowsLayoutIdForXkb(QStringLiteral("cz")), QStringLiteral("00000405"));
    QCOMPARE(platform::windowsLayoutIdForXkb(QStringLiteral("US")), QStringLiteral("00000409"));
    QCOMPARE(platform::windowsLayoutIdForXkb(QStringLiteral("xx")).size(), 8);
}

void TestPlatform::soundModule_data() {
    QTest::addColumn<QString>("module");
    QTest::addColumn<bool>("loads");
    // In this order: once loaded, the module stays.
    QTest::newRow("missing") << QStringLiteral("/nonexistent/libtutorix_sound.so") << false;
    QTest::newRow("not a module") << QStringLiteral(TUTORIX_COURSE_TOOL) << false;
    QTest::newRow("the built module") << QStringLiteral(TUTORIX_SOUND_MODULE_FILE) << true;
}

void TestPlatform::soundModule() {
    QFETCH(QString, module);
    QFETCH(bool, loads);
    qputenv("TUTORIX_SOUND_MODULE", module.toLocal8Bit());
    platform::Sounds::setMuted(false);
    platform::Sounds::prepare();
    QCOMPARE(platform::Sounds::hasOutput(), loads);
    // With or without the module, sounds are asked for and ended safely.
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("a.wav"));
    QFile f(wav);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x40\x1f\0\0\x80\x3e\0\0\2\0\x10\0data\0\0\0\0", 44));
    f.close();
    platform::Sounds::log().clear();
    platform::Sounds::play(wav, platform::Sounds::Channel::Recording);
    platform::Sounds::play(wav, platform::Sounds::Channel::Effect);
    QTest::qWait(50);
    QCOMPARE(platform::Sounds::recording(), QDir::toNativeSeparators(wav));
    platform::Sounds::stop();
    QCOMPARE(platform::Sounds::log().size(), 2);
    QVERIFY(platform::Sounds::recording().isEmpty());
    platform::Sounds::setMuted(true);
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
