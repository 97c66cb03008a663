// A run worked through the real exercise form: page progress by page group,
// checking and marks, the answer hint, new pages, the results table during a
// run, back without a result, and the result handed to the results screen
// with the results file and the log written byte for byte.
#include "state/Misc.h"
#include "state/Services.h"
#include "content/scramble.h"
#include "exercise/AnswerRules.h"
#include "exercise/CheckedRow.h"
#include "exercise/frm_Game01.h"
#include "platform/codec.h"
#include "state/AnswersLog.h"
#include "results/frm_Tabulka.h"
#include "exercise/frm_Chybovy.h"
#include "screens/frm_Intro.h"
#include "screens/frm_Setup.h"
#include "exercise_fixture.h"
#include "testsupport.h"

#include <QtTest>

#include <cerrno>
#include <csignal>
#include <memory>
#include <set>
#include <sys/resource.h>

using namespace Misc;
using exercisetest::settle;
using Step = frm_Game01::PageStep;
Q_DECLARE_METATYPE(frm_Game01::PageStep)

namespace {

QString pad(const QString &s, int n) { return s.size() < n ? s + QString(n - s.size(), QLatin1Char(' ')) : s; }

}  // namespace

class TestRunFlow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void nextPage_data();
    void nextPage();
    void wholeRunOfExercise3With15Items();
    void exercise13TwoPagesOfFive();
    void sevenRightThreeWrong();
    void checkedRowsLeaveThroughOnePlace_data();
    void checkedRowsLeaveThroughOnePlace();
    void backAfterCheckRecordsNothing();
    void newPageOnUncheckedPageCountsNothing();
    void onlyWrongMarksShowTheHint();
    void resultsButtonKeepsTheRun();
    void skippedPagesNeverEndTheRun();
    void checkedRowsInTheAnswersLog_data();
    void checkedRowsInTheAnswersLog();
    void answersLogFullDiskToldOnce();

private:
    frm_Game01 &open(int exercise, int count);
    // Answers rows 1 ... ItemsOnPage: the first `right` rows from their Tags,
    // the rest with a wrong text.
    void answer(frm_Game01 &f, int right);
    void check(frm_Game01 &f);
    QByteArray read(const QString &name);
    // The lines of the answers log after `skip` bytes, read back.
    QList<results::AnswerEntry> answersAfter(qsizetype skip);
    void write(const QString &name, const QByteArray &bytes);
    QByteArray logEntry(int count, const QString &right, const QString &wrong, const QString &grade,
                        const QDateTime &when);

    exercisetest::Course m_course;
};

void TestRunFlow::initTestCase() { QVERIFY(m_course.start(true, false)); }

void TestRunFlow::init() {
    exercisetest::resetRun();
    PupilName = QStringLiteral("Žofie Nováková");
    GroupTitle = QStringLiteral("Slovíčka");
    ExerciseTitle = QStringLiteral("Překlad");
    for (const char *f : {"3.res", "13.res", "Vysledky.dat", "Odpovedi.dat"}) write(QLatin1String(f), QByteArray());
}

void TestRunFlow::cleanup() { m_course.closeForms(); }

frm_Game01 &TestRunFlow::open(int exercise, int count) {
    return exercisetest::openExercise(exercise, count);
}

void TestRunFlow::answer(frm_Game01 &f, int right) {
    for (int r = 1; r <= ItemsOnPage; ++r)
        f.TVstup(r)->setText(r <= right ? f.TVstup(r)->Tag : QStringLiteral("žádná odpověď"));
}

void TestRunFlow::check(frm_Game01 &f) {
    f.PicTop_MouseDown(1);  // returns once the continue button has slid in
    QVERIFY(f.picPokracuj->isVisible() && f.picPokracuj->isEnabled());
}

