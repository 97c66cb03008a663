// The teacher's report: its numbers against results folders with known
// counts, names merged, folders merged, the streamed reading, and the
// produced HTML (in headless Chromium) and PDF (through pdftotext).
#include "platform/codec.h"
#include "state/AnswersLog.h"
#include "results/ClassReport.h"
#include "state/DateText.h"
#include "results/ReportSources.h"
#include "state/ResultsRules.h"
#include "rules/ExerciseGroups.h"
#include "testsupport.h"
#include "content/scramble.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace results;

namespace {

struct Run {
    const char *name;
    int exercise, right, wrong, grade;
    const char *when;  // "d.M.yyyy hh:mm"
};
struct Answer {
    const char *name;
    int exercise;
    const char *item, *answer, *expected, *when;
};

QStringList courseTexts() {
    return content::readScrambledLines(testsupport::builtCourseDir() + QStringLiteral("/data/Texty.dat"));
}

QDateTime at(const char *when) { return QDateTime::fromString(QString::fromUtf8(when), QStringLiteral("d.M.yyyy hh:mm")); }

// A results folder written by the program's own writers, with the course's Texty.dat.
void writeFolder(const QString &dir, const std::vector<Run> &runs, const std::vector<Answer> *answers) {
    QDir().mkpath(dir);
    const QStringList texts = courseTexts();
    QVERIFY(QFile::copy(testsupport::builtCourseDir() + QStringLiteral("/data/Texty.dat"), dir + QStringLiteral("/Texty.dat")));
    const auto label = [&](int k) { return texts.value(k - 1); };
    for (const Run &r : runs) {
        const LogEntry e{QString::fromUtf8(r.name), label(screens::exerciseGroups()[std::size_t(screens::groupOfExercise(r.exercise))].titleText),
                         label(screens::nameTextOfExercise(r.exercise)), r.right + r.wrong, QString::number(r.right),
                         QString::number(r.wrong), QString::number(r.grade), at(r.when)};
        QVERIFY(appendLogEntry(dir + QStringLiteral("/Vysledky.dat"), logEntryLinesOf(e, label)).ok);
    }
    if (!answers) return;
    std::vector<AnswerEntry> lines;
    for (const Answer &a : *answers)
        lines.push_back({at(a.when), QString::fromUtf8(a.name), a.exercise, QString::fromUtf8(a.item),
                         QString::fromUtf8(a.answer), QString::fromUtf8(a.expected),
                         QString::fromUtf8(a.answer) == QString::fromUtf8(a.expected)});
    QVERIFY(appendAnswers(dir + QStringLiteral("/Odpovedi.dat"), lines).ok);
}

// The class of the fixture: Jana (two spellings) and Petr; Petr answers item
// "pes" wrong twice, once "cat" and once nothing.
const std::vector<Run> kRuns = {
    {"Jana Malá", 3, 9, 1, 1, "2.11.2026 09:00"},  {"jana mala", 3, 6, 4, 3, "9.11.2026 09:00"},
    {"Jana  Malá", 7, 10, 0, 1, "10.11.2026 10:00"}, {"Petr Dvořák", 3, 3, 7, 5, "2.11.2026 09:30"},
    {"Petr Dvořák", 3, 5, 5, 4, "16.11.2026 09:30"},
};
const std::vector<Answer> kAnswers = {
    {"Petr Dvořák", 3, "pes", "cat", "dog", "2.11.2026 09:30"},
    {"Petr Dvořák", 3, "pes", "", "dog", "16.11.2026 09:30"},
    {"Jana Malá", 3, "pes", "dog", "dog", "2.11.2026 09:00"},
    {"Jana Malá", 3, "kočka", "cat", "cat", "2.11.2026 09:00"},
};

// The visible text of an HTML page: tags dropped, entities and spaces tidied.
QString htmlText(const QByteArray &html) {
    QString t = QString::fromUtf8(html);
    t.remove(QRegularExpression(QStringLiteral("<(style|script)[^>]*>.*?</\\1>"), QRegularExpression::DotMatchesEverythingOption));
    t.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
    t.replace(QStringLiteral("&nbsp;"), QStringLiteral(" ")).replace(QChar(0xa0), QLatin1Char(' '));
    t.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return t.simplified();
}

int runTool(const QStringList &args, QString *out = nullptr) {
    QProcess p;
    p.start(QStringLiteral(TUTORIX_COURSE_TOOL), QStringList{QStringLiteral("report")} + args);
    if (!p.waitForFinished(120000)) return -1;
    if (out) *out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    return p.exitCode();
}

}  // namespace

