// The results rules without a screen: grades, ranking, record lines, the
// results file and the results log, byte for byte.
#include "testsupport.h"
#include "app/Startup.h"
#include "platform/codec.h"
#include "content/Records.h"
#include "exercise/CheckedRow.h"
#include "results/GradeBands.h"
#include "state/AnswersLog.h"
#include "results/PupilKey.h"
#include "state/ResultsRules.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

#include <sys/stat.h>

using results::ResultRecord;

namespace {
using testsupport::readBytes;

std::array<Misc::GradeBand, 6> bands(const QStringList &lines) {
    std::array<Misc::GradeBand, 6> t{};
    for (int i = 0; i < lines.size() && i < 5; ++i) t[std::size_t(i + 1)] = Misc::parseGradeLine(lines.at(i));
    return t;
}

const QStringList kSampleBands{"0|30|5", "30|50|4", "50|75|3", "75|90|2", "90|100|1"};

ResultRecord rec(const QString &name, int right, int wrong, int grade) {
    ResultRecord r;
    r.name = name;
    r.right = std::int16_t(right);
    r.wrong = std::int16_t(wrong);
    r.grade = std::int16_t(grade);
    return r;
}

// "name:right:wrong:grade" items separated by ","
std::vector<ResultRecord> table(const QString &items) {
    std::vector<ResultRecord> out;
    if (items.isEmpty()) return out;
    for (const QString &item : items.split(QLatin1Char(','))) {
        const QStringList f = item.split(QLatin1Char(':'));
        out.push_back(rec(f[0], f[1].toInt(), f[2].toInt(), f[3].toInt()));
    }
    return out;
}

QStringList names(const std::vector<ResultRecord> &records) {
    QStringList out;
    for (const auto &r : records) out << r.name;
    return out;
}

void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

ino_t inodeOf(const QString &path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

QString label(int k) {
    static const QStringList texts{"Jméno", "Datum", "Čas", "Skupina", "Cvičení", "Počet otázek", "Správně", "Špatně",
                                   "Známka"};
    return k >= 35 && k <= 43 ? texts.at(k - 35) : QString();
}

}  // namespace

class TestResultsRules : public QObject {
    Q_OBJECT
private slots:
    void grade_data();
    void grade();
    void scoresWithoutGrade_data();
    void scoresWithoutGrade();
    void ranking_data();
    void ranking();
    void parseLine_data();
    void parseLine();
    void formatLine_data();
    void formatLine();
    void resultsFileBytes();
    void missingFileIsEmptyTable();
    void unreadableLinesKept_data();
    void unreadableLinesKept();
    void logEntryLines_data();
    void logEntryLines();
    void logAppendBytes();
    void heldLockWritesNothing();
    void pupilKey_data();
    void pupilKey();
    void answerLine_data();
    void answerLine();
    void itemKey_data();
    void itemKey();
};

void TestResultsRules::grade_data() {
    QTest::addColumn<QStringList>("bandLines");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("grade");
    QTest::newRow("7 of 10 -> 3") << kSampleBands << 7 << 10 << "3";
    QTest::newRow("10 of 10 -> 1") << kSampleBands << 10 << 10 << "1";
    QTest::newRow("0 of 10 -> 5") << kSampleBands << 0 << 10 << "5";
    QTest::newRow("3 of 10 on a shared bound, later band") << kSampleBands << 3 << 10 << "4";
    QTest::newRow("9 of 10 on a shared bound, later band") << kSampleBands << 9 << 10 << "1";
    QTest::newRow("7 of 15 below 50") << QStringList{"0|49|5", "50|100|1", "", "", ""} << 7 << 15 << "5";
    QTest::newRow("overlap takes the later line") << QStringList{"0|60|4", "50|100|2", "", "", ""} << 11 << 20 << "2";
    QTest::newRow("gap between bands") << QStringList{"0|40|5", "60|100|1", "", "", ""} << 5 << 10 << "";
    QTest::newRow("no items") << kSampleBands << 0 << 0 << "";
}

void TestResultsRules::grade() {
    QFETCH(QStringList, bandLines);
    QFETCH(int, right);
    QFETCH(int, total);
    QFETCH(QString, grade);
    QCOMPARE(results::gradeFor(right, total, bands(bandLines)), grade);
}

void TestResultsRules::scoresWithoutGrade_data() {
    QTest::addColumn<QStringList>("bandLines");
    QTest::addColumn<int>("missing");
    QTest::newRow("school bands, overlaps at the borders") << kSampleBands << 0;
    QTest::newRow("gap between 30 and 31") << QStringList{"0|30|5", "31|50|4", "50|75|3", "75|90|2", "90|100|1"} << 0;
    QTest::newRow("gap between 29 and 31") << QStringList{"0|29|5", "31|50|4", "50|75|3", "75|90|2", "90|100|1"} << 3;
    QTest::newRow("top missing") << QStringList{"0|30|5", "30|50|4", "50|75|3", "75|90|2", "90|99|1"} << 5;
    QTest::newRow("overlapping bands") << QStringList{"0|50|5", "40|100|1", "0|0|0", "0|0|0", "0|0|0"} << 0;
}

void TestResultsRules::scoresWithoutGrade() {
    QFETCH(QStringList, bandLines);
    QFETCH(int, missing);
    const auto scores = results::scoresWithoutGrade(bands(bandLines));
    QCOMPARE(int(scores.size()), missing);
    for (const auto &[right, total] : scores) QVERIFY(results::gradeFor(right, total, bands(bandLines)).isEmpty());
}

void TestResultsRules::ranking_data() {
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<int>("rank");
    QTest::newRow("empty table") << "" << "Nový:7:3:3" << QStringList{"Nový"} << 1;
    QTest::newRow("more right ranks first") << "Starší:8:2:2" << "Novější:9:1:2" << QStringList{"Novější", "Starší"}
                                            << 1;
    QTest::newRow("fewer wrong ranks first") << "Starší:8:2:2" << "Novější:8:1:2"
                                             << QStringList{"Novější", "Starší"} << 1;
    QTest::newRow("complete tie keeps the older first") << "Starší:8:2:2" << "Novější:8:2:2"
                                                        << QStringList{"Starší", "Novější"} << 2;
    QTest::newRow("grade before counts") << "Jedna:5:5:1,Dva:9:1:2" << "Tři:10:0:3"
                                         << QStringList{"Jedna", "Dva", "Tři"} << 3;
    QTest::newRow("ties stay in order around the new one")
        << "A:9:1:1,B:9:1:1,C:5:5:3,D:5:5:3" << "Ž:7:3:2" << QStringList{"A", "B", "Ž", "C", "D"} << 3;
    QTest::newRow("unsorted table is ranked") << "C:5:5:3,A:9:1:1,B:9:1:1" << "Ž:1:9:5"
                                              << QStringList{"A", "B", "C", "Ž"} << 4;
}

void TestResultsRules::ranking() {
    QFETCH(QString, existing);
    QFETCH(QString, added);
    QFETCH(QStringList, order);
    QFETCH(int, rank);
    auto records = table(existing);
    for (auto &r : records) r.mark = 1;  // stale marks of an earlier insertion
    const int got = results::insertResult(records, table(added).front());
    QCOMPARE(names(records), order);
    QCOMPARE(got, rank);
    for (int i = 0; i < int(records.size()); ++i) QCOMPARE(int(records[std::size_t(i)].mark), i + 1 == rank ? 1 : 0);
}

void TestResultsRules::parseLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<int>("grade");
    QTest::newRow("full record, mark not read") << "Jiří Čermák|7|3|3|1" << true << "Jiří Čermák" << 7 << 3 << 3;
    QTest::newRow("without mark") << "Eva|9|1|1" << true << "Eva" << 9 << 1 << 1;
    QTest::newRow("spaces around numbers") << "Eva| 9 |1 | 1|0" << true << "Eva" << 9 << 1 << 1;
    QTest::newRow("fraction rounded down") << "Eva|7.9|3|2|0" << true << "Eva" << 7 << 3 << 2;
    QTest::newRow("after a fifth bar ignored") << "Eva|7|3|2|0|x|y" << true << "Eva" << 7 << 3 << 2;
    QTest::newRow("empty name") << "|7|3|2|0" << true << "" << 7 << 3 << 2;
    QTest::newRow("torn line") << "Petr|7|" << false << "" << 0 << 0 << 0;
    QTest::newRow("empty line") << "" << false << "" << 0 << 0 << 0;
    QTest::newRow("garbage") << "ďábelský řádek" << false << "" << 0 << 0 << 0;
    QTest::newRow("non-numeric count") << "Eva|sedm|3|2|0" << false << "" << 0 << 0 << 0;
    QTest::newRow("empty grade") << "Eva|7|3||0" << false << "" << 0 << 0 << 0;
    QTest::newRow("number with trailing text") << "Eva|7x|3|2|0" << false << "" << 0 << 0 << 0;
    QTest::newRow("outside 16 bits") << "Eva|70000|3|2|0" << false << "" << 0 << 0 << 0;
}

