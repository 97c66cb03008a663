// Listening rows (22, 23, 24) on the real form: the loudspeaker plays the
// row's own file, which hover and click sounds do not cut off, and hands its
// box the focus; pressed again it plays the slower recording, then the
// normal one; it stays silent after the check, and every box is as wide as
// its answer.
#include "state/Misc.h"
#include "state/Services.h"
#include "rules/Catalogue.h"
#include "exercise/frm_Game01.h"
#include "platform/sound.h"
#include "exercise_fixture.h"

#include <QAccessible>
#include <QFileInfo>
#include <QtTest>

using namespace Misc;

class TestListening : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void speakerPlaysRowAndFocusesBox_data();
    void speakerPlaysRowAndFocusesBox();
    void silentAfterCheck();
    void boxesFitAnswers();
    void gridCellsHoldEveryItem_data();
    void gridCellsHoldEveryItem();

private:
    static frm_Game01 &open(int exercise) {
        return exercisetest::openExercise(exercise, 10, exercisetest::Open::LoadOnly);
    }
    exercisetest::Course m_course;
};

void TestListening::initTestCase() { QVERIFY(m_course.start(false, true)); }

void TestListening::init() { exercisetest::resetRun(); }

void TestListening::cleanup() { m_course.closeForms(); }

void TestListening::speakerPlaysRowAndFocusesBox_data() {
    QTest::addColumn<int>("exercise");
    QTest::newRow("22") << 22;
    QTest::newRow("23") << 23;
    QTest::newRow("24") << 24;
}

void TestListening::speakerPlaysRowAndFocusesBox() {
    QFETCH(int, exercise);
    frm_Game01 &f = open(exercise);
    QVERIFY(!f.LoadAborted());
    auto &log = platform::Sounds::log();
    const int start = int(log.size());
    const QString expected = QFileInfo(m_course.copy->mediaDir() + QStringLiteral("/Sound/%1/").arg(exercise) +
                                       f.Klakson(4)->Tag)
                                 .canonicalFilePath();
    QVERIFY2(!expected.isEmpty(), "the row's sound file exists in the course");
    // Pressed again right after, the sentence plays slower (pitch kept, made
    // by the build); the next press is at normal speed again. The
    // loudspeaker's screen reader name tells what the next press plays.
    const QString slow = QFileInfo(m_course.copy->mediaDir() + QStringLiteral("/Sound/%1/slow/").arg(exercise) +
                                   f.Klakson(4)->Tag)
                             .canonicalFilePath();
    QVERIFY2(!slow.isEmpty(), "the row's slower recording exists in the course");
    auto name = [&] { return QAccessible::queryAccessibleInterface(f.Klakson(4))->text(QAccessible::Name); };
    QVERIFY(name().contains(QStringLiteral("pomaleji")));  // tells that a second press plays it slower
    for (const QString &heard : {expected, slow, expected}) {
        QCOMPARE(name().endsWith(QStringLiteral("pomalu")), heard == slow);
        f.Klakson_MouseDown(4);
        QCOMPARE(QFileInfo(log.last()).canonicalFilePath(), heard);
        QCOMPARE(f.focusWidget(), static_cast<QWidget *>(f.TVstup(4)));
    }
    QCOMPARE(int(log.size()), start + 3);
    // Another row's loudspeaker starts at normal speed.
    f.Klakson_MouseDown(3);
    QVERIFY(!log.last().contains(QStringLiteral("slow")));
    f.Klakson_MouseDown(4);
    QCOMPARE(QFileInfo(log.last()).canonicalFilePath(), expected);
    // Hover and click sounds on the way to the box leave the sentence playing.
    f.Klakson_MouseMove(5);
    f.PicTop_MouseMove(3);
    f.IHodnoceni_MouseMove(2);
    PlayClickSound();
    QVERIFY(log.size() > start + 5);
    QCOMPARE(QFileInfo(platform::Sounds::recording()).canonicalFilePath(), expected);
    f.Klakson_MouseDown(7);
    QVERIFY(platform::Sounds::recording().endsWith(f.Klakson(7)->Tag));
    QVERIFY(log.last().endsWith(f.Klakson(7)->Tag));
    QCOMPARE(f.focusWidget(), static_cast<QWidget *>(f.TVstup(7)));
}

