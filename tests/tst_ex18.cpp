// Exercise 18 worked through the real exercise form: pages of two lists and a
// short last page, picks and the continue button, the overview in one, two or
// three columns with cut headings, pairs opened from the overview, the check
// of the whole run, a wrong list opened from the checked overview, and the
// result handed to the results screen. The overview's rules are tested alone.
#include "state/Misc.h"
#include "state/Services.h"
#include "exercise/CheckedRow.h"
#include "exercise/frm_Game01.h"
#include "platform/codec.h"
#include "state/AnswersLog.h"
#include "results/frm_Tabulka.h"
#include "exercise/frm_Chybovy.h"
#include "screens/frm_Setup.h"
#include "exercise_fixture.h"
#include "testsupport.h"

#include <QtTest>

#include <memory>

using namespace Misc;
using exercisetest::settle;
using View = frm_Game01::Ex18View;

namespace {

QString stripped(const QString &caption) {
    int i = 0;
    while (i < caption.size() && caption.at(i) == QLatin1Char(' ')) ++i;
    return caption.mid(i);
}

// The picture of a "bmp" of the course as the form's image holds it.
QImage rgb(const QPixmap &pm) { return pm.toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace

class TestEx18 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void overviewGrid_data();
    void overviewGrid();
    void cutHeading_data();
    void cutHeading();
    void pairOf_data();
    void pairOf();

    void fifteenListsToTheResults();
    void tenListsOpenAPairAndNeverPicked();
    void overviewColumns_data();
    void overviewColumns();

private:
    frm_Game01 &open(int count);
    // Entry row (2 ... 5 or 7 ... 10) of list slot 1 or 2 holding the right
    // entry (right = true) or some wrong one.
    int rowOf(frm_Game01 &f, int slot, int list, bool right);
    void pick(frm_Game01 &f, int row);
    // The marker in front of an entry row as drawn on the form.
    void verifyMarker(frm_Game01 &f, int row, int state);
    // Works the pages of lists; every list is picked right except the ones
    // in `wrong`. Ends on the overview.
    void workAllPages(frm_Game01 &f, const QList<int> &wrong);
    QByteArray read(const QString &name);

    exercisetest::Course m_course;
    QMap<int, QStringList> m_shown;  // entries of each list as first shown
};

void TestEx18::initTestCase() { QVERIFY(m_course.start(true, false)); }

void TestEx18::init() {
    exercisetest::resetRun();
    PupilName = QStringLiteral("Jiří Šťastný");
    GroupTitle = QStringLiteral("Slovíčka");
    ExerciseTitle = QStringLiteral("Seznamy");
    for (const char *name : {"/18.res", "/Odpovedi.dat"}) {
        QFile file(m_course.dataDir() + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    }
}

void TestEx18::cleanup() { m_course.closeForms(); }

frm_Game01 &TestEx18::open(int count) {
    return exercisetest::openExercise(18, count);
}

int TestEx18::rowOf(frm_Game01 &f, int slot, int list, bool right) {
    const int b = slot == 1 ? 1 : 6;
    for (int row = b + 1; row <= b + 4; ++row)
        if ((stripped(f.TextPred(row)->Caption()) == f.Ex18Correct[std::size_t(list)]) == right) return row;
    return 0;
}

void TestEx18::pick(frm_Game01 &f, int row) {
    QVERIFY(row >= 2 && row <= 10);
    f.TextPred_MouseDown(row);
}

void TestEx18::verifyMarker(frm_Game01 &f, int row, int state) {
    const int y = (row <= 5 ? 150 : 195) + 27 * (row - 2);
    const QImage marker = rgb(f.SwitchPictures.at(state));
    QCOMPARE(f.image().copy(60, y, marker.width(), marker.height()).convertToFormat(QImage::Format_RGB32), marker);
    QCOMPARE(f.TextPred(row)->ForeColor(), state == 1 ? QColor(Qt::white) : QColor(Qt::black));
}

void TestEx18::workAllPages(frm_Game01 &f, const QList<int> &wrong) {
    const int count = QuestionCount;
    while (f.Ex18Screen == View::Lists) {
        const int lists = ItemsOnPage;
        QVERIFY(lists == 1 || lists == 2);
        const int first = f.ListPos - lists + 1;
        QVERIFY(!f.picPokracuj->isVisible());
        for (int slot = 1; slot <= lists; ++slot) {
            const int list = first + slot - 1;
            const auto &rec = ContentRecords[std::size_t(DrawnItems[std::size_t(list)])].field;
            QCOMPARE(f.TextPred(slot == 1 ? 1 : 6)->Caption(), rec[0]);
            QCOMPARE(f.Ex18Correct[std::size_t(list)], rec[6]);
            QStringList shown;
            for (int r = 1; r <= 4; ++r) shown << f.TextPred((slot == 1 ? 1 : 6) + r)->Caption();
            m_shown[list] = shown;
            const int row = rowOf(f, slot, list, !wrong.contains(list));
            pick(f, row);
            QCOMPARE(f.Ex18Chosen[std::size_t(list)], stripped(f.TextPred(row)->Caption()));
            // The continue button comes once every list of the page is picked.
            QCOMPARE(f.picPokracuj->isVisible(), slot == lists);
        }
        if (f.ListPos == count && lists == 1) {
            QCOMPARE(rgb(f.picture()), rgb(loadPicture(QStringLiteral("Bitmap\\Games\\18_bckg5.bmp"))));
            for (int row = 6; row <= 10; ++row) QVERIFY(!f.TextPred(row)->isVisible());
        }
        QVERIFY(f.picPokracuj->isEnabled());
        f.picPokracuj_Click();
    }
    QCOMPARE(f.ListPos, count);
    QCOMPARE(f.Ex18Screen, View::Overview);
}

QByteArray TestEx18::read(const QString &name) {
    QFile file(m_course.dataDir() + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// ---- Rules of the overview --------------------------------------------------

void TestEx18::overviewGrid_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QRect>("label");
    QTest::addColumn<QPoint>("mark");
    QTest::addColumn<QString>("background");
    struct Row { int k, count, columns; QRect label; QPoint mark; const char *bg; };
    const Row rows[] = {
        {1, 10, 1, {87, 105, 466, 20}, {580, 100}, "18_sum10"},
        {10, 10, 1, {87, 429, 466, 20}, {580, 424}, "18_sum10"},
        {1, 15, 2, {19, 106, 248, 20}, {280, 100}, "18_sum20"},
        {11, 15, 2, {346, 106, 248, 20}, {605, 100}, "18_sum20"},
        {15, 15, 2, {346, 250, 248, 20}, {605, 244}, "18_sum20"},
        {20, 20, 2, {346, 430, 248, 20}, {605, 424}, "18_sum20"},
        {21, 25, 3, {437, 106, 146, 20}, {601, 100}, "18_sum30"},
        {13, 30, 3, {228, 178, 146, 20}, {392, 172}, "18_sum30"},
        {30, 30, 3, {437, 430, 146, 20}, {601, 424}, "18_sum30"},
    };
    for (const Row &r : rows)
        QTest::addRow("list %d of %d", r.k, r.count)
            << r.k << r.count << r.columns << r.label << r.mark
            << QStringLiteral("Bitmap\\Games\\%1.bmp").arg(QLatin1String(r.bg));
}

void TestEx18::overviewGrid() {
    QFETCH(int, k);
    QFETCH(int, count);
    QFETCH(int, columns);
    QFETCH(QRect, label);
    QFETCH(QPoint, mark);
    QFETCH(QString, background);
    QCOMPARE(frm_Game01::Ex18_OverviewColumns(count), columns);
    QCOMPARE(frm_Game01::Ex18_OverviewLabel(k, count), label);
    QCOMPARE(frm_Game01::Ex18_OverviewMark(k, count), mark);
    QCOMPARE(frm_Game01::Ex18_OverviewBackground(count), background);
}

void TestEx18::cutHeading_data() {
    // Every character is 10 pixels wide: a label of width w shows the text
    // while it is no wider than w - 25, then one more character and " ...".
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fits") << QStringLiteral("Které zvíře?") << 146 << QStringLiteral("Které zvíře?");
    QTest::newRow("exactly at the limit") << QStringLiteral("Žluťoučký k") << 135 << QStringLiteral("Žluťoučký k");
    QTest::newRow("last character past the limit") << QStringLiteral("Žluťoučký ků") << 135
                                                   << QStringLiteral("Žluťoučký ků");
    QTest::newRow("one past the limit") << QStringLiteral("Žluťoučký kůň") << 135
                                        << QStringLiteral("Žluťoučký ků ...");
    QTest::newRow("long heading, narrow label")
        << QStringLiteral("Která věc patří do kuchyně?") << 146 << QStringLiteral("Která věc pat ...");
    QTest::newRow("empty") << QString() << 146 << QString();
}

void TestEx18::cutHeading() {
    QFETCH(QString, heading);
    QFETCH(int, width);
    QFETCH(QString, shown);
    QCOMPARE(frm_Game01::Ex18_CutHeading(heading, width, [](const QString &s) { return 10 * int(s.size()); }), shown);
}

void TestEx18::pairOf_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("7 of 10") << 7 << 10 << 7 << 8;
    QTest::newRow("8 of 10") << 8 << 10 << 7 << 8;
    QTest::newRow("1 of 10") << 1 << 10 << 1 << 2;
    QTest::newRow("14 of 15") << 14 << 15 << 13 << 14;
    QTest::newRow("15 of 15") << 15 << 15 << 15 << 15;
    QTest::newRow("30 of 30") << 30 << 30 << 29 << 30;
}

void TestEx18::pairOf() {
    QFETCH(int, k);
    QFETCH(int, count);
    QFETCH(int, first);
    QFETCH(int, last);
    QCOMPARE(frm_Game01::Ex18_PairOf(k, count), std::make_pair(first, last));
}

// ---- Runs through the form ---------------------------------------------------

void TestEx18::fifteenListsToTheResults() {
    frm_Game01 &f = open(15);
    QVERIFY(!f.LoadAborted());
    QCOMPARE(f.Ex18Screen, View::Lists);
    QCOMPARE(f.ListPos, 2);
    QVERIFY(!f.PicTop(1)->isEnabled() && !f.PicTop(2)->isEnabled() && !f.PicTop(3)->isEnabled());
    QVERIFY(f.PicTop(4)->isEnabled());
    // Every list of the run is drawn at once, none twice.
    QSet<int> seen;
    for (int k = 1; k <= 30; ++k) seen.insert(DrawnItems[std::size_t(k)]);
    QCOMPARE(seen.size(), 30);
    QVERIFY(!seen.contains(0));
    // The entries are the record's four in a shuffled order, each row's Tag
    // naming its field.
    QSet<QString> tags;
    for (int row = 2; row <= 5; ++row) {
        tags.insert(f.TextPred(row)->Tag);
        const int p = f.TextPred(row)->Tag.toInt();
        QCOMPARE(f.TextPred(row)->Caption(),
                 QStringLiteral("     ") + ContentRecords[std::size_t(DrawnItems[1])].field[std::size_t(5 + p)]);
        verifyMarker(f, row, 0);
    }
    QCOMPARE(tags, (QSet<QString>{"1", "2", "3", "4"}));

    // A pick lights its entry; another pick in the same list moves the light.
    const int wrongRow = rowOf(f, 1, 1, false);
    const int rightRow = rowOf(f, 1, 1, true);
    // A click on the band right of the word picks the entry too.
    const QPoint onBand(330, (wrongRow <= 5 ? 150 : 195) + 27 * (wrongRow - 2) + 12);
    QWidget *hit = f.childAt(onBand);
    QCOMPARE(hit, static_cast<QWidget *>(f.TextPred(wrongRow)));
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&f, onBand));
    verifyMarker(f, wrongRow, 1);
    pick(f, rightRow);
    verifyMarker(f, rightRow, 1);
    verifyMarker(f, wrongRow, 0);
    QCOMPARE(f.Ex18Chosen[1], f.Ex18Correct[1]);
    QVERIFY(!f.picPokracuj->isVisible());
    // A click on a heading picks nothing.
    f.TextPred_MouseDown(6);
    QVERIFY(f.Ex18Chosen[2].isEmpty());
    QVERIFY(!f.picPokracuj->isVisible());