void TestResultsRules::parseLine() {
    QFETCH(QString, line);
    QFETCH(bool, valid);
    const auto r = results::parseResultLine(line);
    QCOMPARE(r.has_value(), valid);
    if (!valid) return;
    QTEST(r->name, "name");
    QTEST(int(r->right), "right");
    QTEST(int(r->wrong), "wrong");
    QTEST(int(r->grade), "grade");
    QCOMPARE(int(r->mark), 0);
}

void TestResultsRules::formatLine_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mark");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << "Jiří Čermák" << 1 << "Jiří Čermák|7|3|3|1";
    QTest::newRow("bar in name") << "A|B|C" << 0 << "A/B/C|7|3|3|0";
    QTest::newRow("line break in name") << "A\r\nB" << 0 << "A  B|7|3|3|0";
    QTest::newRow("percent in name") << "Eva %2 %1" << 0 << "Eva %2 %1|7|3|3|0";
}

void TestResultsRules::formatLine() {
    QFETCH(QString, name);
    QFETCH(int, mark);
    ResultRecord r = rec(name, 7, 3, 3);
    r.mark = std::uint8_t(mark);
    QTEST(results::formatResultLine(r), "line");
}

void TestResultsRules::resultsFileBytes() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("3.res"));
    std::vector<ResultRecord> records{rec(QStringLiteral("Žluťoučký kůň"), 9, 1, 1), rec(QStringLiteral("Eva"), 7, 3, 3)};
    records[1].mark = 1;
    QVERIFY(results::writeResultsFile(path, records));
    QCOMPARE(readBytes(path), QByteArray("\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2|9|1|1|0\r\nEva|7|3|3|1\r\n"));
    // The rewrite replaces the whole file.
    QVERIFY(results::writeResultsFile(path, {rec(QStringLiteral("Eva"), 7, 3, 3)}));
    QCOMPARE(readBytes(path), QByteArray("Eva|7|3|3|0\r\n"));
    const auto back = results::readResultsFile(path);
    QCOMPARE(back.size(), std::size_t(1));
    QCOMPARE(back.front(), rec(QStringLiteral("Eva"), 7, 3, 3));
}