class ClassReportTest : public QObject {
    Q_OBJECT
private slots:
    void namesMerge_data();
    void namesMerge();
    void folders_data();
    void folders();
    void filters_data();
    void filters();
    void datesAsQtReadsThem_data();
    void datesAsQtReadsThem();
    void streamedLinesMatchWholeFile();
    void reportShowsTheFolder();
    void folderWithoutAnswers();
    void menuEntryOpensTheConfiguredFolder();
    void chromiumShowsIt();
};

void ClassReportTest::namesMerge_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("pupils");  // as shown, in order
    QTest::newRow("case, spaces, diacritics") << QStringList{"Jana Malá", "jana mala", "Jana  Malá"} << QStringList{"Jana Malá"};
    QTest::newRow("most used spelling wins") << QStringList{"jana mala", "jana mala", "Jana Malá"} << QStringList{"jana mala"};
    QTest::newRow("two pupils") << QStringList{"Petr", "petr ", "Pavel"} << QStringList{"Pavel", "Petr"};
    QTest::newRow("Czech order") << QStringList{"Čeněk", "Cyril", "Dana"} << QStringList{"Cyril", "Čeněk", "Dana"};
    QTest::newRow("blank name left out") << QStringList{"  ", "Eva"} << QStringList{"Eva"};
}

void ClassReportTest::namesMerge() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, pupils);
    ReportBuilder b;
    for (const QString &n : names) b.addRun(at("2.11.2026 09:00"), n, 1, 5, 5, 3);
    const ClassReport r = b.finish();
    QStringList shown;
    int runs = 0;
    for (const PupilReport &p : r.pupils) shown << p.name, runs += p.runs;
    QCOMPARE(shown, pupils);
    QCOMPARE(runs, r.runs);  // every run belongs to a pupil shown
}

void ClassReportTest::folders_data() {
    QTest::addColumn<QList<int>>("folders");  // each folder holds the first k runs of kRuns
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("answers");
    QTest::newRow("one folder") << QList<int>{5} << 5 << 4;
    QTest::newRow("the same folder twice") << QList<int>{5, 5} << 5 << 4;
    QTest::newRow("an older copy and the share") << QList<int>{2, 5} << 5 << 4;
    QTest::newRow("the share and an older copy") << QList<int>{5, 2} << 5 << 4;
}

void ClassReportTest::folders() {
    QFETCH(QList<int>, folders);
    QFETCH(int, runs);
    QFETCH(int, answers);
    QTemporaryDir tmp;
    ReportBuilder b;
    ReportReader reader(b, folders.size() > 1);
    for (int i = 0; i < folders.size(); ++i) {
        const QString dir = tmp.filePath(QString::number(i));
        const std::vector<Run> some(kRuns.begin(), kRuns.begin() + folders[i]);
        const std::vector<Answer> ans(kAnswers.begin(), kAnswers.begin() + std::min<int>(folders[i] * 2, int(kAnswers.size())));
        writeFolder(dir, some, &ans);
        const FolderReading got = reader.readFolder(dir, courseTexts());
        QVERIFY(got.hasLog && got.hasAnswers && got.hasTexts);
        QCOMPARE(got.runs + got.answers + got.duplicates, folders[i] + int(ans.size()));
    }
    const ClassReport r = b.finish();
    QCOMPARE(r.runs, runs);
    QCOMPARE(r.answers, answers);
    QCOMPARE(int(r.pupils.size()), 2);
}

void ClassReportTest::filters_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("pupil");
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("answers");
    QTest::newRow("all") << "" << "" << "" << 5 << 4;
    QTest::newRow("from") << "9.11.2026" << "" << "" << 3 << 1;
    QTest::newRow("to, inclusive") << "" << "2.11.2026" << "" << 2 << 3;
    QTest::newRow("pupil, any spelling") << "" << "" << "JANA MALA" << 3 << 2;
    QTest::newRow("nobody") << "" << "" << "Eva" << 0 << 0;
}

void ClassReportTest::filters() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, pupil);
    QFETCH(int, runs);
    QFETCH(int, answers);
    ReportBuilder b({QDate::fromString(from, QStringLiteral("d.M.yyyy")), QDate::fromString(to, QStringLiteral("d.M.yyyy")), pupil});
    for (const Run &r : kRuns) b.addRun(at(r.when), QString::fromUtf8(r.name), r.exercise, r.right, r.wrong, r.grade);
    for (const Answer &a : kAnswers)
        b.addAnswer({at(a.when), QString::fromUtf8(a.name), a.exercise, QString::fromUtf8(a.item), QString::fromUtf8(a.answer),
                     QString::fromUtf8(a.expected), qstrcmp(a.answer, a.expected) == 0});
    const ClassReport r = b.finish({10, 10, 3, 1});
    QCOMPARE(r.runs, runs);
    QCOMPARE(r.answers, answers);
    int sum = 0;
    for (const ExerciseReport &e : r.exercises) sum += e.runs;
    QCOMPARE(sum, runs);
}

