// The listening recordings of a small course, one of them the teacher's own
// (FLAC): it replaces the synthetic one; every recording, normal and slow,
// is trimmed to the sentence and as loud as the others; two builds from
// scratch give the same bytes; the checker names stray and broken own
// recordings, and the build stops on a broken one.
#include "course/lib/Checker.h"
#include "course/lib/MediaCheck.h"
#include "course/lib/RecordingAudio.h"
#include "course/lib/Recordings.h"
#include "course/lib/SourceText.h"
#include "course/lib/Media.h"
#include "testsupport.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace course;

namespace {

// Half a second of quiet room, a steady vowel-like tone at about -30 dB for
// one second, then 0.8 s of room again.
audio::Pcm teacherTake() {
    audio::Pcm pcm{44100, {}};
    quint32 noise = 12345;
    auto room = [&] {
        noise = noise * 1103515245u + 12345u;
        return float((int(noise >> 16) % 200 - 100) / 1e5);  // about -70 dB
    };
    for (int i = 0; i < 22050; ++i) pcm.samples.push_back(room());
    for (int i = 0; i < 44100; ++i) {
        const double t = i / 44100.0, fade = std::min({1.0, t / 0.01, (1.0 - t) / 0.01});
        pcm.samples.push_back(float(0.04 * fade * (std::sin(2 * M_PI * 220 * t) + 0.5 * std::sin(2 * M_PI * 660 * t))) + room());
    }
    for (int i = 0; i < 35280; ++i) pcm.samples.push_back(room());
    return pcm;
}

QMap<QString, QByteArray> tree(const QString &root) {
    QMap<QString, QByteArray> files;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), testsupport::readBytes(path));
    }
    return files;
}

bool buildInto(const QString &src, const QString &media, QString *error) {
    return buildMedia(src, readSourceLines(QStringLiteral(TUTORIX_SOURCE_DIR "/course/src/Texty.txt")), media, error);
}

}  // namespace

class TestRecordings : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_src, m_media;

    audio::Pcm recording(const QString &rel) {
        return audio::readWav(testsupport::readBytes(m_media + QStringLiteral("/Sound/") + rel)).value_or(audio::Pcm{});
    }

