// Forgetting a pupil and archiving a school year while a pupil keeps saving:
// a child process (this test with --writer) enters results into the table,
// the results log and the answers log until told to stop, while the course
// tool runs forget or archive on the same folder.
#include "testsupport.h"

#include "content/scramble.h"
#include "platform/codec.h"
#include "state/AnswersLog.h"
#include "state/ResultsRules.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstdio>

namespace {

using testsupport::readBytes;

QStringList labelsOf(const QString &dir) { return content::readScrambledLines(dir + QStringLiteral("/Texty.dat")); }

QStringList entry(const QStringList &texts, const QString &name) {
    results::LogEntry e{name, QStringLiteral("Slovíčka"), QStringLiteral("Překlad"), 10, QStringLiteral("7"),
                        QStringLiteral("3"), QStringLiteral("3"), QDateTime(QDate(2026, 9, 1), QTime(8, 0))};
    return results::logEntryLinesOf(e, [&](int k) { return texts.value(k - 1); });
}

QByteArray answer(const QString &name) {
    return platform::encode1250(results::formatAnswerLine(
               {QDateTime(QDate(2026, 9, 1), QTime(8, 0, 1)), name, 3, QStringLiteral("pes"), QStringLiteral("dog"),
                QStringLiteral("dog"), true})) + "\r\n";
}

QString writerName(int i) { return QStringLiteral("Žák %1").arg(i); }

// Saves results until the file "stop" appears, reporting each on stdout.
int runWriter(const QString &dir) {
    const QStringList texts = labelsOf(dir);
    for (int i = 0; !QFile::exists(dir + QStringLiteral("/stop")) && i < 100000; ++i) {
        results::ResultRecord r{writerName(i), 7, 3, 3, 0};
        const auto retry = [](auto write) { platform::WriteResult w; do w = write(); while (!w && w.error == EBUSY); return w; };
        const auto a = retry([&] { return results::saveNewResult(dir + QStringLiteral("/3.res"), {}, r, 0, nullptr); });
        const auto b = retry([&] { return results::appendLogEntry(dir + QStringLiteral("/Vysledky.dat"), entry(texts, r.name)); });
        const auto c = retry([&] {
            return results::appendAnswers(dir + QStringLiteral("/Odpovedi.dat"),
                                          {*results::parseAnswerLine(platform::decode1250(answer(r.name).chopped(2)))});
        });
        if (!a || !b || !c) return 1;
        std::printf("ok %d %lld\n", i, QDateTime::currentMSecsSinceEpoch());
        std::fflush(stdout);
    }
    return 0;
}

// The bytes without the writer's pupils: their lines, or in the log their
// four-line entries.
QByteArray withoutWriter(const QByteArray &bytes, bool log) {
    QList<QByteArray> lines = bytes.split('\n');
    QByteArray out;
    for (int i = 0; i < lines.size(); ++i) {
        if (platform::decode1250(lines[i]).contains(QStringLiteral("Žák "))) {
            i += log ? 3 : 0;
            continue;
        }
        out += lines[i] + (i + 1 < lines.size() ? "\n" : "");
    }
    return out;
}

// The seed without its first record (Jana's): one line, or four in the log.
QByteArray withoutFirst(const QByteArray &bytes, bool log) {
    qsizetype at = 0;
    for (int n = 0; n < (log ? 4 : 1); ++n) at = bytes.indexOf('\n', at) + 1;
    return bytes.mid(at);
}

}  // namespace

class TestResultsMaintenance : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void whileAPupilSaves_data();
    void whileAPupilSaves();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString d;
    std::unique_ptr<QProcess> m_writer;
    QMap<QString, QByteArray> m_seed;
    int waitForOks(int n);
    std::vector<qint64> m_savedAt;  // when each result the writer reported was saved
};

void TestResultsMaintenance::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    d = m_dir->path();
    QVERIFY(QFile::copy(QStringLiteral(TUTORIX_BUILD_DIR "/course/data/Texty.dat"), d + QStringLiteral("/Texty.dat")));
    const QStringList t = labelsOf(d);
    m_seed[QStringLiteral("3.res")] = platform::encode1250(QStringLiteral("Jana Malá|9|1|1|0\r\nPetr|5|5|4|0\r\nrozbitý|x\r\n"));
    m_seed[QStringLiteral("Vysledky.dat")] = platform::encode1250(
        platform::joinLinesCrLf(entry(t, QStringLiteral("Jana Malá")) + entry(t, QStringLiteral("Petr"))));
    m_seed[QStringLiteral("Odpovedi.dat")] = answer(QStringLiteral("jana mala")) + answer(QStringLiteral("Petr")) + "ne\x98\xE8itelne\n";
    for (auto it = m_seed.cbegin(); it != m_seed.cend(); ++it)
        QVERIFY(testsupport::writeBytes(d + QLatin1Char('/') + it.key(), it.value()));
    m_writer = std::make_unique<QProcess>();
    m_writer->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--writer"), d});
    m_savedAt.clear();
    QVERIFY(waitForOks(5) >= 5);
}

