// The form-and-control toolkit and the shared drawing and wait services.
#include "state/Services.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/fonts.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include <sys/resource.h>

namespace {
class TestForm : public ui::SingleForm<TestForm> {
public:
    int loads = 0, unloads = 0, activations = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
    void Form_Activate() override { ++activations; }
};

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

QImage filled(int w, int h, QRgb c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}
}  // namespace

class TestToolkit : public QObject {
    Q_OBJECT
private slots:
    void transparentBlit_data();
    void transparentBlit();
    void windowShapeCutsKeyColour();
    void controlArrayCreatesHiddenCopies();
    void labelAutoSizeAndFont();
    void formLifecycle();
    void waitsDoNotSpin();
    void waitBusyHoldsInput();
};

void TestToolkit::transparentBlit_data() {
    QTest::addColumn<QImage>("src");
    QTest::addColumn<QRgb>("expectedCentre");
    QTest::addColumn<QRgb>("expectedCorner");
    const QRgb magenta = qRgb(255, 0, 255);
    QImage mixed = filled(4, 4, qRgb(10, 20, 30));
    mixed.setPixel(0, 0, magenta);
    QTest::newRow("no key colour: copied") << filled(4, 4, qRgb(10, 20, 30)) << qRgb(10, 20, 30) << qRgb(10, 20, 30);
    QTest::newRow("all key colour: untouched") << filled(4, 4, magenta) << qRgb(1, 2, 3) << qRgb(1, 2, 3);
    QTest::newRow("key pixel left out") << mixed << qRgb(10, 20, 30) << qRgb(1, 2, 3);
}

void TestToolkit::transparentBlit() {
    QFETCH(QImage, src);
    QFETCH(QRgb, expectedCentre);
    QFETCH(QRgb, expectedCorner);
    QImage dst = filled(10, 10, qRgb(1, 2, 3));
    const QImage before = src.copy();
    Misc::TransparentBlit(dst, 3, 3, 4, 4, src, 0, 0, qRgb(255, 0, 255));
    QCOMPARE(dst.pixel(4, 4), expectedCentre);
    QCOMPARE(dst.pixel(3, 3), expectedCorner);
    QCOMPARE(dst.pixel(8, 8), qRgb(1, 2, 3));  // outside the rectangle
    QCOMPARE(src, before);                     // the source is unchanged
    // Clipped at the destination's edge without harm.
    Misc::TransparentBlit(dst, 8, 8, 4, 4, src, 0, 0, qRgb(255, 0, 255));
}

void TestToolkit::windowShapeCutsKeyColour() {
    const QRgb key = qRgb(0, 255, 0);
    QImage img = filled(20, 10, qRgb(200, 200, 255));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3 - y; ++x) {
            img.setPixel(x, y, key);            // upper left corner
            img.setPixel(19 - x, 9 - y, key);  // lower right corner
        }
    const QRegion r = Misc::regionWithoutKeyColour(img, key);
    QVERIFY(!r.contains(QPoint(0, 0)));
    QVERIFY(!r.contains(QPoint(2, 0)));
    QVERIFY(r.contains(QPoint(3, 0)));
    QVERIFY(r.contains(QPoint(0, 3)));
    QVERIFY(!r.contains(QPoint(19, 9)));
    QVERIFY(r.contains(QPoint(10, 5)));
    // The same outline as one pixel at a time.
    int cut = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool keyPixel = img.pixel(x, y) == key;
            cut += keyPixel;
            QCOMPARE(r.contains(QPoint(x, y)), !keyPixel);
        }
    QCOMPARE(cut, 12);

    // On a form: clicks on the cut corner pass through (the mask excludes it).
    TestForm &f = TestForm::get();
    f.Load();
    Misc::PrepareScreenWindow(&f, 20, 10);
    f.setPicture(QPixmap::fromImage(img));
    Misc::ApplyWindowShape(&f, key);
    QVERIFY(!f.mask().contains(QPoint(0, 0)));
    QVERIFY(f.mask().contains(QPoint(10, 5)));
    QCOMPARE(f.windowTitle(), QStringLiteral("Tutorix Lingvana 1"));
    QCOMPARE(f.size(), QSize(20, 10));
    TestForm::Unload();
}