void TestResultsRules::missingFileIsEmptyTable() {
    QTemporaryDir dir;
    int skipped = -1;
    QVERIFY(results::readResultsFile(dir.filePath(QStringLiteral("7.res")), &skipped).empty());
    QCOMPARE(skipped, 0);
}

void TestResultsRules::unreadableLinesKept_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("records");  // after entering "Nový|8|2|2"
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("torn, garbage, empty and unterminated lines")
        << QByteArray("Ji\xF8\xED|9|1|1|0\r\nPetr|8|2\r\n\xFF\xFE garbage\r\n\r\nEva|7|3|3|1\r\nTom|6|4|3")
        << QByteArray("Ji\xF8\xED|9|1|1|0\r\nNov\xFD|8|2|2|1\r\nEva|7|3|3|0\r\nTom|6|4|3|0\r\n")
        << QByteArray("Petr|8|2\r\n\xFF\xFE garbage\r\n");
    QTest::newRow("name and counts with an empty grade")
        << QByteArray("Eva|7|3||0\r\nTom|6|4|3|0\r\n") << QByteArray("Nov\xFD|8|2|2|1\r\nTom|6|4|3|0\r\n")
        << QByteArray("Eva|7|3||0\r\n");
    QTest::newRow("only unreadable lines") << QByteArray("???\r\n") << QByteArray("Nov\xFD|8|2|2|1\r\n")
                                           << QByteArray("???\r\n");
}

void TestResultsRules::unreadableLinesKept() {
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, records);
    QFETCH(QByteArray, kept);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("3.res"));
    writeBytes(path, stored);
    std::vector<ResultRecord> shown;
    QVERIFY(results::saveNewResult(path, {}, rec(QStringLiteral("Nový"), 8, 2, 2), 1, &shown));
    QCOMPARE(readBytes(path), records + kept);
    QCOMPARE(shown.size(), std::size_t(records.count("\r\n")));
    // The next rewrite keeps them once, still at the end.
    QVERIFY(results::saveNewResult(path, {}, rec(QStringLiteral("Eva"), 0, 10, 5), 1, &shown));
    const QByteArray again = readBytes(path);
    QVERIFY(again.endsWith("Eva|0|10|5|1\r\n" + kept));
    QCOMPARE(again.count(kept), 1);
}