void TestResultsMaintenance::cleanup() {
    testsupport::writeBytes(d + QStringLiteral("/stop"), "");
    m_writer->waitForFinished(30000);
}

int TestResultsMaintenance::waitForOks(int n) {
    do {
        while (m_writer->canReadLine()) {
            const QList<QByteArray> f = m_writer->readLine().trimmed().split(' ');
            if (f.size() == 3 && f[0] == "ok") m_savedAt.push_back(f[2].toLongLong());
        }
    } while (int(m_savedAt.size()) < n && m_writer->waitForReadyRead(10000));
    return int(m_savedAt.size());
}

void TestResultsMaintenance::whileAPupilSaves_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("forget") << "forget";
    QTest::newRow("archive") << "archive";
}

void TestResultsMaintenance::whileAPupilSaves() {
    QFETCH(QString, command);
    const QString archive = m_dir->filePath(QStringLiteral("archiv"));
    QProcess tool;
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    tool.start(QStringLiteral(TUTORIX_COURSE_TOOL),
               command == QLatin1String("forget") ? QStringList{"forget", d, "--pupil", "JANA  mala"}
                                                  : QStringList{"archive", d, archive});
    QVERIFY(tool.waitForFinished(30000));
    const qint64 ended = QDateTime::currentMSecsSinceEpoch();
    const QString printed = QString::fromUtf8(tool.readAllStandardOutput());
    QVERIFY2(tool.exitCode() == 0, qPrintable(printed + tool.readAllStandardError()));
    const int before = waitForOks(0);
    QVERIFY(waitForOks(before + 5) >= before + 5);  // the pupil saves on after the tool
    QVERIFY(testsupport::writeBytes(d + QStringLiteral("/stop"), ""));
    QVERIFY(m_writer->waitForFinished(30000) && m_writer->exitCode() == 0);
    const int saved = waitForOks(0);
    const auto during = std::count_if(m_savedAt.begin(), m_savedAt.end(), [&](qint64 t) { return t >= started && t <= ended; });
    qInfo("%s: %d results saved, %d of them while it ran", qPrintable(command), saved, int(during));
    QVERIFY(during > 0);

    for (auto it = m_seed.cbegin(); it != m_seed.cend(); ++it) {
        const bool log = it.key() == QLatin1String("Vysledky.dat");
        const QByteArray now = readBytes(d + QLatin1Char('/') + it.key());
        const QByteArray kept = readBytes(archive + QLatin1Char('/') + it.key());
        // Every saved record is in the folder or the archive, exactly once.
        for (int i = 0; i < saved; ++i) {
            const QByteArray name = platform::encode1250(writerName(i)) + (log ? " " : "|");
            QVERIFY2(now.count(name) + kept.count(name) == 1, qPrintable(it.key() + writerName(i)));
        }
        if (command == QLatin1String("forget")) {
            // Jana is gone; everyone else's lines are byte for byte as they were.
            QCOMPARE(withoutWriter(now, log), withoutFirst(it.value(), log));
        } else {
            // The archive holds the year up to the archiving; the folder only what came later.
            QCOMPARE(withoutWriter(kept, log), it.value());
            QCOMPARE(withoutWriter(now, log), QByteArray());
        }
    }
    if (command == QLatin1String("forget")) {
        QVERIFY2(printed.contains(QStringLiteral("3.res: 1 záznam")) && printed.contains(QStringLiteral("Vysledky.dat: 1 záznam")) &&
                     printed.contains(QStringLiteral("Odpovedi.dat: 1 řádek")),
                 qPrintable(printed));
        return;
    }
    // The archive is a results folder the teacher's listing reads, with dates.
    QProcess list;
    list.start(QStringLiteral(TUTORIX_COURSE_TOOL), {"results", archive});
    QVERIFY(list.waitForFinished(30000) && list.exitCode() == 0);
    QVERIFY(QString::fromUtf8(list.readAllStandardOutput()).contains(QStringLiteral("Petr,5,5,4,")));
    const QStringList left = QDir(d).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".lock"));
    QCOMPARE(left, QStringList());
}

int main(int argc, char **argv) {
    if (argc > 2 && qstrcmp(argv[1], "--writer") == 0) {
        QCoreApplication app(argc, argv);
        return runWriter(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    TestResultsMaintenance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_results_maintenance.moc"
