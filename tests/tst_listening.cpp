// Listening rows (22, 23, 24) on the real form: the loudspeaker plays the
// row's own file and hands its box the focus, stays silent after the check,
// and every box is as wide as its answer.
#include "app/Misc.h"
#include "exercise/frm_Game01.h"
#include "platform/sound.h"
#include "screens/frm_Setup.h"
#include "testsupport.h"

#include <QFileInfo>
#include <QtTest>

#include <memory>

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

private:
    frm_Game01 &open(int exercise);
    std::unique_ptr<testsupport::CourseCopy> m_course;
};

void TestListening::initTestCase() {
    m_course = std::make_unique<testsupport::CourseCopy>();
    QVERIFY(m_course->isValid());
    m_course->activate();
    QVERIFY(testsupport::loadConfiguration());
    testsupport::muteSounds();
}

void TestListening::init() {
    PrintMode = false;
    HoverCode = 0;
}

void TestListening::cleanup() {
    frm_Game01::Unload();
    frm_Setup::Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

frm_Game01 &TestListening::open(int exercise) {
    ExerciseNumber = QString::number(exercise);
    QuestionCount = 10;
    frm_Game01 &f = frm_Game01::get();
    f.Load();
    return f;
}

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
    const QString expected = QFileInfo(m_course->mediaDir() + QStringLiteral("/Sound/%1/").arg(exercise) +
                                       f.Klakson(4)->Tag)
                                 .canonicalFilePath();
    QVERIFY2(!expected.isEmpty(), "the row's sound file exists in the course");
    // Twice quickly: the sound starts again and the focus stays in box 4.
    f.Klakson_MouseDown(4);
    f.Klakson_MouseDown(4);
    QCOMPARE(int(log.size()), start + 2);
    for (int i : {start, start + 1}) QCOMPARE(QFileInfo(log[i]).canonicalFilePath(), expected);
    QCOMPARE(f.focusWidget(), static_cast<QWidget *>(f.TVstup(4)));
    f.Klakson_MouseDown(7);
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

QTEST_MAIN(TestListening)
#include "tst_listening.moc"