void TestResultsRules::logEntryLines_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("line1");
    const QDateTime march(QDate(2027, 3, 5), QTime(9, 7));
    QTest::newRow("short name, single-digit date")
        << "Eva" << march
        << QString("Jméno: Eva" + QString(32, ' ') + "   Datum: 5.3.2027     Čas: 09:07");
    QTest::newRow("two-digit date and time")
        << "Jiří Čermák" << QDateTime(QDate(2026, 12, 17), QTime(23, 45))
        << QString("Jméno: Jiří Čermák" + QString(24, ' ') + "   Datum: 17.12.2026   Čas: 23:45");
    const QString forty = QString(40, QChar(0x0159));  // ř
    QTest::newRow("40-character name not cut") << forty << march
                                               << QString("Jméno: " + forty + "   Datum: 5.3.2027     Čas: 09:07");
}

void TestResultsRules::logEntryLines() {
    QFETCH(QString, name);
    QFETCH(QDateTime, when);
    QFETCH(QString, line1);
    results::LogEntry e{name, "Gramatika", "Překlad slov", 15, "12", "3", "2", when};
    const QStringList lines = results::logEntryLinesOf(e, label);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], line1);
    QCOMPARE(lines[1], QString("Skupina: Gramatika" + QString(11, ' ') + " Cvičení: Překlad slov" + QString(18, ' ')));
    QCOMPARE(lines[2], QStringLiteral("Počet otázek:  15       Správně:  12        Špatně:  3         Známka:  2"));
    QCOMPARE(lines[3], QString(75, '='));
}

void TestResultsRules::logAppendBytes() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vysledky.dat"));
    // A new log is created.
    QVERIFY(results::appendLogEntry(path, {"Čas", "=="}));
    QCOMPARE(readBytes(path), QByteArray("\xC8" "as\r\n==\r\n"));
    // An entry is added after the old ones.
    const auto inode = inodeOf(path);
    QVERIFY(results::appendLogEntry(path, {"Žák"}));
    QCOMPARE(readBytes(path), QByteArray("\xC8" "as\r\n==\r\n\x8E\xE1k\r\n"));
    QCOMPARE(inodeOf(path), inode);  // appended, not rewritten
    // An old log whose last line lost its line end: the entry starts on a
    // line of its own.
    writeBytes(path, QByteArray("torn"));
    QVERIFY(results::appendLogEntry(path, {"x"}));
    QCOMPARE(readBytes(path), QByteArray("torn\r\nx\r\n"));
}

// While another writer holds a file's lock nothing is written and the
// caller learns why; once it is free the write goes through.
void TestResultsRules::heldLockWritesNothing() {
    QTemporaryDir dir;
    const QString res = dir.filePath(QStringLiteral("3.res"));
    const QString log = dir.filePath(QStringLiteral("Vysledky.dat"));
    writeBytes(res, "Eva|9|1|1|0\r\n");
    writeBytes(log, "old\r\n");
    {
        platform::FileLock resLock(res), logLock(log);
        QVERIFY(resLock.isLocked() && logLock.isLocked());
        QVERIFY(QFile::exists(res + QStringLiteral(".lock")));
        const auto saved = results::saveNewResult(res, {}, rec(QStringLiteral("Nový"), 8, 2, 2), 1, nullptr, 100);
        QCOMPARE(saved.error, EBUSY);
        QCOMPARE(results::appendLogEntry(log, {"x"}, 100).error, EBUSY);
        QCOMPARE(readBytes(res), QByteArray("Eva|9|1|1|0\r\n"));
        QCOMPARE(readBytes(log), QByteArray("old\r\n"));
    }
    QVERIFY(!QFile::exists(res + QStringLiteral(".lock")));
    QVERIFY(results::saveNewResult(res, {}, rec(QStringLiteral("Nový"), 8, 2, 2), 1, nullptr, 100));
    QVERIFY(results::appendLogEntry(log, {"x"}, 100));
    QCOMPARE(readBytes(log), QByteArray("old\r\nx\r\n"));
}


