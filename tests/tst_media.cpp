// The course media: sizes the screens rely on, the key colours of the hint
// bubbles and slide-in buttons, the drawn word tiles, the recordings, that
// a build is byte-for-byte repeatable and reuses its recordings, and that
// the media check finds missing and wrong files.
#include "content/scramble.h"
#include "course/lib/CourseTool.h"
#include "course/lib/Media.h"
#include "course/lib/MediaCheck.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kSrc = QStringLiteral(TUTORIX_SOURCE_DIR "/course/src");

QStringList texts() { return course::readSourceLines(kSrc + QStringLiteral("/Texty.txt")); }

QString fileIn(const QString &media, const QString &rel) {
    return media + QLatin1Char('/') + QString(rel).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QMap<QString, QByteArray> tree(const QString &root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        files.insert(QDir(root).relativeFilePath(path), f.readAll());
    }
    return files;
}

bool copyTree(const QString &from, const QString &to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(path);
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(path, target)) return false;
    }
    return true;
}

bool copySources(const QString &to) {
    return copyTree(kSrc, to);
}

// Runs a build with no speech programs reachable, so any recording it would
// have to make makes it fail.
bool buildWithoutSpeech(const QString &src, const QString &media, QString *error) {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    const bool ok = course::buildMedia(src, texts(), media, error);
    qputenv("PATH", path);
    return ok;
}

}  // namespace