    // Lists 4 and 15 are picked wrong; the last page holds list 15 alone.
    workAllPages(f, {4, 15});

    // The overview: two columns of 15 labels, marks hidden, check enabled.
    QCOMPARE(rgb(f.picture()), rgb(loadPicture(QStringLiteral("Bitmap\\Games\\18_sum20.bmp"))));
    for (int k = 1; k <= 15; ++k) {
        QVERIFY(f.Vzor(k)->isVisible());
        QCOMPARE(f.Vzor(k)->geometry(), frm_Game01::Ex18_OverviewLabel(k, 15));
        QVERIFY(!f.IHodnoceni(k)->isVisible());
    }
    QVERIFY(!f.Vzor.exists(16));
    for (int row = 1; row <= 10; ++row) QVERIFY(!f.TextPred(row)->isVisible());
    QVERIFY(!f.picPokracuj->isVisible());
    QVERIFY(f.PicTop(1)->isEnabled() && !f.PicTop(2)->isEnabled() && f.PicTop(3)->isEnabled() && f.PicTop(4)->isEnabled());

    // List 4 opened from the overview: lists 3 and 4 with their picks lit,
    // entries in the order they were first shown.
    f.Vzor_Click(4);
    QCOMPARE(f.Ex18Screen, View::OverviewDetails);
    QCOMPARE(ItemsOnPage, 2);
    QCOMPARE(f.ListPos, 4);
    QVERIFY(!f.PicTop(1)->isEnabled() && !f.PicTop(3)->isEnabled());
    QVERIFY(!f.Vzor(4)->isVisible());
    QCOMPARE(f.TextPred(1)->Caption(), ContentRecords[std::size_t(DrawnItems[3])].field[0]);
    QCOMPARE(f.TextPred(6)->Caption(), ContentRecords[std::size_t(DrawnItems[4])].field[0]);
    for (int slot = 1; slot <= 2; ++slot)
        for (int r = 1; r <= 4; ++r)
            QCOMPARE(f.TextPred((slot == 1 ? 1 : 6) + r)->Caption(), m_shown[2 + slot].at(r - 1));
    const int oldPick = rowOf(f, 2, 4, false);
    for (int row = 7; row <= 10; ++row)
        verifyMarker(f, row, stripped(f.TextPred(row)->Caption()) == f.Ex18Chosen[4] ? 1 : 0);
    QCOMPARE(stripped(f.TextPred(oldPick)->Caption()), f.Ex18Chosen[4]);
    // The pick is changed to the right entry here; the check sees it.
    pick(f, rowOf(f, 2, 4, true));
    QCOMPARE(f.Ex18Chosen[4], f.Ex18Correct[4]);
    QVERIFY(f.picPokracuj->isVisible() && f.picPokracuj->isEnabled());
    f.picPokracuj_Click();
    QCOMPARE(f.Ex18Screen, View::Overview);
    QCOMPARE(rgb(f.picture()), rgb(loadPicture(QStringLiteral("Bitmap\\Games\\18_sum20.bmp"))));
    QVERIFY(f.Vzor(4)->isVisible() && !f.TextPred(1)->isVisible() && !f.picPokracuj->isVisible());
    QVERIFY(f.PicTop(1)->isEnabled());

