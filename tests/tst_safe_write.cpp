// Full disks: every save fails cleanly. The old file stays byte for byte
// and the failure is reported, whatever the file sizes.
//
// Each trial runs the real save in a child process (this test with
// --child) whose file size is limited (RLIMIT_FSIZE, SIGXFSZ ignored): a
// write then stops at a chosen byte exactly as on a full disk, with or
// without root. As root the same saves also run against a real, full tmpfs.
#include "testsupport.h"
#include "pupilrights.h"

#include "content/scramble.h"
#include "course/lib/CourseTool.h"
#include "platform/codec.h"
#include "platform/safefile.h"
#include "state/ResultsRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <csignal>
#include <cstdio>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {
using testsupport::readBytes;
using testsupport::writeBytes;

constexpr int kReported = 3;  // the child's exit code when the save reported failure

// A results table of about `size` bytes.
QByteArray tableOf(int size) {
    QByteArray out;
    for (int i = 0; out.size() < size; ++i) out += platform::encode1250(QStringLiteral("Žák %1|7|3|3|0\r\n").arg(i));
    return out;
}

QByteArray logOf(int size) {
    QByteArray out(size, 'x');
    for (int i = 80; i < size; i += 81) out[i] = '\n';
    return out;
}

const QStringList kEntry{QStringLiteral("Jméno: Nový") + QString(200, QLatin1Char(' ')), QStringLiteral("Skupina: 1"),
                         QStringLiteral("Počet otázek:  10"), QString(75, QLatin1Char('='))};

results::ResultRecord newRecord() {
    results::ResultRecord r;
    r.name = QStringLiteral("Nový");
    r.right = 10;
    r.grade = 1;
    return r;
}

// Which file a kind of save writes, and the save itself. Returns the error
// text, empty when the save reported success.
QString targetOf(const QString &kind, const QString &dir) {
    if (kind == QLatin1String("log")) return dir + QStringLiteral("/Vysledky.dat");
    if (kind.startsWith(QLatin1String("res"))) return dir + QStringLiteral("/3.res");
    return dir + QStringLiteral("/1.dat");
}

QString save(const QString &kind, const QString &dir, int plainSize) {
    const QString target = targetOf(kind, dir);
    if (kind == QLatin1String("log")) return results::appendLogEntry(target, kEntry).message;
    if (kind.startsWith(QLatin1String("res"))) return results::saveNewResult(target, {}, newRecord(), 1, nullptr).message;
    if (kind == QLatin1String("scramble")) {
        QString error = QStringLiteral("?");
        return content::writeScrambledFile(target, QByteArray(plainSize, 'a'), &error) ? QString() : error;
    }
    // The course tool: a non-zero exit code, the reason on standard error.
    const QString in = dir + QStringLiteral("/plain.txt");
    return course::runTool({QStringLiteral("tutorix-course"), QStringLiteral("scramble"), in, target}) == 0
               ? QString()
               : QStringLiteral("exit code not zero");
}

int runChild(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();  // --child KIND DIR LIMIT PLAINSIZE
    if (a.value(1).endsWith(QLatin1String("inplace")) && !testsupport::setFileOverride(false)) return 2;
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit lim{};
    getrlimit(RLIMIT_FSIZE, &lim);
    lim.rlim_cur = rlim_t(a.value(4).toLongLong());
    if (setrlimit(RLIMIT_FSIZE, &lim) != 0) return 2;
    const QString error = save(a.value(2), a.value(3), a.value(5).toInt());
    if (error.isEmpty()) return 0;
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return kReported;
}

// Sets up the old file of a trial; returns its bytes.
QByteArray prepare(const QString &kind, const QString &dir, int oldSize) {
    const QString target = targetOf(kind, dir);
    const QByteArray old = kind == QLatin1String("log") ? logOf(oldSize) : tableOf(oldSize);
    if (!writeBytes(target, old)) return {};
    if (kind == QLatin1String("course") || kind == QLatin1String("scramble"))
        writeBytes(dir + QStringLiteral("/plain.txt"), QByteArray(oldSize + 1000, 'p'));
    return old;
}

// Files other than the ones a trial made: temporary copies left behind.
QStringList leftovers(const QString &dir) {
    QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden);
    names.removeIf([](const QString &n) {
        return n == QLatin1String("3.res") || n == QLatin1String("Vysledky.dat") || n == QLatin1String("1.dat") ||
               n == QLatin1String("plain.txt") || n == QLatin1String("filler");
    });
    return names;
}

}  // namespace