QByteArray TestRunFlow::read(const QString &name) {
    QFile file(m_course.dataDir() + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QList<results::AnswerEntry> TestRunFlow::answersAfter(qsizetype skip) {
    QList<results::AnswerEntry> entries;
    const QByteArray bytes = read(QLatin1String(results::kAnswersFileName)).mid(skip);
    for (const QString &line : platform::decode1250(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const auto e = results::parseAnswerLine(line);
        if (!e) return {};
        entries << *e;
    }
    return entries;
}

void TestRunFlow::write(const QString &name, const QByteArray &bytes) {
    QFile file(m_course.dataDir() + QLatin1Char('/') + name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray TestRunFlow::logEntry(int count, const QString &right, const QString &wrong, const QString &grade,
                                 const QDateTime &when) {
    const QString line1 = Text(35) + QStringLiteral(": ") + pad(PupilName, 35) + QStringLiteral("   ") + Text(36) +
                          QStringLiteral(": ") + pad(when.date().toString(QStringLiteral("d.M.yyyy")), 10) +
                          QStringLiteral("   ") + Text(37) + QStringLiteral(": ") +
                          when.time().toString(QStringLiteral("hh:mm"));
    const QString line2 = Text(38) + QStringLiteral(": ") + pad(GroupTitle, 20) + QLatin1Char(' ') + Text(39) +
                          QStringLiteral(": ") + pad(ExerciseTitle, 30);
    const QString line3 = Text(40) + QStringLiteral(":  ") + pad(QString::number(count), 6) + QStringLiteral("   ") +
                          Text(41) + QStringLiteral(":  ") + pad(right, 6) + QStringLiteral("    ") + Text(42) +
                          QStringLiteral(":  ") + pad(wrong, 6) + QStringLiteral("    ") + Text(43) +
                          QStringLiteral(":  ") + grade;
    const QString text = line1 + QStringLiteral("\r\n") + line2 + QStringLiteral("\r\n") + line3 +
                         QStringLiteral("\r\n") + QString(75, QLatin1Char('=')) + QStringLiteral("\r\n");
    return platform::encode1250(text);
}

// ---- Page groups ------------------------------------------------------------

void TestRunFlow::nextPage_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<int>("remaining");
    QTest::addColumn<int>("remainingAfter");
    QTest::addColumn<int>("onPage");
    QTest::addColumn<Step>("step");
    QTest::newRow("ten: 30 -> page of 10") << 3 << 30 << 20 << 10 << Step::NextPage;
    QTest::newRow("ten: 20 -> page of 10") << 1 << 20 << 10 << 10 << Step::NextPage;
    QTest::newRow("ten: 15 -> short page") << 7 << 15 << 5 << 5 << Step::NextShortPage;
    QTest::newRow("ten: 25 -> 15 then 10") << 24 << 25 << 15 << 10 << Step::NextPage;
    QTest::newRow("ten: 10 -> end") << 3 << 10 << 0 << 0 << Step::Finish;
    QTest::newRow("ten: 5 (short page) -> end") << 3 << 5 << -5 << -5 << Step::Finish;
    QTest::newRow("five: 10 -> page of 5") << 13 << 10 << 5 << 5 << Step::NextPage;
    QTest::newRow("five: 30 -> page of 5") << 2 << 30 << 25 << 5 << Step::NextPage;
    QTest::newRow("five: 5 -> end") << 14 << 5 << 0 << 0 << Step::Finish;
    QTest::newRow("two: 5 -> 3 lists left") << 18 << 5 << 3 << 2 << Step::NextPage;
    QTest::newRow("two: 3 -> one list") << 18 << 3 << 1 << 1 << Step::NextPage;
    QTest::newRow("two: 2 -> closing screens") << 18 << 2 << 0 << 0 << Step::Ex18Closing;
    QTest::newRow("two: 1 -> closing screens") << 18 << 1 << -1 << 0 << Step::Ex18Closing;
}

void TestRunFlow::nextPage() {
    QFETCH(int, exercise);
    QFETCH(int, remaining);
    QFETCH(int, remainingAfter);
    QFETCH(int, onPage);
    QFETCH(Step, step);
    const frm_Game01::PageProgress p = frm_Game01::NextPageProgress(exercise, remaining);
    QCOMPARE(p.itemsRemaining, remainingAfter);
    QCOMPARE(p.itemsOnPage, onPage);
    QCOMPARE(p.step, step);
}

// ---- Whole runs -------------------------------------------------------------

void TestRunFlow::wholeRunOfExercise3With15Items() {
    frm_Game01 &f = open(3, 15);
    QCOMPARE(ItemsOnPage, 10);
    QSet<int> seen;
    for (int r = 1; r <= 10; ++r) seen.insert(DrawnItems[std::size_t(r)]);

    answer(f, 8);
    f.TVstup(1)->setText(QStringLiteral("  ") + f.TVstup(1)->Tag + QStringLiteral(" "));  // spaces do not count
    check(f);
    QCOMPARE(CorrectCount, 8);
    QCOMPARE(WrongCount, 2);
    QCOMPARE(f.TVstup(1)->Text(), f.TVstup(1)->Tag);
    QVERIFY(f.TVstup(1)->Locked());
    QVERIFY(!f.PicTop(1)->isEnabled() && !f.PicTop(2)->isEnabled() && !f.PicTop(3)->isEnabled());
    QVERIFY(f.PicTop(4)->isEnabled());

    f.picPokracuj_Click();
    QCOMPARE(ItemsRemaining, 5);
    QCOMPARE(ItemsOnPage, 5);
    QCOMPARE(f.picture().toImage(), loadPicture(QStringLiteral("Bitmap\\Games\\03_bckg5.bmp")).toImage());
    for (int r = 6; r <= 10; ++r) {
        QVERIFY2(!f.TextPred(r)->isVisible() && !f.TVstup(r)->isVisible() && !f.IHodnoceni(r)->isVisible(),
                 qPrintable(QStringLiteral("row %1").arg(r)));
    }
    for (int r = 1; r <= 5; ++r) {
        QVERIFY(f.TVstup(r)->isVisible() && !f.TVstup(r)->Locked() && f.TVstup(r)->Text().isEmpty());
        QVERIFY(!f.IHodnoceni(r)->isVisible());
        QVERIFY2(!seen.contains(DrawnItems[std::size_t(r)]), "an item came twice in one run");
    }
    QVERIFY(f.PicTop(1)->isEnabled());
    QVERIFY(!f.picPokracuj->isVisible());

    answer(f, 4);
    check(f);
    QCOMPARE(CorrectCount, 12);
    QCOMPARE(WrongCount, 3);

    f.picPokracuj_Click();
    settle();
    QVERIFY(!frm_Game01::existing() || !frm_Game01::loaded());
    QVERIFY(frm_Tabulka::loaded());
    QVERIFY(frm_Tabulka::get().isVisible());
    QCOMPARE(CurrentScreen, static_cast<ui::Form *>(&frm_Tabulka::get()));
    QCOMPARE(frm_Tabulka::get().Nadrazeny_form.data(), static_cast<ui::Form *>(&frm_Setup::get()));
    // 12 of 15 is 80 %: grade 2.
    QCOMPARE(read(QStringLiteral("3.res")), QByteArray("\x8Eofie Nov\xE1kov\xE1|12|3|2|1\r\n"));
    const QByteArray log = read(QStringLiteral("Vysledky.dat"));
    const QDateTime now = QDateTime::currentDateTime();
    QVERIFY2(log == logEntry(15, QStringLiteral("12"), QStringLiteral("3"), QStringLiteral("2"), now) ||
                 log == logEntry(15, QStringLiteral("12"), QStringLiteral("3"), QStringLiteral("2"), now.addSecs(-60)),
             log.constData());

    frm_Tabulka::get().picKonec_Click();
    settle();
    QVERIFY(frm_Setup::get().isVisible());
}

void TestRunFlow::exercise13TwoPagesOfFive() {
    PupilName = QStringLiteral("Petr");
    frm_Game01 &f = open(13, 10);
    QCOMPARE(ItemsOnPage, 5);
    answer(f, 5);
    check(f);
    f.picPokracuj_Click();
    QCOMPARE(ItemsRemaining, 5);
    QCOMPARE(ItemsOnPage, 5);
    QVERIFY(frm_Game01::loaded());
    answer(f, 5);
    check(f);
    f.picPokracuj_Click();
    settle();
    QVERIFY(frm_Tabulka::get().isVisible());
    QCOMPARE(read(QStringLiteral("13.res")), QByteArray("Petr|10|0|1|1\r\n"));
}

void TestRunFlow::sevenRightThreeWrong() {
    PupilName = QStringLiteral("Eva");
    frm_Game01 &f = open(3, 10);
    answer(f, 7);
    check(f);
    f.picPokracuj_Click();
    settle();
    // 7 of 10 is 70 %: grade 3.
    QCOMPARE(frm_Tabulka::get().Vlozeni_znamky(7, 10), QStringLiteral("3"));
    QCOMPARE(read(QStringLiteral("3.res")), QByteArray("Eva|7|3|3|1\r\n"));
    const QList<QByteArray> lines = read(QStringLiteral("Vysledky.dat")).split('\n');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[2], logEntry(10, QStringLiteral("7"), QStringLiteral("3"), QStringLiteral("3"),
                                QDateTime::currentDateTime())
                           .split('\n')[2]);
    QCOMPARE(frm_Tabulka::get().LJmeno(1)->Caption(), QStringLiteral("Eva"));
    QCOMPARE(frm_Tabulka::get().LSpravne(1)->Caption(), QStringLiteral("7"));
    QCOMPARE(frm_Tabulka::get().LSpatne(1)->Caption(), QStringLiteral("3"));
}

void TestRunFlow::checkedRowsLeaveThroughOnePlace_data() {
    QTest::addColumn<int>("exercise");
    for (int n : {3, 4, 7, 9, 15, 24}) QTest::addRow("%d", n) << n;
}

void TestRunFlow::checkedRowsLeaveThroughOnePlace() {
    QFETCH(int, exercise);
    frm_Game01 &f = open(exercise, 10);
    const int rows = ItemsOnPage;
    for (int r = 1; r <= rows; ++r)
        f.TVstup(r)->setText(r <= 2 ? QStringLiteral("  ") + f.TVstup(r)->Tag + QStringLiteral("  ") : QString());
    f.m_lastCheckedRows.clear();
    check(f);
    QCOMPARE(int(f.m_lastCheckedRows.size()), rows);
    for (int r = 1; r <= rows; ++r) {
        const exercise::CheckedRow &row = f.m_lastCheckedRows[std::size_t(r - 1)];
        QCOMPARE(row.item, exercise::itemKeyOf(exercise, ContentRecords[std::size_t(DrawnItems[std::size_t(r)])]));
        QVERIFY(!row.item.isEmpty());
        QCOMPARE(row.expected, f.TVstup(r)->Tag);
        QCOMPARE(row.answer, f.TVstup(r)->Text());  // what the box shows once checked, spaces closed up
        QCOMPARE(row.right, r <= 2 && !row.expected.isEmpty());
    }
    QCOMPARE(CorrectCount, int(std::count_if(f.m_lastCheckedRows.begin(), f.m_lastCheckedRows.end(),
                                             [](const exercise::CheckedRow &c) { return c.right; })));
}

void TestRunFlow::backAfterCheckRecordsNothing() {
    write(QStringLiteral("3.res"), QByteArray("Eva|9|1|1|0\r\n"));
    frm_Game01 &f = open(3, 10);
    answer(f, 10);
    check(f);
    f.PicTop_MouseDown(4);
    settle();
    QVERIFY(!frm_Game01::existing());
    QVERIFY(!frm_Tabulka::existing());
    QVERIFY(frm_Setup::get().isVisible());
    QCOMPARE(read(QStringLiteral("3.res")), QByteArray("Eva|9|1|1|0\r\n"));
    QCOMPARE(read(QStringLiteral("Vysledky.dat")), QByteArray());
}

void TestRunFlow::newPageOnUncheckedPageCountsNothing() {
    frm_Game01 &f = open(3, 30);
    answer(f, 10);
    check(f);
    f.picPokracuj_Click();  // page 2: earlier pages are history from here on
    const std::array<int, 61> before = DrawnItems;
    answer(f, 10);
    f.PicTop_MouseDown(2);
    QCOMPARE(CorrectCount, 10);
    QCOMPARE(WrongCount, 0);
    QCOMPARE(ItemsRemaining, 20);
    QCOMPARE(ItemsOnPage, 10);
    for (int r = 1; r <= 10; ++r) {
        QCOMPARE(DrawnItems[std::size_t(r + 10)], before[std::size_t(r)]);  // the skipped page is history
        QVERIFY(f.TVstup(r)->Text().isEmpty());
        QCOMPARE(f.TVstup(r)->Tag, ContentRecords[std::size_t(DrawnItems[std::size_t(r)])].field[4]);
    }
    // After a check the new-page button is disabled and does nothing, and a
    // second press on check (a double-click) does not count again.
    check(f);
    const int right = CorrectCount;
    f.PicTop_MouseDown(2);
    f.PicTop_MouseDown(1);
    QCOMPARE(CorrectCount + WrongCount, 20);
    QCOMPARE(CorrectCount, right);
    QCOMPARE(ItemsRemaining, 20);
}

void TestRunFlow::onlyWrongMarksShowTheHint() {
    frm_Game01 &f = open(3, 10);
    f.IHodnoceni_MouseDown(1);  // unchecked: marks are hidden and do nothing
    QVERIFY(!frm_Chybovy::existing() || !frm_Chybovy::get().isVisible());
    answer(f, 1);
    check(f);
    QVERIFY(!f.IHodnoceni(1)->isEnabled());
    QVERIFY(f.IHodnoceni(2)->isEnabled());
    QCOMPARE(f.IHodnoceni(1)->picture().toImage(),
             loadPicture(QStringLiteral("Bitmap\\Games\\Check_ok.bmp")).toImage());
    QCOMPARE(f.IHodnoceni(2)->picture().toImage(),
             loadPicture(QStringLiteral("Bitmap\\Games\\Check_ko.bmp")).toImage());

    f.IHodnoceni_MouseDown(1);
    QVERIFY(!frm_Chybovy::get().isVisible());

    f.IHodnoceni_MouseMove(2);
    QCOMPARE(int(HoverCode), 20);
    QCOMPARE(f.IHodnoceni(2)->cursor().shape(), CursorHand.shape());

    f.IHodnoceni_MouseDown(2);
    frm_Chybovy &hint = frm_Chybovy::get();
    QVERIFY(hint.isVisible());
    QCOMPARE(hint.Label1(1)->Caption(), ContentRecords[std::size_t(DrawnItems[2])].field[4]);
    QCOMPARE(hint.Label1(1)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QPoint cursor = QCursor::pos();
    QCOMPARE(hint.x() + hint.width(), cursor.x() + 5);
    QCOMPARE(hint.y(), cursor.y());
    f.IHodnoceni_MouseUp(2);
    QVERIFY(!hint.isVisible());
}

void TestRunFlow::resultsButtonKeepsTheRun() {
    write(QStringLiteral("3.res"), QByteArray("Eva|9|1|1|0\r\n"));
    frm_Game01 &f = open(3, 10);
    const std::array<int, 61> drawn = DrawnItems;
    f.TVstup(1)->setText(QStringLiteral("cat"));
    f.PicTop_MouseDown(3);
    QVERIFY(frm_Tabulka::get().isVisible());
    QVERIFY(!f.isVisible());
    QCOMPARE(frm_Tabulka::get().Nadrazeny_form.data(), static_cast<ui::Form *>(&f));
    QCOMPARE(frm_Tabulka::get().LJmeno(1)->Caption(), QStringLiteral("Eva"));
    frm_Tabulka::get().picKonec_Click();
    settle();
    QVERIFY(f.isVisible());
    QCOMPARE(DrawnItems, drawn);
    QCOMPARE(f.TVstup(1)->Text(), QStringLiteral("cat"));
    QCOMPARE(read(QStringLiteral("3.res")), QByteArray("Eva|9|1|1|0\r\n"));
    QCOMPARE(read(QStringLiteral("Vysledky.dat")), QByteArray());
}

void TestRunFlow::skippedPagesNeverEndTheRun() {
    // A file of 21 items and a run of 20: after the first page is checked,
    // many new pages use up every unseen item. Items shown but never checked
    // then come again, checked ones never do, and the run ends with its
    // result.
    QByteArray plain;
    for (int i = 1; i <= 21; ++i) plain += QStringLiteral("Item %1 is _.#w%1#x.wav\r\n").arg(i).toLatin1();
    QVERIFY(content::writeScrambledFile(m_course.dataDir() + QStringLiteral("/24.dat"), plain));
    write(QStringLiteral("24.res"), QByteArray());
    frm_Game01 &f = open(24, 20);
    QCOMPARE(RecordCount, 21);
    answer(f, 10);
    check(f);
    const std::set<int> firstPage(DrawnItems.begin() + 1, DrawnItems.begin() + 11);
    f.picPokracuj_Click();
    for (int i = 0; i < 12; ++i) {
        f.PicTop_MouseDown(2);
        QVERIFY(testsupport::messageBoxes().isEmpty());
        for (int r = 1; r <= 10; ++r) {
            QVERIFY(DrawnItems[std::size_t(r)] >= 1);
            QVERIFY(!firstPage.count(DrawnItems[std::size_t(r)]));
        }
    }
    answer(f, 10);
    check(f);
    f.picPokracuj_Click();
    QVERIFY(testsupport::messageBoxes().isEmpty());
    QVERIFY(!frm_Game01::existing() || !frm_Game01::get().isVisible());
    QVERIFY(read(QStringLiteral("24.res")).startsWith(platform::encode1250(PupilName) + "|20|0|"));
}

QTEST_MAIN(TestRunFlow)
// ---- The answers log -------------------------------------------------------

void TestRunFlow::checkedRowsInTheAnswersLog_data() {
    QTest::addColumn<int>("exercise");
    for (int n : {2, 3, 7, 19, 21, 22}) QTest::addRow("exercise %d", n) << n;
}

// A checked page leaves every row in the answers log after the older lines:
// row 1 answered right, row 2 wrong, row 3 empty. The verdicts are the marks.
void TestRunFlow::checkedRowsInTheAnswersLog() {
    QFETCH(int, exercise);
    const QByteArray older = platform::encode1250(QStringLiteral("1.9.2026|08:00:00|Eva|3|pes|dog|dog|1\r\n"));
    write(QLatin1String(results::kAnswersFileName), older);
    if (exercise == 21) {  // every topic chosen on the topic screen
        for (int t = 1; t <= 21; ++t) {
            auto *button = new ui::Label(&frm_Intro::get());
            button->Tag = QStringLiteral("1");
            frm_Intro::get().TlacitkoTema.setElement(t, button);
        }
    }
    frm_Game01 &f = open(exercise, 10);
    const answers::CheckRule rule = answers::checkRuleFor(exercise);
    auto expected = [&](int r) {
        if (rule == answers::CheckRule::Label) return f.TextPred(r)->Caption();
        return rule == answers::CheckRule::Tile ? f.TextPred(r)->Tag : f.TVstup(r)->Tag;
    };
    const QStringList given{expected(1), QStringLiteral("žádná odpověď"), QString()};
    for (int r = 1; r <= 3; ++r) {
        if (rule == answers::CheckRule::Label) f.TextPred(r)->Tag = given[r - 1];
        else if (rule == answers::CheckRule::Tile) f.TVstup(r)->Tag = given[r - 1];
        else f.TVstup(r)->setText(given[r - 1]);
    }
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    check(f);

    QVERIFY(read(QLatin1String(results::kAnswersFileName)).startsWith(older));
    const QList<results::AnswerEntry> rows = answersAfter(older.size());
    QCOMPARE(rows.size(), ItemsOnPage);
    for (int r = 1; r <= ItemsOnPage; ++r) {
        const results::AnswerEntry &e = rows[r - 1];
        QCOMPARE(e.name, PupilName);
        QCOMPARE(e.exercise, exercise);
        QVERIFY(e.when >= before && e.when <= QDateTime::currentDateTime());
        const QString item = exercise == 21
            ? f.TextPred(r)->Caption().simplified()
            : exercise::itemKeyOf(exercise, ContentRecords[std::size_t(DrawnItems[std::size_t(r)])]);
        QCOMPARE(e.item, item);
        QVERIFY(!e.item.isEmpty());
        QCOMPARE(e.expected, results::answerLogField(expected(r)));
        if (r <= 3) QCOMPARE(e.answer, given[r - 1]);
        QCOMPARE(e.right, !f.IHodnoceni(r)->isEnabled());
        // Only a switch may be right left empty: when no word belongs there.
        QCOMPARE(e.right, e.answer == e.expected && (!e.answer.isEmpty() || rule == answers::CheckRule::Switch));
        if (r <= 2) QCOMPARE(e.right, r == 1);
    }
    // The result files are written only at the end of the run.
    QCOMPARE(read(QStringLiteral("Vysledky.dat")), QByteArray());
    QVERIFY(testsupport::messageBoxes().isEmpty());
}

// A disk that fills up (the file size limit stands in for it) keeps the
// older lines whole and is told once in the run, however many pages fail;
// once there is room again the next page is logged.
void TestRunFlow::answersLogFullDiskToldOnce() {
    const QByteArray older = platform::encode1250(QStringLiteral("1.9.2026|08:00:00|Eva|3|pes|dog|dog|1\r\n"));
    write(QLatin1String(results::kAnswersFileName), older);
    frm_Game01 &f = open(3, 30);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = rlim_t(older.size() + 40);  // room for part of a page
    for (int page = 1; page <= 3; ++page) {
        QVERIFY(setrlimit(RLIMIT_FSIZE, page < 3 ? &small : &saved) == 0);
        answer(f, 4);
        check(f);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &saved) == 0);
        if (page < 3) {
            QCOMPARE(read(QLatin1String(results::kAnswersFileName)), older);
            f.picPokracuj_Click();
        }
    }
    std::signal(SIGXFSZ, SIG_DFL);
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    const platform::MsgBoxCall box = testsupport::messageBoxes().first();
    QCOMPARE(box.caption, QStringLiteral("Chyba"));
    QVERIFY2(box.text.contains(QLatin1String(results::kAnswersFileName)) &&
                 box.text.contains(platform::czechReason(EFBIG)),
             qPrintable(box.text));
    QCOMPARE(answersAfter(older.size()).size(), 10);
}

#include "tst_run_flow.moc"