    // List 15 opened: a page of one list.
    f.Vzor_Click(15);
    QCOMPARE(ItemsOnPage, 1);
    QCOMPARE(rgb(f.picture()), rgb(loadPicture(QStringLiteral("Bitmap\\Games\\18_bckg5.bmp"))));
    QVERIFY(f.TextPred(1)->isVisible() && !f.TextPred(6)->isVisible() && !f.TextPred(7)->isVisible());
    f.picPokracuj_Click();
    QCOMPARE(f.Ex18Screen, View::Overview);

    // The check of the whole run: list 15 wrong, the rest right.
    f.PicTop_MouseDown(1);
    QCOMPARE(f.Ex18Screen, View::Solution);
    QCOMPARE(CorrectCount, 14);
    QCOMPARE(WrongCount, 1);
    f.Ex18_CheckPage();  // a second check counts nothing
    QCOMPARE(CorrectCount + WrongCount, 15);
    const QImage ok = rgb(loadPicture(QStringLiteral("Bitmap\\Games\\Check_ok.bmp")));
    const QImage ko = rgb(loadPicture(QStringLiteral("Bitmap\\Games\\Check_ko.bmp")));
    for (int k = 1; k <= 15; ++k) {
        QVERIFY(f.IHodnoceni(k)->isVisible());
        QCOMPARE(f.IHodnoceni(k)->pos(), frm_Game01::Ex18_OverviewMark(k, 15));
        QCOMPARE(rgb(f.IHodnoceni(k)->picture()), k == 15 ? ko : ok);
        QCOMPARE(f.IHodnoceni(k)->isEnabled(), k == 15);
    }
    QVERIFY(f.picPokracuj->isVisible() && f.picPokracuj->isEnabled());
    QVERIFY(!f.PicTop(1)->isEnabled() && f.PicTop(4)->isEnabled());