private slots:
    void initTestCase() {
        m_src = m_dir.filePath(QStringLiteral("src"));
        m_media = m_dir.filePath(QStringLiteral("a/media"));
        QVERIFY(QDir().mkpath(m_src + QStringLiteral("/recordings")));
        QVERIFY(testsupport::writeBytes(m_src + QStringLiteral("/22.txt"),
                                        "I can see a _.#dog#22-01.wav\nMy cat is _.#black#22-02.wav\n"
                                        "The sky is _.#blue#22-03.wav\nI want an _.#apple#22-04.wav\n"));
        QVERIFY(testsupport::writeBytes(m_src + QStringLiteral("/23.txt"), "Close the _.#door#23-01.wav\n"));
        QVERIFY(testsupport::writeBytes(m_src + QStringLiteral("/24.txt"), "We play _ every day.#football#24-01.wav\n"));
        const QString take = m_dir.filePath(QStringLiteral("take.wav"));
        QVERIFY(testsupport::writeBytes(take, audio::wavBytes(teacherTake())));
        QCOMPARE(QProcess::execute(QStringLiteral("sox"), {take, m_src + QStringLiteral("/recordings/22-02.flac")}), 0);
        QString error;
        QVERIFY2(buildInto(m_src, m_media, &error), qPrintable(error));
    }

    void ownRecordingReplacesSynthetic() {
        const QString stamp = QString::fromUtf8(testsupport::readBytes(m_media + QStringLiteral("/Sound/22/recordings.stamp")));
        QVERIFY2(stamp.contains(QStringLiteral("\n22-02.wav\town\t")), qPrintable(stamp));
        // The voices still take turns around it.
        QVERIFY(stamp.contains(QStringLiteral("\n22-01.wav\tslt\t")) && stamp.contains(QStringLiteral("\n22-04.wav\trms\t")));
        const audio::Pcm own = recording(QStringLiteral("22/22-02.wav"));
        QCOMPARE(own.rate, audio::kRate);
        // One second of the take with 0.1 s of silence on each side.
        QVERIFY2(std::abs(own.seconds() - 1.2) < 0.03, qPrintable(QString::number(own.seconds())));
        QVERIFY(std::abs(audio::speechLevelDb(own) - audio::kSpeechLevelDb) < 0.5);
        const audio::Pcm slow = recording(QStringLiteral("22/slow/22-02.wav"));
        QVERIFY2(std::abs(slow.seconds() - (1.0 / 0.75 + 0.2)) < 0.05, qPrintable(QString::number(slow.seconds())));
    }

    // Every recording, normal and slow: 0.1 s of silence at each end and
    // within 2 dB of every other one.
    void evenAndTrimmed() {
        double low = 0, high = -100;
        int count = 0;
        for (QDirIterator it(m_media + QStringLiteral("/Sound"), {QStringLiteral("*.wav")}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString path = it.next();
            if (!path.contains(QRegularExpression(QStringLiteral("/2[234]/")))) continue;
            const audio::Pcm pcm = audio::readWav(testsupport::readBytes(path)).value_or(audio::Pcm{});
            const auto [first, last] = audio::speechFrames(pcm);
            QVERIFY2(first >= 0 && std::abs(first * 0.02 - 0.1) <= 0.04, qPrintable(path));
            QVERIFY2(std::abs(pcm.seconds() - (last + 1) * 0.02 - 0.1) <= 0.04, qPrintable(path));
            const double level = audio::speechLevelDb(pcm);
            low = count ? std::min(low, level) : level;
            high = std::max(high, level);
            ++count;
        }
        QCOMPARE(count, 12);  // six sentences, each normal and slow
        QVERIFY2(high - low <= 2.0, qPrintable(QStringLiteral("%1 ... %2 dB").arg(low).arg(high)));
    }

    void sameSourcesSameBytes() {
        const QString again = m_dir.filePath(QStringLiteral("b/media"));
        QString error;
        QVERIFY2(buildInto(m_src, again, &error), qPrintable(error));
        const auto a = tree(m_media), b = tree(again);
        QCOMPARE(a.keys(), b.keys());
        for (auto it = a.cbegin(); it != a.cend(); ++it) QVERIFY2(b.value(it.key()) == it.value(), qPrintable(it.key()));
    }

    void checkerNamesStrayAndBrokenRecordings_data() {
        QTest::addColumn<QString>("file");   // added to the sources' recordings
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("words");  // the checker's sentence
        QTest::newRow("no content line names it") << "22-99.wav" << testsupport::readBytes(m_dir.filePath(QStringLiteral("take.wav")))
                                                  << "22-99";
        QTest::newRow("cannot be decoded") << "23-01.ogg" << QByteArray("OggS but not really") << "nejde přečíst";
        QTest::newRow("second own recording") << "22-02.wav" << testsupport::readBytes(m_dir.filePath(QStringLiteral("take.wav")))
                                              << "22-02.flac";
    }
    void checkerNamesStrayAndBrokenRecordings() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, words);
        QCOMPARE(checkOwnRecordings(m_src), QStringList());
        const QString path = m_src + QStringLiteral("/recordings/") + file;
        QVERIFY(testsupport::writeBytes(path, bytes));
        const QStringList problems = checkOwnRecordings(m_src);
        QFile::remove(path);
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith(path) && problems[0].contains(words), qPrintable(problems[0]));
    }

    void brokenOwnRecordingStopsBuild() {
        const QString path = m_src + QStringLiteral("/recordings/23-01.ogg");
        QVERIFY(testsupport::writeBytes(path, "OggS but not really"));
        QString error;
        const bool built = buildInto(m_src, m_dir.filePath(QStringLiteral("c/media")), &error);
        QFile::remove(path);
        QVERIFY(!built);
        QVERIFY2(error.contains(path), qPrintable(error));
    }
};

QTEST_MAIN(TestRecordings)
#include "tst_recordings.moc"