void ClassReportTest::datesAsQtReadsThem_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    for (const char *d : {"8.12.2026", "08.12.2026", "1.1.2000", "29.2.2024", "29.2.2026", "31.4.2026", "8.12.26",
                          "8.12.20266", "8..2026", ".12.2026", "8.12.2026 ", "a.12.2026", "123.1.2026", ""})
        for (const char *t : {"14:03:27", "09:07:00", "9:07:00", "24:00:00", "14:60:00", "14:03", "14:03:27:1", ""})
            QTest::addRow("%s %s", d, t) << QString::fromLatin1(d) << QString::fromLatin1(t);
}

void ClassReportTest::datesAsQtReadsThem() {
    // The fast readers of the logs' dates agree with Qt's format parser.
    QFETCH(QString, date);
    QFETCH(QString, time);
    QCOMPARE(parseDayMonthYear(date), QDate::fromString(date, QStringLiteral("d.M.yyyy")));
    QCOMPARE(parseClock(time, true), QTime::fromString(time, QStringLiteral("hh:mm:ss")));
    QCOMPARE(parseClock(time, false), QTime::fromString(time, QStringLiteral("hh:mm")));
}

void ClassReportTest::streamedLinesMatchWholeFile() {
    // Lines of every length and every line end, across the reader's chunks.
    QByteArray bytes;
    auto *rng = QRandomGenerator::global();
    while (bytes.size() < 3 * (1 << 20)) {
        QByteArray line(rng->bounded(400), 'x');
        for (char &c : line) c = char(rng->bounded(32, 256));
        bytes += line + (rng->bounded(3) == 0 ? "\n" : "\r\n");
    }
    bytes += "last line \xe8\r";
    QTemporaryDir tmp;
    const QString path = tmp.filePath(QStringLiteral("lines.dat"));
    QVERIFY(testsupport::writeBytes(path, bytes));
    QStringList streamed;
    QVERIFY(platform::forEachTextLine(path, [&](const QString &l) { streamed << l; }));
    QCOMPARE(streamed, platform::readTextLines(path));
    QVERIFY(!platform::forEachTextLine(tmp.filePath(QStringLiteral("missing")), [](const QString &) {}));
}

void ClassReportTest::reportShowsTheFolder() {
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(QStringLiteral("trida"));
    writeFolder(dir, kRuns, &kAnswers);
    const QString html = tmp.filePath(QStringLiteral("r.html")), pdf = tmp.filePath(QStringLiteral("r.pdf"));
    QString said;
    QCOMPARE(runTool({dir, QStringLiteral("-o"), html, QStringLiteral("--pdf"), pdf}, &said), 0);
    const QString page = htmlText(testsupport::readBytes(html));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(60000));
    const QString pdfText = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    const QString title3 = courseTexts().value(screens::nameTextOfExercise(3) - 1);
    for (const QString &text : {page, pdfText}) {
        // 2 pupils, 5 runs, 4 answers; exercise 3: 4 runs averaging (90+60+30+50)/4 = 57.5 %.
        QVERIFY2(text.contains(QStringLiteral("2 žáků")) || text.contains(QStringLiteral("Žáků: 2")), qPrintable(text.left(400)));
        QVERIFY(text.contains(QStringLiteral("5 běhů cvičení")) || text.contains(QStringLiteral("běhů cvičení: 5")));
        QVERIFY(text.contains(title3));  // titles from the course even when the folder has none
        QVERIFY(text.contains(QStringLiteral("Běhů: 4 · průměrné skóre: 58 %")) || text.contains(QStringLiteral("běhů: 4 · průměrné skóre: 58 %")));
        // Jana under the spelling used most often, with her 3 runs; Petr with 2.
        QVERIFY(text.contains(QStringLiteral("Jana Malá 3 běhy")));
        QVERIFY(text.contains(QStringLiteral("Petr Dvořák 2 běhy")));
        // Petr's missed item with his wrong answers: 2 of 2 wrong, "cat" and nothing.
        QVERIFY(text.contains(QStringLiteral("pes dog")));
        QVERIFY(text.contains(QStringLiteral("„cat“ 1×")) || text.contains(QStringLiteral("cat 1×")));
        QVERIFY(text.contains(QStringLiteral("(bez odpovědi) 1×")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("pes dog .* 2 ?/ ?2"))));
        // The hardest item of the class: 2 of 3 attempts wrong.
        QVERIFY(text.contains(QStringLiteral("pes dog 67 % 3")));
    }
    // Nothing loaded from the network or from files beside it: only links within the page.
    QVERIFY(!QString::fromUtf8(testsupport::readBytes(html)).contains(QRegularExpression(QStringLiteral("(src=|href=\"[^#]|url\\(|@import)"))));
}