    // A right list's mark opens nothing; the wrong one shows the right entry.
    f.Ex18_MarkMouseDown(4);
    QCOMPARE(f.Ex18Screen, View::Solution);
    f.Vzor_Click(15);
    QCOMPARE(f.Ex18Screen, View::Solution);
    f.Ex18_MarkMouseDown(15);
    QCOMPARE(f.Ex18Screen, View::SolutionDetails);
    QCOMPARE(ItemsOnPage, 1);
    QCOMPARE(rgb(f.picture()), rgb(loadPicture(QStringLiteral("Bitmap\\Games\\18_bckg5.bmp"))));
    const int right15 = rowOf(f, 1, 15, true);
    int wrong15 = 0;
    for (int row = 2; row <= 5; ++row) {
        const QString entry = stripped(f.TextPred(row)->Caption());
        if (entry == f.Ex18Chosen[15]) wrong15 = row;
        verifyMarker(f, row, row == right15 ? 1 : entry == f.Ex18Chosen[15] ? 2 : 0);
    }
    QVERIFY(wrong15 != 0 && wrong15 != right15);
    QVERIFY(f.IPomHodnoceni(1)->isVisible());
    QVERIFY(!f.IPomHodnoceni(2)->isVisible());
    QCOMPARE(rgb(f.IPomHodnoceni(1)->picture()), ko);
    // Picks cannot be changed here.
    f.TextPred_MouseDown(right15);
    QVERIFY(f.Ex18Chosen[15] != f.Ex18Correct[15]);
    verifyMarker(f, wrong15, 2);
    QVERIFY(f.picPokracuj->isVisible() && f.picPokracuj->isEnabled());