class TestSafeWrite : public QObject {
    Q_OBJECT
private slots:
    void limitedFileSize_data();
    void limitedFileSize();
    void realFullDisk();
};

void TestSafeWrite::limitedFileSize_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("oldSize");
    QTest::addColumn<qint64>("limit");
    // 25 trials across sizes; the limits sit on and beside the boundaries
    // (4096, 8192, 16384) where buffered writers used to lose whole files.
    const int sizes[] = {0, 100, 3000, 4090, 4200, 8150, 9000, 16000, 16384, 20000, 40000, 100000, 250000};
    const char *kinds[] = {"res", "log", "res", "scramble", "log", "res", "course", "log", "res-inplace"};
    for (int i = 0; i < 25; ++i) {
        const QString kind = QLatin1String(kinds[i % 9]);
        const int oldSize = sizes[i % 13];
        // The size the saved file would have: the table plus one line, the
        // log plus the entry (about 320 bytes), a scrambled file of
        // oldSize + 1000 bytes.
        const qint64 table = tableOf(oldSize).size();
        const qint64 newSize = kind == QLatin1String("log") ? oldSize + 300
                               : kind.startsWith(QLatin1String("res")) ? table + 15
                                                                       : oldSize + 1000;
        qint64 limit;
        if (kind == QLatin1String("log")) limit = oldSize + (i % 4) * 20;  // the entry stops part-way
        else if (kind == QLatin1String("res-inplace")) limit = table + (i % 4) * 3;  // no room to grow
        else limit = std::min<qint64>({4096LL << (i % 3), newSize - 1 - (i % 2), newSize / 2 + i});
        if (limit <= 0) limit = 1;
        QTest::addRow("%d %s old %d limit %lld", i + 1, kinds[i % 9], oldSize, limit) << kind << oldSize << limit;
    }
}

void TestSafeWrite::limitedFileSize() {
    QFETCH(QString, kind);
    QFETCH(int, oldSize);
    QFETCH(qint64, limit);
    QTemporaryDir dir;
    const QByteArray old = prepare(kind, dir.path(), oldSize);
    const QString target = targetOf(kind, dir.path());
    const bool readOnlyFolder = kind.endsWith(QLatin1String("inplace"));
    if (readOnlyFolder) {
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child"), kind, dir.path(), QString::number(limit), QString::number(oldSize + 1000)});
    QVERIFY(child.waitForFinished(20000));
    if (readOnlyFolder) QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray err = child.readAllStandardError();
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == kReported, err.constData());
    QVERIFY2(err.contains("cannot"), err.constData());
    QVERIFY(readBytes(target) == old);
    QCOMPARE(leftovers(dir.path()), QStringList());
}

// A real file system with no room left: a tmpfs of 512 KiB, filled up
// before each save. Needs root (mount).
void TestSafeWrite::realFullDisk() {
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (::geteuid() != 0 || ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=512k") != 0)
        QSKIP("a tmpfs can only be mounted by root");
    const QString d = dir.path();
    int kept = 0;
    const int trials = 25;
    for (int i = 0; i < trials; ++i) {
        for (const QString &n : QDir(d).entryList(QDir::Files | QDir::Hidden)) QFile::remove(d + QLatin1Char('/') + n);
        const QString kind = QLatin1String(std::array{"res", "log", "scramble", "course", "log"}[std::size_t(i % 5)]);
        // Old logs end a little before a page boundary, so the entry needs a
        // new page; tables and scrambled files need new pages anyway.
        const int pages = 1 + (i * 7) % 23;
        const int oldSize = kind == QLatin1String("log") ? pages * 4096 - 1 - (i * 37) % 200 : pages * 4096 + i * 31;
        const QByteArray old = prepare(kind, d, oldSize);
        QVERIFY(!old.isNull() || oldSize == 0);
        {
            QFile filler(d + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        }
        const QString error = save(kind, d, oldSize + 1000);
        const bool ok = !error.isEmpty() && readBytes(targetOf(kind, d)) == old && leftovers(d).isEmpty();
        if (ok) ++kept;
        else qWarning() << "trial" << i + 1 << kind << oldSize << "error" << error << leftovers(d);
    }
    ::umount(mountPoint.constData());
    qInfo("full tmpfs: old file intact and failure reported in %d of %d trials", kept, trials);
    QCOMPARE(kept, trials);
}

int main(int argc, char **argv) {
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0) return runChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestSafeWrite test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_safe_write.moc"