void ClassReportTest::folderWithoutAnswers() {
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(QStringLiteral("stare"));
    writeFolder(dir, kRuns, nullptr);
    const QString html = tmp.filePath(QStringLiteral("r.html"));
    QCOMPARE(runTool({dir, QStringLiteral("-o"), html}), 0);
    const QString page = htmlText(testsupport::readBytes(html));
    QVERIFY(page.contains(QStringLiteral("5 běhů cvičení")));
    QVERIFY(page.contains(QStringLiteral("není soubor odpovědí Odpovedi.dat")));
    QVERIFY(!page.contains(QStringLiteral("Nejtěžší položky")));
    QCOMPARE(runTool({tmp.filePath(QStringLiteral("none"))}), 1);
    QCOMPARE(runTool({dir, QStringLiteral("--from"), QStringLiteral("32.1.2026")}), 2);
}

void ClassReportTest::menuEntryOpensTheConfiguredFolder() {
    // What the menu entry runs: the configured course's results, into the
    // cache folder, handed to xdg-open (here a stand-in that notes its argument).
    testsupport::CourseCopy course;
    QVERIFY(course.isValid());
    QFile::remove(course.dataDir() + QStringLiteral("/Vysledky.dat"));
    writeFolder(course.dataDir() + QStringLiteral("/../trida"), kRuns, &kAnswers);
    for (const char *f : {"Vysledky.dat", "Odpovedi.dat"})
        QVERIFY(QFile::rename(course.root() + QStringLiteral("/trida/") + QLatin1String(f), course.dataDir() + QLatin1Char('/') + QLatin1String(f)));
    QTemporaryDir tmp;
    const QString opened = tmp.filePath(QStringLiteral("opened"));
    QVERIFY(testsupport::writeBytes(tmp.filePath(QStringLiteral("xdg-open")), "#!/bin/sh\necho \"$1\" > " + opened.toUtf8() + "\n"));
    QFile::setPermissions(tmp.filePath(QStringLiteral("xdg-open")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TUTORIX_WINDOWS_DIR"), course.root());
    env.insert(QStringLiteral("XDG_CACHE_HOME"), tmp.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("PATH"), tmp.path() + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TUTORIX_COURSE_TOOL), {QStringLiteral("report"), QStringLiteral("--open")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QString page = tmp.filePath(QStringLiteral("cache/tutorix/vysledky-tridy.html"));
    QTRY_VERIFY(QFile::exists(opened));
    QCOMPARE(QString::fromUtf8(testsupport::readBytes(opened)).trimmed(), page);
    QVERIFY(htmlText(testsupport::readBytes(page)).contains(QStringLiteral("5 běhů cvičení")));
}

void ClassReportTest::chromiumShowsIt() {
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty()) QSKIP("chromium is not installed");
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(QStringLiteral("trida"));
    writeFolder(dir, kRuns, &kAnswers);
    const QString html = tmp.filePath(QStringLiteral("r.html"));
    QCOMPARE(runTool({dir, QStringLiteral("-o"), html}), 0);
    QProcess c;
    c.start(chromium, {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                       QStringLiteral("--disable-background-networking"), QStringLiteral("--disable-component-update"),
                       QStringLiteral("--disable-sync"), QStringLiteral("--no-first-run"),
                       QStringLiteral("--user-data-dir=") + tmp.filePath(QStringLiteral("profile")),
                       QStringLiteral("--enable-logging=stderr"), QStringLiteral("--v=0"), QStringLiteral("--dump-dom"),
                       QUrl::fromLocalFile(html).toString()});
    QVERIFY(c.waitForFinished(120000));
    const QString dom = QString::fromUtf8(c.readAllStandardOutput());
    const QString log = QString::fromUtf8(c.readAllStandardError());
    // The script ran to its end, the page has its content and the console no error.
    QVERIFY2(dom.contains(QStringLiteral("data-report-script=\"ok\"")), qPrintable(log.right(2000)));
    QVERIFY(dom.contains(QStringLiteral("Petr Dvořák")) && dom.contains(QStringLiteral("<svg")));
    QVERIFY2(!log.contains(QStringLiteral("Uncaught")) && !log.contains(QStringLiteral("CONSOLE")), qPrintable(log.right(2000)));
}

QTEST_GUILESS_MAIN(ClassReportTest)
#include "tst_class_report.moc"