    // Back to the checked overview, then on to the results.
    f.picPokracuj_Click();
    QCOMPARE(f.Ex18Screen, View::Solution);
    QVERIFY(!f.TextPred(1)->isVisible() && !f.IPomHodnoceni(1)->isVisible());
    for (int k = 1; k <= 15; ++k) QVERIFY(f.Vzor(k)->isVisible() && f.IHodnoceni(k)->isVisible());
    QVERIFY(f.picPokracuj->isVisible() && f.picPokracuj->isEnabled());
    QCOMPARE(CorrectCount, 14);
    f.picPokracuj_Click();
    settle();
    QVERIFY(frm_Tabulka::loaded() && frm_Tabulka::get().isVisible());
    QCOMPARE(CurrentScreen, static_cast<ui::Form *>(&frm_Tabulka::get()));
    const QByteArray res = read(QStringLiteral("18.res"));
    QVERIFY2(res.startsWith(QByteArray("Ji\xF8\xED \x8A\x9D" "astn\xFD|14|1|")), res.constData());
}

void TestEx18::tenListsOpenAPairAndNeverPicked() {
    frm_Game01 &f = open(10);
    QVERIFY(!f.LoadAborted());
    workAllPages(f, {7});
    QCOMPARE(rgb(f.picture()), rgb(loadPicture(QStringLiteral("Bitmap\\Games\\18_sum10.bmp"))));
    // Opening list 7 shows lists 7 and 8, list 7's wrong pick lit.
    f.Vzor_Click(7);
    QCOMPARE(f.ListPos, 8);
    QCOMPARE(ItemsOnPage, 2);
    QCOMPARE(rgb(f.picture()), rgb(loadPicture(QStringLiteral("Bitmap\\Games\\18_bckg.bmp"))));
    QCOMPARE(f.TextPred(1)->Caption(), ContentRecords[std::size_t(DrawnItems[7])].field[0]);
    QCOMPARE(f.TextPred(6)->Caption(), ContentRecords[std::size_t(DrawnItems[8])].field[0]);
    verifyMarker(f, rowOf(f, 2, 8, true), 1);
    f.picPokracuj_Click();
    // A list whose pick is taken away counts as wrong, as one never picked.
    f.Ex18Chosen[3].clear();
    f.PicTop_MouseDown(1);
    QCOMPARE(CorrectCount, 8);
    QCOMPARE(WrongCount, 2);
    // The check leaves each list's pick in the answers log, once.
    const QStringList lines = platform::decode1250(read(QStringLiteral("Odpovedi.dat"))).split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 10);
    for (int k = 1; k <= 10; ++k) {
        const auto e = results::parseAnswerLine(lines[k - 1]);
        QVERIFY(e);
        QCOMPARE(e->exercise, 18);
        QCOMPARE(e->name, PupilName);
        QCOMPARE(e->item, exercise::itemKeyOf(18, ContentRecords[std::size_t(DrawnItems[std::size_t(k)])]));
        QCOMPARE(e->answer, f.Ex18Chosen[std::size_t(k)]);
        QCOMPARE(e->expected, f.Ex18Correct[std::size_t(k)]);
        QCOMPARE(e->right, k != 3 && k != 7);
    }
    QVERIFY(f.IHodnoceni(3)->isEnabled() && f.IHodnoceni(7)->isEnabled() && !f.IHodnoceni(8)->isEnabled());
    // The wrong list 3 opens with lists 3 and 4: list 4 right, list 3 without
    // a pick shows its right entry and the wrong mark.
    f.Ex18_MarkMouseDown(3);
    QCOMPARE(f.Ex18Screen, View::SolutionDetails);
    const QImage ok = rgb(loadPicture(QStringLiteral("Bitmap\\Games\\Check_ok.bmp")));
    const QImage ko = rgb(loadPicture(QStringLiteral("Bitmap\\Games\\Check_ko.bmp")));
    QCOMPARE(rgb(f.IPomHodnoceni(1)->picture()), ko);
    QCOMPARE(rgb(f.IPomHodnoceni(2)->picture()), ok);
    for (int row = 2; row <= 5; ++row) verifyMarker(f, row, row == rowOf(f, 1, 3, true) ? 1 : 0);
    for (int row = 7; row <= 10; ++row) verifyMarker(f, row, row == rowOf(f, 2, 4, true) ? 1 : 0);
    // Back leaves without a result.
    f.PicTop_MouseDown(4);
    settle();
    QVERIFY(!frm_Tabulka::loaded());
    QCOMPARE(read(QStringLiteral("18.res")), QByteArray());
}