void TestResultsRules::pupilKey_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("case, spaces, diacritics") << "jana mala" << "  Jana   Malá " << true;
    QTest::newRow("háček and čárka") << "Šťěpán Říha" << "stepan riha" << true;
    QTest::newRow("tab is a space") << "Eva\tNová" << "eva nova" << true;
    QTest::newRow("other pupil") << "Jana Malá" << "Jan Malý" << false;
    QTest::newRow("word boundary kept") << "Ja Na" << "Jana" << false;
}

void TestResultsRules::pupilKey() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(results::pupilKeyOf(a) == results::pupilKeyOf(b), same);
    QCOMPARE(results::pupilKeyOf(results::pupilKeyOf(a)), results::pupilKeyOf(a));  // idempotent
}

// Every entry reads back as written once its text fields are storable; a
// line that is not a whole entry reads as nothing.
void TestResultsRules::answerLine_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain") << "am" << "am";
    QTest::newRow("empty answer") << "" << "";
    QTest::newRow("bar is a space") << "a|b" << "a b";
    QTest::newRow("line ends are spaces") << "a\r\nb" << "a  b";
    QTest::newRow("Czech") << "kůň žluťoučký" << "kůň žluťoučký";
}

void TestResultsRules::answerLine() {
    QFETCH(QString, answer);
    QFETCH(QString, stored);
    results::AnswerEntry e{QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7)), QStringLiteral("Jana|Malá"), 7,
                           QStringLiteral("I _ ten years old."), answer, QStringLiteral("am"), false};
    const QString line = results::formatAnswerLine(e);
    QCOMPARE(line.count(QLatin1Char('|')), 7);
    const auto back = results::parseAnswerLine(line);
    QVERIFY(back);
    QCOMPARE(back->answer, stored);
    QCOMPARE(back->name, QStringLiteral("Jana Malá"));
    e.answer = stored;
    e.name = back->name;
    QCOMPARE(*back, e);
    // Cut or damaged lines are not entries.
    QVERIFY(!results::parseAnswerLine(line.left(line.lastIndexOf(QLatin1Char('|')))));
    QVERIFY(!results::parseAnswerLine(QString(line).replace(QStringLiteral("|7|"), QStringLiteral("|25|"))));
    QVERIFY(!results::parseAnswerLine(line.chopped(1) + QStringLiteral("2")));
    // Appended in one piece, Windows-1250 with CR LF.
    QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(results::kAnswersFileName));
    QVERIFY(results::appendAnswers(path, {e, e}));
    QCOMPARE(readBytes(path), platform::encode1250(results::formatAnswerLine(e) + "\r\n").repeated(2));
}

// The key names the row's prompt, never its answer, and is the same for a
// record wherever it stands in the file.
void TestResultsRules::itemKey_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("key");
    QTest::newRow("gap sentence") << 1 << "There is _ apple on the table.#an" << "There is _ apple on the table.";
    QTest::newRow("switch") << 2 << "My brother plays _ football.##the#" << "My brother plays _ football.";
    QTest::newRow("list") << 7 << "I _ ten years old.#am#is#are" << "I _ ten years old.";
    QTest::newRow("model") << 9 << "She _ at my joke yesterday.#laugh#laughed" << "She _ at my joke yesterday. (laugh)";
    QTest::newRow("whole sentence") << 13 << "We like fish.#zápor (n't)#We don't like fish."
                                    << "We like fish. (zápor (n't))";
    QTest::newRow("two lines") << 14 << "I was ten last year.#How old # last year?#were you"
                               << "I was ten last year. / How old _ last year?";
    QTest::newRow("clock") << 19 << "1#5#five past one" << "five past one";
    QTest::newRow("lists") << 18 << "Which one is a fruit?#banana#bread#cheese#carrot" << "Which one is a fruit?";
    QTest::newRow("translation") << 3 << "kůň#horse" << "kůň";
    QTest::newRow("topic item") << 21 << "pes#dog#1#Zvířata" << "pes";
    QTest::newRow("listening") << 22 << "It's a _ car.#red#22-02.wav" << "It's a _ car.";
}

void TestResultsRules::itemKey() {
    QFETCH(int, exercise);
    QFETCH(QString, line);
    QFETCH(QString, key);
    const auto rec = content::parseContentLine(line, content::layoutOfExercise(exercise), exercise);
    QCOMPARE(exercise::itemKeyOf(exercise, rec), key);
}
QTEST_GUILESS_MAIN(TestResultsRules)
#include "tst_results_rules.moc"