void TestListening::silentAfterCheck() {
    frm_Game01 &f = open(22);
    f.PicTop(1)->QWidget::setEnabled(false);  // the page is checked
    const int start = int(platform::Sounds::log().size());
    f.Klakson_MouseDown(2);
    QCOMPARE(int(platform::Sounds::log().size()), start);
    QCOMPARE(f.focusWidget(), static_cast<QWidget *>(f.Text1));
}

void TestListening::boxesFitAnswers() {
    frm_Game01 &f = open(24);
    ui::Label measure(&f);
    measure.setFont(f.TextPred(1)->font());
    for (int r = 1; r <= 10; ++r) {
        measure.setAutoSize(true);
        measure.setCaption(f.TVstup(r)->Tag);
        QCOMPARE(f.TVstup(r)->width(), measure.width() + 6);
        QCOMPARE(f.TVstup(r)->x(), f.TextPred(r)->x() + f.TextPred(r)->width());
        QVERIFY(!f.TVstup(r)->Locked());
    }
}

void TestListening::gridCellsHoldEveryItem_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("extra");  // one more item, or ""
    QTest::newRow("22") << 22 << QString();
    QTest::newRow("23") << 23 << QString();
    QTest::newRow("two lines: the text after the gap moves down")
        << 22 << QStringLiteral("Mum _ a big car.#drives#x.wav");
    QTest::newRow("two lines: the box moves down") << 23 << QStringLiteral("Put it on the _, please.#table#x.wav");
}

void TestListening::gridCellsHoldEveryItem() {
    // Every item of the file, ten at a time: each part of the sentence lies
    // inside its card, apart from the others and clear of the mark.
    QFETCH(int, exercise);
    QFETCH(QString, extra);
    frm_Game01 &f = open(exercise);
    QVERIFY(!f.LoadAborted());
    std::vector<ContentRecord> all(ContentRecords.begin() + 1, ContentRecords.begin() + 1 + RecordCount);
    if (!extra.isEmpty()) {
        const QStringList parts = extra.split(QLatin1Char('#'));
        ContentRecord rec;
        rec.field[0] = parts[0].section(QLatin1Char('_'), 0, 0);
        rec.field[2] = parts[0].section(QLatin1Char('_'), 1);
        rec.field[1] = parts[1];
        rec.field[6] = parts[2];
        all.assign(10, rec);
    }
    for (std::size_t start = 0; start < all.size(); start += 10) {
        for (int i = 1; i <= 10; ++i) ContentRecords[std::size_t(i)] = all[(start + std::size_t(i) - 1) % all.size()];
        RecordCount = 10;
        ItemsRemaining = QuestionCount;  // a first page draws the ten
        f.FillPage();
        for (int r = 1; r <= 10; ++r) {
            const QPoint cell = exercise::listeningGridOffset(r);
            const QRect card(22 + cell.x(), 124 + cell.y(), 170, 42);
            const QRect parts[3] = {f.TextPred(r)->geometry(), f.TVstup(r)->geometry(), f.TextZa(r)->geometry()};
            const QString sentence = f.TextPred(r)->Caption() + f.TVstup(r)->Tag + f.TextZa(r)->Caption();
            for (int a = 0; a < 3; ++a) {
                if (parts[a].width() == 0) continue;
                QVERIFY2(card.contains(parts[a]), qPrintable(sentence));
                QVERIFY2(!parts[a].intersects(f.IHodnoceni(r)->geometry()), qPrintable(sentence));
                for (int b = a + 1; b < 3; ++b)
                    QVERIFY2(parts[b].width() == 0 || !parts[a].intersects(parts[b]), qPrintable(sentence));
            }
        }
    }
}

QTEST_MAIN(TestListening)
#include "tst_listening.moc"