void TestToolkit::controlArrayCreatesHiddenCopies() {
    QWidget parent;
    auto *first = new ui::Label(&parent);
    first->setGeometry(88, 95, 73, 20);
    first->setBackStyle(ui::BackStyle::Transparent);
    first->setForeColor(Qt::white);
    first->setAlignment(Qt::AlignHCenter);
    int clicked = 0;
    first->events.MouseDown = [&](int idx, Qt::MouseButton, int, int) { clicked = idx; };
    ui::ControlArray<ui::Label> arr;
    arr.setElement(1, first);
    ui::Label *third = arr.Load(3);
    QVERIFY(third);
    QCOMPARE(third->Index, 3);
    QCOMPARE(third->geometry(), first->geometry());
    QCOMPARE(third->backStyle(), ui::BackStyle::Transparent);
    QCOMPARE(third->ForeColor(), QColor(Qt::white));
    QCOMPARE(third->alignment(), Qt::Alignment(Qt::AlignHCenter));
    QVERIFY(!third->isVisibleTo(&parent));
    QCOMPARE(arr.Load(3), third);  // loading again returns the same element
    third->events.MouseDown(third->Index, Qt::LeftButton, 0, 0);
    QCOMPARE(clicked, 3);
    QCOMPARE(arr.UBound(), 3);
    QCOMPARE(arr.count(), 2);
    arr.Unload(1);  // the lowest element is never removed
    QVERIFY(arr.exists(1));
    arr.UnloadCreated();
    QCOMPARE(arr.count(), 1);
    QVERIFY(!arr.exists(3));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(parent.findChildren<ui::Label *>().size(), 1);
}

void TestToolkit::labelAutoSizeAndFont() {
    ui::Label label;
    QCOMPARE(label.font().pixelSize(), 16);  // 12 points at 96 dpi
    label.setAutoSize(true);
    label.setCaption(QStringLiteral("Příliš žluťoučký kůň"));
    const QFontMetrics fm(label.font());
    QCOMPARE(label.width(), fm.horizontalAdvance(label.Caption()));
    QCOMPARE(label.height(), fm.height());
    const int wide = label.width();
    label.setCaption(QStringLiteral("a"));
    QVERIFY(label.width() < wide);
    label.setFontPoints(8.25);
    QCOMPARE(label.font().pixelSize(), 11);
    QVERIFY(!ui::screenFontFamily().isEmpty());
}

void TestToolkit::formLifecycle() {
    TestForm &f = TestForm::get();
    QCOMPARE(f.loads, 0);  // created, not loaded
    f.Show();
    QCOMPARE(f.loads, 1);
    QVERIFY(f.activations >= 1);
    f.Load();
    QCOMPARE(f.loads, 1);  // loads once
    TestForm *old = &f;
    QPointer<TestForm> guard(old);
    TestForm::Unload();
    QCOMPARE(old->unloads, 1);
    QVERIFY(!TestForm::existing());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    QCOMPARE(TestForm::get().loads, 0);  // a new screen after an unload
    TestForm::Unload();
}

void TestToolkit::waitsDoNotSpin() {
    const double cpu0 = cpuSeconds();
    QElapsedTimer t;
    t.start();
    Misc::WaitWithEvents(300);
    Misc::WaitBusy(300);
    const qint64 wall = t.elapsed();
    const double cpu = cpuSeconds() - cpu0;
    QVERIFY(wall >= 590);
    QVERIFY2(cpu < 0.15, qPrintable(QString::number(cpu)));
    // WaitWithEvents runs other handlers during the wait.
    bool ran = false;
    QTimer::singleShot(50, [&] { ran = true; });
    Misc::WaitWithEvents(150);
    QVERIFY(ran);
}

void TestToolkit::waitBusyHoldsInput() {
    ui::PictureBox box;
    box.resize(50, 50);
    box.show();
    int clicks = 0;
    box.events.MouseDown = [&](int, Qt::MouseButton, int, int) { ++clicks; };
    QTimer::singleShot(20, [&] {
        auto *press = new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                      Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::postEvent(&box, press);
    });
    Misc::WaitBusy(200);
    // Posted input reaches the box only after the busy wait.
    QCoreApplication::processEvents();
    QCOMPARE(clicks, 1);
}

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
