// The hint window: bubbles per exercise, the window's outline, the font
// steps and line tops, and that a shrunk line never grows again.
#include "exercise/frm_Chybovy.h"
#include "exercise_fixture.h"
#include "state/Misc.h"
#include "testsupport.h"

#include <QDir>
#include <QtTest>

namespace {

// A text of repeated syllables that needs more than `over` pixels at
// `points` but at most `upTo` at `fitsAt` (the font steps of one line).
QString textNeeding(double points, int over, double fitsAt, int upTo) {
    QString t = QStringLiteral("Žluťoučký");
    while (hint::hintNeededWidth(t, points) <= over) t += QStringLiteral(" kůň");
    if (fitsAt > 0 && hint::hintNeededWidth(t, fitsAt) > upTo) return QString();
    return t;
}

}  // namespace

class TestHintWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void layouts_data();
    void layouts();
    void fontSteps_data();
    void fontSteps();
    void formShapedByKeyColour();
    void lineTopsFollowFontSteps_data();
    void lineTopsFollowFontSteps();
    void shrunkLineNeverGrowsUntilReload();
    void secondLineClearedWhenEmpty();

private:
    frm_Chybovy &loadFor(const QString &exercise) {
        Misc::ExerciseNumber = exercise;
        frm_Chybovy::get().Load();
        return frm_Chybovy::get();
    }
    exercisetest::Course m_course;
};

void TestHintWindow::initTestCase() { QVERIFY(m_course.start()); }

void TestHintWindow::cleanup() { m_course.closeForms(); }

void TestHintWindow::layouts_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("bitmap");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("lineWidth");
    QTest::newRow("6") << 6 << "Hint_3.bmp" << QSize(531, 37) << 1 << 490;
    QTest::newRow("24") << 24 << "Hint_3.bmp" << QSize(531, 37) << 1 << 490;
    QTest::newRow("3") << 3 << "Hint_2.bmp" << QSize(212, 37) << 1 << 190;
    QTest::newRow("23") << 23 << "Hint_2.bmp" << QSize(212, 37) << 1 << 190;
    QTest::newRow("14") << 14 << "Hint_4.bmp" << QSize(605, 57) << 2 << 550;
    QTest::newRow("18") << 18 << "Hint_5.bmp" << QSize(531, 57) << 2 << 480;
    QTest::newRow("21") << 21 << "Hint_6.bmp" << QSize(250, 37) << 1 << 225;
}

void TestHintWindow::layouts() {
    QFETCH(int, exercise);
    QFETCH(QString, bitmap);
    QFETCH(QSize, size);
    QFETCH(int, lines);
    QFETCH(int, lineWidth);
    const hint::Layout l = hint::layoutFor(exercise);
    QCOMPARE(l.bitmap, QStringLiteral("Bitmap\\Games\\") + bitmap);
    QCOMPARE(QSize(l.width, l.height), size);
    QCOMPARE(l.lines, lines);
    QCOMPARE(l.lineWidth, lineWidth);

    // The loaded window takes the layout.
    frm_Chybovy &f = loadFor(QString::number(exercise));
    QCOMPARE(f.size(), size);
    QCOMPARE(f.Label1(1)->widget()->geometry(), QRect(11, 12, lineWidth, 20));
    QCOMPARE(f.Label1.exists(2), lines == 2);
    if (lines == 2) {
        QCOMPARE(f.Label1(2)->widget()->geometry(), QRect(11, 32, lineWidth, 20));
        QVERIFY(f.Label1(2)->Visible());
    }
}

void TestHintWindow::fontSteps_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<double>("smaller");
    QTest::addColumn<int>("top1");
    QTest::addColumn<int>("top2");
    QTest::newRow("12") << 12.0 << 9.75 << 12 << 32;
    QTest::newRow("9.75") << 9.75 << 8.25 << 14 << 34;
    QTest::newRow("8.25 is the smallest") << 8.25 << 8.25 << 15 << 35;
    QTest::newRow("13.5") << 13.5 << 12.0 << 12 << 32;
}

void TestHintWindow::fontSteps() {
    QFETCH(double, points);
    QFETCH(double, smaller);
    QCOMPARE(hint::smallerFontSize(points), smaller);
    QTEST(hint::lineTop(points, 12), "top1");
    QTEST(hint::lineTop(points, 32), "top2");
}