class TestMedia : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_media;

    QImage picture(const QString &rel) { return QImage(fileIn(m_media, rel)); }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_media = m_dir.path() + QStringLiteral("/media");
        // The recordings the course build made are reused, as a rebuild
        // reuses them; speaking them from scratch is tst_recordings' part.
        copyTree(QStringLiteral(TUTORIX_BUILD_DIR "/course/media/Sound"), m_media + QStringLiteral("/Sound"));
        QString error;
        QVERIFY2(course::buildMedia(kSrc, texts(), m_media, &error), qPrintable(error));
    }

    void pictureSizes_data() {
        QTest::addColumn<QString>("rel");
        QTest::addColumn<QSize>("size");
        QTest::newRow("selection background") << "Bitmap\\Select\\bckg.bmp" << QSize(640, 480);
        QTest::newRow("group picture") << "Bitmap\\Select\\l_7_1.bmp" << QSize(300, 46);
        QTest::newRow("exercise 1, first of four") << "Bitmap\\Select\\r_01_0.bmp" << QSize(300, 80);
        QTest::newRow("exercise 4, last of four") << "Bitmap\\Select\\r_04_1.bmp" << QSize(300, 83);
        QTest::newRow("exercise 12, last of two") << "Bitmap\\Select\\r_12_0.bmp" << QSize(300, 105);
        QTest::newRow("exercise 14, second of six") << "Bitmap\\Select\\r_14_0.bmp" << QSize(300, 46);
        QTest::newRow("exit") << "Bitmap\\Select\\mkoneh.bmp" << QSize(91, 75);
        QTest::newRow("title") << "Bitmap\\Intro\\title.bmp" << QSize(640, 480);
        QTest::newRow("help page") << "Bitmap\\Help\\24.bmp" << QSize(640, 480);
        QTest::newRow("setup background") << "Bitmap\\Setup\\bg21.bmp" << QSize(640, 480);
        QTest::newRow("count button") << "Bitmap\\Setup\\30_1.bmp" << QSize(35, 29);
        QTest::newRow("continue") << "Bitmap\\Setup\\pokracuj.bmp" << QSize(94, 23);
        QTest::newRow("print") << "Bitmap\\Setup\\tiskni.bmp" << QSize(96, 23);
        QTest::newRow("help first") << "Bitmap\\Setup\\nap_1.bmp" << QSize(26, 26);
        QTest::newRow("topic screen") << "Bitmap\\Setup\\bg21_set.bmp" << QSize(640, 480);
        QTest::newRow("five-row background") << "Bitmap\\Games\\03_bckg5.bmp" << QSize(640, 480);
        QTest::newRow("list overview") << "Bitmap\\Games\\18_sum30.bmp" << QSize(640, 480);
        QTest::newRow("toolbar") << "Bitmap\\Games\\mtabh.bmp" << QSize(91, 75);
        QTest::newRow("mark") << "Bitmap\\Games\\Check_ko.bmp" << QSize(32, 32);
        QTest::newRow("hint 2") << "Bitmap\\Games\\Hint_2.bmp" << QSize(212, 37);
        QTest::newRow("hint 4") << "Bitmap\\Games\\Hint_4.bmp" << QSize(605, 57);
        QTest::newRow("results") << "Bitmap\\Tab\\17.bmp" << QSize(640, 480);
        QTest::newRow("results close") << "Bitmap\\Tab\\back_1.bmp" << QSize(91, 75);
    }
    void pictureSizes() {
        QFETCH(QString, rel);
        QFETCH(QSize, size);
        QFile f(fileIn(m_media, rel));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(rel));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(int(quint8(bytes.at(28))), 24);  // 24 bits per pixel
        QCOMPARE(QImage::fromData(bytes).size(), size);
    }

    void hintKeyColourOnlyInCorners_data() {
        QTest::addColumn<QString>("name");
        for (int n = 2; n <= 6; ++n) QTest::newRow(qPrintable(QString::number(n))) << QStringLiteral("Hint_%1").arg(n);
    }
    void hintKeyColourOnlyInCorners() {
        QFETCH(QString, name);
        const QImage img = picture(QStringLiteral("Bitmap\\Games\\%1.bmp").arg(name));
        QVERIFY(!img.isNull());
        const QRgb key = img.pixel(1, 1);
        int keyPixels = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                if (img.pixel(x, y) != key) continue;
                ++keyPixels;
                const bool corner = (x < 8 || x >= img.width() - 8) && (y < 8 || y >= img.height() - 8);
                QVERIFY2(corner, qPrintable(QStringLiteral("key colour inside the bubble at %1, %2").arg(x).arg(y)));
            }
        QVERIFY(keyPixels >= 4);  // every corner is cut
    }

    void slideButtonsShowBackgroundInMagenta_data() {
        QTest::addColumn<QString>("rel");
        QTest::newRow("continue") << "Bitmap\\Setup\\pokracuj.bmp";
        QTest::newRow("print") << "Bitmap\\Setup\\tiskni.bmp";
    }
    void slideButtonsShowBackgroundInMagenta() {
        QFETCH(QString, rel);
        const QImage img = picture(rel);
        const QRgb magenta = qRgb(255, 0, 255);
        QCOMPARE(img.pixel(0, 0), magenta);
        QCOMPARE(img.pixel(img.width() - 1, img.height() - 1), magenta);
        QVERIFY(img.pixel(img.width() / 2, img.height() / 2) != magenta);
        QVERIFY(img.pixel(img.width() / 2, 1) != magenta);
    }

    // Tiles take their face from the background: each tile place of
    // exercises 1, 5 and 6 shows a drawn tile that differs from the page.
    void tileFacesOnBackground_data() {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QRect>("tile");
        QTest::newRow("1: tile 1") << 1 << QRect(213, 436, 50, 20);
        QTest::newRow("1: tile 3") << 1 << QRect(373, 436, 50, 20);
        QTest::newRow("5: tile 7") << 5 << QRect(131, 451, 50, 20);
        QTest::newRow("6: tile 12") << 6 << QRect(461, 451, 50, 20);
    }
    void tileFacesOnBackground() {
        QFETCH(int, exercise);
        QFETCH(QRect, tile);
        for (const char *variant : {"_bckg", "_bckg5"}) {
            const QImage img = picture(QStringLiteral("Bitmap\\Games\\%1%2.bmp")
                                           .arg(exercise, 2, 10, QLatin1Char('0'))
                                           .arg(QLatin1String(variant)));
            const QRgb face = img.pixel(tile.left() + 4, tile.center().y());
            const QRgb beside = img.pixel(tile.left() - 4, tile.center().y());
            QVERIFY(face != beside);
            QVERIFY(qRed(face) > qBlue(face) + 60);  // the warm tile colour
        }
    }

    void recordingsForEveryListeningItem_data() {
        QTest::addColumn<int>("exercise");
        QTest::newRow("22") << 22;
        QTest::newRow("23") << 23;
        QTest::newRow("24") << 24;
    }
    void recordingsForEveryListeningItem() {
        QFETCH(int, exercise);
        const QStringList lines = course::readSourceLines(QStringLiteral("%1/%2.txt").arg(kSrc).arg(exercise));
        QVERIFY(!lines.isEmpty());
        for (const QString &line : lines) {
            const QString name = line.section(QLatin1Char('#'), 2, 2);
            QFile f(fileIn(m_media, QStringLiteral("Sound\\%1\\%2").arg(exercise).arg(name)));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(name));
            const QByteArray head = f.read(44);
            QVERIFY(head.startsWith("RIFF") && head.mid(8, 4) == "WAVE");
            QVERIFY(f.size() > 8000);  // a spoken sentence, not silence
        }
    }

    // A second build from the same sources gives the same bytes; with the
    // recordings of the first build in place it needs no speech at all, and
    // a changed sentence without the speech programs stops it with a message
    // that names the missing Debian package.
    void repeatableAndCachedBuild() {
        QTemporaryDir other;
        const QString media2 = other.path() + QStringLiteral("/media");
        QVERIFY(copyTree(m_media + QStringLiteral("/Sound"), media2 + QStringLiteral("/Sound")));
        QString error;
        QVERIFY2(buildWithoutSpeech(kSrc, media2, &error), qPrintable(error));
        const auto a = tree(m_media);
        const auto b = tree(media2);
        QCOMPARE(a.keys(), b.keys());
        for (auto it = a.cbegin(); it != a.cend(); ++it) QVERIFY2(b.value(it.key()) == it.value(), qPrintable(it.key()));

        QTemporaryDir src;
        QVERIFY(copySources(src.path()));
        QFile f(src.path() + QStringLiteral("/23.txt"));
        QVERIFY(f.open(QIODevice::Append));
        f.write("A new sentence about a _.#zebra#23-new.wav\n");
        f.close();
        QVERIFY(!buildWithoutSpeech(src.path(), media2, &error));
        QVERIFY2(error.contains(QStringLiteral(" sox)")), qPrintable(error));
    }

    void unsafeRecordingNameRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent folder") << "../evil.wav";
        QTest::newRow("backslash") << "..\\evil.wav";
        QTest::newRow("empty") << "";
    }
    void unsafeRecordingNameRefused() {
        QFETCH(QString, name);
        QTemporaryDir src, out;
        QVERIFY(copySources(src.path()));
        QFile f(src.path() + QStringLiteral("/22.txt"));
        QVERIFY(f.open(QIODevice::Append));
        f.write(QStringLiteral("Žluťoučký _ is here.#kůň#%1\n").arg(name).toUtf8());
        f.close();
        QString error;
        QVERIFY(!buildWithoutSpeech(src.path(), out.path() + QStringLiteral("/media"), &error));
        QVERIFY2(error.contains(QStringLiteral("22.txt")), qPrintable(error));
        QVERIFY(!QFileInfo::exists(out.path() + QStringLiteral("/media/Sound/evil.wav")));
    }

    // The media check: a sound tree passes; a missing picture, a picture of
    // the wrong size, a missing recording, a damaged cursor, a recording that
    // cannot be decoded and one no content line names are each reported.
    void checkFindsMissingAndWrongFiles() {
        QTemporaryDir work;
        const QString media = work.path() + QStringLiteral("/media");
        const QString data = work.path() + QStringLiteral("/data");
        QVERIFY(copyTree(m_media, media));
        QDir().mkpath(data);
        for (int n = 22; n <= 24; ++n) {
            QFile out(QStringLiteral("%1/%2.dat").arg(data).arg(n));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content::scrambleBytes(
                course::encodeCourseText(course::readSourceLines(QStringLiteral("%1/%2.txt").arg(kSrc).arg(n)))));
        }
        QCOMPARE(course::checkMedia(media, data), QStringList());

        QVERIFY(QFile::remove(media + QStringLiteral("/Bitmap/Games/Check_ok.bmp")));
        QVERIFY(QImage(600, 40, QImage::Format_RGB32).save(media + QStringLiteral("/Bitmap/Games/Hint_3.bmp"), "BMP"));
        QVERIFY(QFile::remove(media + QStringLiteral("/Sound/24/24-03.wav")));
        {
            // Two bytes of the DIB header size set to ff.
            QFile cur(media + QStringLiteral("/Cur/Arrow.cur"));
            QVERIFY(cur.open(QIODevice::ReadWrite) && cur.seek(23));
            QCOMPARE(cur.write("\xff\xff", 2), qint64(2));
        }
        QVERIFY(QFile::resize(media + QStringLiteral("/Sound/23/slow/23-02.wav"), 30));
        QVERIFY(QFile::copy(media + QStringLiteral("/Sound/22/22-01.wav"), media + QStringLiteral("/Sound/22/22-01 (copy).wav")));
        const QStringList problems = course::checkMedia(media, data);
        QCOMPARE(problems.size(), 6);
        QVERIFY(problems.filter(QStringLiteral("slow/23-02.wav: ")).size() == 1);
        QVERIFY(problems.filter(QStringLiteral("22-01 (copy).wav: ")).size() == 1);
        QVERIFY(problems.filter(QStringLiteral("Arrow.cur: ")).size() == 1);
        QVERIFY(problems.filter(QStringLiteral("Check_ok.bmp: ")).size() == 1);
        QVERIFY(problems.filter(QStringLiteral("Hint_3.bmp: má 600 x 40 pixelů, obrazovka potřebuje 531 x 37")).size() == 1);
        QVERIFY(problems.filter(QStringLiteral("24-03.wav")).size() == 1);
    }
};

QTEST_MAIN(TestMedia)
#include "tst_media.moc"