void TestEx18::overviewColumns_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("background");
    QTest::newRow("10 lists") << 10 << 1 << QStringLiteral("Bitmap\\Games\\18_sum10.bmp");
    QTest::newRow("20 lists") << 20 << 2 << QStringLiteral("Bitmap\\Games\\18_sum20.bmp");
    QTest::newRow("30 lists") << 30 << 3 << QStringLiteral("Bitmap\\Games\\18_sum30.bmp");
}

void TestEx18::overviewColumns() {
    QFETCH(int, count);
    QFETCH(int, columns);
    QFETCH(QString, background);
    frm_Game01 &f = open(count);
    QVERIFY(!f.LoadAborted());
    f.Ex18_ShowOverview();
    QCOMPARE(rgb(f.picture()), rgb(loadPicture(background)));
    QSet<int> lefts;
    int cut = 0;
    for (int k = 1; k <= count; ++k) {
        ui::Label *label = f.Vzor(k);
        QVERIFY(label->isVisible());
        lefts.insert(label->x());
        // Each heading is shown whole or cut with " ..." where it would not
        // fit its label.
        const QString heading = ContentRecords[std::size_t(DrawnItems[std::size_t(k)])].field[0];
        const QString shown = label->Caption();
        const QFontMetrics metrics(label->font());
        // The label shows its whole caption.
        QVERIFY(label->width() >= metrics.horizontalAdvance(shown));
        const int limit = frm_Game01::Ex18_OverviewLabel(k, count).width() - 25;
        if (shown == heading) {
            QVERIFY(metrics.horizontalAdvance(heading.chopped(1)) <= limit);
        } else {
            ++cut;
            QVERIFY2(shown.endsWith(QStringLiteral(" ...")), qPrintable(shown));
            const QString kept = shown.chopped(4);
            QVERIFY(heading.startsWith(kept));
            QVERIFY(kept.size() < heading.size());
            QVERIFY(metrics.horizontalAdvance(kept) > limit);
            QVERIFY(metrics.horizontalAdvance(kept.chopped(1)) <= limit);
        }
    }
    QCOMPARE(int(lefts.size()), columns);
    // The three-column labels are too narrow for the course's headings.
    if (columns == 3) QVERIFY(cut > 0);
}

QTEST_MAIN(TestEx18)
#include "tst_ex18.moc"