void TestHintWindow::formShapedByKeyColour() {
    frm_Chybovy &f = loadFor(QStringLiteral("3"));
    const QImage bubble = f.HintBackground.toImage();
    const QRgb key = bubble.pixel(1, 1) & 0xFFFFFF;
    const QRegion shape = f.mask();
    QVERIFY(!shape.isEmpty());
    int cut = 0, kept = 0;
    for (int y = 0; y < bubble.height(); ++y)
        for (int x = 0; x < bubble.width(); ++x) {
            const bool isKey = (bubble.pixel(x, y) & 0xFFFFFF) == key;
            QCOMPARE(shape.contains(QPoint(x, y)), !isKey);
            (isKey ? cut : kept)++;
        }
    QVERIFY(cut > 0);
    QVERIFY(kept > 0);
    // Drawing the bubble again keeps the outline and wipes what was drawn.
    f.image().fill(Qt::red);
    f.Vykresli_hint_na_pozadi();
    QCOMPARE(f.mask(), shape);
    QCOMPARE(f.image().pixel(bubble.width() / 2, bubble.height() / 2), bubble.pixel(bubble.width() / 2, bubble.height() / 2));

    f.Label1(1)->setAlignment(Qt::AlignHCenter);
    f.Vloz_Text(QStringLiteral("pes - dog"), QString());
    f.Show();
    QDir().mkpath(QStringLiteral(TUTORIX_BUILD_DIR "/shots"));
    f.grab().save(QStringLiteral(TUTORIX_BUILD_DIR "/shots/hint_3.png"));
    f.Hide();
}

void TestHintWindow::lineTopsFollowFontSteps_data() {
    QTest::addColumn<QString>("exercise");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("base");
    QTest::newRow("exercise 3, line 1") << "3" << 1 << 190 << 12;
    QTest::newRow("exercise 14, line 1") << "14" << 1 << 550 << 12;
    QTest::newRow("exercise 14, line 2") << "14" << 2 << 550 << 32;
}

void TestHintWindow::lineTopsFollowFontSteps() {
    QFETCH(QString, exercise);
    QFETCH(int, line);
    QFETCH(int, width);
    QFETCH(int, base);
    const QString fits = QStringLiteral("Čau");
    const QString mid = textNeeding(12, width, 9.75, width);
    const QString small = textNeeding(9.75, width, 8.25, width);
    QVERIFY(!mid.isEmpty() && !small.isEmpty());
    struct Step {
        QString text;
        double points;
        int top;
    };
    const Step steps[] = {{fits, 12.0, base}, {mid, 9.75, base + 2}, {small, 8.25, base + 3}};
    for (const Step &s : steps) {
        frm_Chybovy &f = loadFor(exercise);  // every step on a freshly loaded window
        if (line == 1) f.Vloz_Text(s.text, QString());
        else f.Vloz_Text(fits, s.text);
        ui::Label *l = f.Label1(line);
        QCOMPARE(l->Caption(), s.text);
        QCOMPARE(l->fontPoints(), s.points);
        QCOMPARE(l->Top(), s.top);
        QCOMPARE(l->Left(), 11);
        cleanup();
    }
}

void TestHintWindow::shrunkLineNeverGrowsUntilReload() {
    frm_Chybovy &f = loadFor(QStringLiteral("14"));
    const QString huge = QString(400, QLatin1Char('W'));
    f.Vloz_Text(huge, huge);  // fits at no size: stops at the smallest
    QCOMPARE(f.Label1(1)->fontPoints(), 8.25);
    QCOMPARE(f.Label1(2)->fontPoints(), 8.25);
    f.Vloz_Text(QStringLiteral("Ano"), QStringLiteral("Yes"));
    QCOMPARE(f.Label1(1)->fontPoints(), 8.25);
    QCOMPARE(f.Label1(1)->Top(), 15);
    QCOMPARE(f.Label1(2)->fontPoints(), 8.25);
    QCOMPARE(f.Label1(2)->Top(), 35);
    QCOMPARE(f.Label1(1)->Caption(), QStringLiteral("Ano"));
    cleanup();
    frm_Chybovy &g = loadFor(QStringLiteral("14"));
    g.Vloz_Text(QStringLiteral("Ano"), QStringLiteral("Yes"));
    QCOMPARE(g.Label1(1)->fontPoints(), 12.0);
    QCOMPARE(g.Label1(2)->Top(), 32);
}

void TestHintWindow::secondLineClearedWhenEmpty() {
    frm_Chybovy &f = loadFor(QStringLiteral("14"));
    f.Vloz_Text(QStringLiteral("Kde bydlíš?"), QStringLiteral("Where do you live?"));
    QCOMPARE(f.Label1(2)->Caption(), QStringLiteral("Where do you live?"));
    f.Show();
    f.grab().save(QStringLiteral(TUTORIX_BUILD_DIR "/shots/hint_14.png"));
    f.Hide();
    f.Vloz_Text(QStringLiteral("Kde?"), QString());
    QCOMPARE(f.Label1(2)->Caption(), QString());
    // A one-line bubble ignores a second text instead of failing.
    cleanup();
    frm_Chybovy &g = loadFor(QStringLiteral("3"));
    g.Vloz_Text(QStringLiteral("dog"), QStringLiteral("pes"));
    QCOMPARE(g.Label1(1)->Caption(), QStringLiteral("dog"));
    QVERIFY(!g.Label1.exists(2));
}

QTEST_MAIN(TestHintWindow)
#include "tst_hint_window.moc"
