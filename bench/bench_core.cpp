// Timings of the steps a pupil waits for. Run with the built course present
// (build/course); QT_QPA_PLATFORM=offscreen works.
#include "state/Misc.h"
#include "state/Services.h"
#include "content/Records.h"
#include "exercise/PageDraw.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

class BenchCore : public QObject {
    Q_OBJECT
private slots:
    void loadContentFile_data();
    void loadContentFile();
    void hintWindowShape();
    void drawWholeRun();
};

void BenchCore::loadContentFile_data() {
    QTest::addColumn<int>("exercise");
    for (int n : {3, 14, 21}) QTest::newRow(qPrintable(QStringLiteral("%1.dat").arg(n))) << n;
}

void BenchCore::loadContentFile() {
    QFETCH(int, exercise);
    const QString path = QStringLiteral(TUTORIX_BUILD_DIR "/course/data/%1.dat").arg(exercise);
    const content::Layout layout = content::layoutOfExercise(exercise);
    QBENCHMARK { content::LoadContentFile(path, layout, exercise); }
    QVERIFY(Misc::RecordCount > 30);
}

void BenchCore::hintWindowShape() {
    // The largest hint bubble: 605 x 57 with key-coloured corners.
    QImage img(605, 57, QImage::Format_RGB32);
    img.fill(qRgb(0, 255, 0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::white);
    p.drawRoundedRect(2, 2, 600, 52, 20, 20);
    p.end();
    QRegion r;
    QBENCHMARK { r = Misc::regionWithoutKeyColour(img, qRgb(0, 255, 0)); }
    QVERIFY(!r.isEmpty());
}

void BenchCore::drawWholeRun() {
    // Three pages of ten from a file of 48 records (the tightest listening file).
    const auto random = exercise::clockSeededRandom();
    QBENCHMARK {
        std::array<int, 61> drawn{};
        for (int page = 0; page < 3; ++page) exercise::DrawPageItems(drawn, 48, 10, page == 0, random);
    }
}

QTEST_MAIN(BenchCore)
#include "bench_core.moc"
