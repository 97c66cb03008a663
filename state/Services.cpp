#include "state/Services.h"

#include "state/Misc.h"
#include "platform/display.h"
#include "platform/keyboard.h"
#include "platform/logging.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/sound.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Scene.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QEventLoop>
#include <QKeySequence>
#include <QShortcut>
#include <QTimer>

#include <cstdlib>

namespace Misc {

void PrepareScreenWindow(ui::Form *form, int width, int height) {
    form->setWindowTitle(QStringLiteral("Tutorix Lingvana 1"));
    ui::setProgramIcon(form);
    form->setFixedSize(width, height);
    if (QSize(width, height) == ui::kSceneSize && !form->isSceneScreen()) {
        form->setSceneScreen(true);
        // Alt+F4 asks the exit question also where no window manager closes
        // the window (a window manager that binds the key sends a close).
        auto *altF4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), form);
        QObject::connect(altF4, &QShortcut::activated, form, [form] { form->close(); });
    }
}

void ScaleScreenControls(QWidget *form) {
    const QFont font = ui::screenFont(12.0);
    const auto children = form->findChildren<QWidget *>();
    for (QWidget *w : children) {
        if (auto *label = qobject_cast<ui::Label *>(w)) label->setFontPoints(12.0);
        else w->setFont(font);
        if (w->focusPolicy() & Qt::TabFocus) w->setFocusPolicy(Qt::ClickFocus);
    }
}

void PlayHoverSound() { platform::Sounds::play(mediaPath(QStringLiteral("Sound\\enter.wav"))); }

void PlayClickSound() { platform::Sounds::play(mediaPath(QStringLiteral("Sound\\click.wav"))); }

void WaitWithEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void WaitBusy(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

qint64 tickCount() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

void TransparentBlit(QImage &dst, int dx, int dy, int w, int h, const QImage &src, int sx, int sy, QRgb key) {
    const QRgb keyRgb = key & 0xFFFFFF;
    for (int y = 0; y < h; ++y) {
        const int ty = dy + y, fy = sy + y;
        if (ty < 0 || ty >= dst.height() || fy < 0 || fy >= src.height()) continue;
        for (int x = 0; x < w; ++x) {
            const int tx = dx + x, fx = sx + x;
            if (tx < 0 || tx >= dst.width() || fx < 0 || fx >= src.width()) continue;
            const QRgb p = src.pixel(fx, fy);
            if ((p & 0xFFFFFF) != keyRgb) dst.setPixel(tx, ty, p);
        }
    }
}

void TransparentBlit(ui::PictureBox *dst, int dx, int dy, int w, int h, const QImage &src, int sx, int sy, QRgb key) {
    TransparentBlit(dst->image(), dx, dy, w, h, src, sx, sy, key);
    dst->repaint();
}

void BlitToForm(ui::Form *form, int x, int y, int w, int h, const QImage &src) {
    QImage &img = form->image();
    for (int yy = 0; yy < h && yy < src.height(); ++yy)
        for (int xx = 0; xx < w && xx < src.width(); ++xx) {
            const int tx = x + xx, ty = y + yy;
            if (tx >= 0 && ty >= 0 && tx < img.width() && ty < img.height()) img.setPixel(tx, ty, src.pixel(xx, yy));
        }
    form->update(QRect(x, y, w, h));
}

QRegion regionWithoutKeyColour(const QImage &image, QRgb key) {
    const QRgb keyRgb = key & 0xFFFFFF;
    QList<QRect> rects;
    for (int y = 0; y < image.height(); ++y) {
        int runStart = -1;
        for (int x = 0; x <= image.width(); ++x) {
            const bool keep = x < image.width() && (image.pixel(x, y) & 0xFFFFFF) != keyRgb;
            if (keep && runStart < 0) runStart = x;
            if (!keep && runStart >= 0) {
                rects.append(QRect(runStart, y, x - runStart, 1));
                runStart = -1;
            }
        }
    }
    QRegion region;
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}

void ApplyWindowShape(ui::Form *form, QRgb key) {
    const QImage visible = form->image().copy(0, 0, form->width(), form->height());
    form->setMask(regionWithoutKeyColour(visible, key));
}

QPixmap loadPicture(const QString &relative) {
    const QString native = platform::nativePath(mediaPath(relative));
    // The course's pictures are BMP files: read as such, Qt need not load
    // every image format plug-in to guess (milliseconds at start-up). A file
    // that is not a BMP after all is still read by its contents.
    QImageReader reader(native, "bmp");
    reader.setAutoDetectImageFormat(false);
    QPixmap pm = QPixmap::fromImage(reader.read());
    if (pm.isNull()) pm = QPixmap(native);
    if (pm.isNull()) fatalError(QStringLiteral("Nelze načíst obrázek %1.").arg(native));
    return pm;
}

void SaveKeyboardLayout() {
    InitialKeyboardLayout.clear();
    CurrentKeyboardLayout.clear();
    InitialKeyboardLayout = platform::KeyboardLayouts::system().activeName();
}

void RestoreKeyboardLayout() {
    auto &layouts = platform::KeyboardLayouts::system();
    const int bound = layouts.count();
    int steps = 0;
    do {
        layouts.activatePrevious();
        CurrentKeyboardLayout = layouts.activeName();
        ++steps;
    } while (CurrentKeyboardLayout != InitialKeyboardLayout && steps < bound);
}

void restoreKeyboardLayoutIfChanged() {
    if (InitialKeyboardLayout.isEmpty()) return;  // start-up has not saved it yet
    if (platform::KeyboardLayouts::system().activeName() != InitialKeyboardLayout) RestoreKeyboardLayout();
}

void SwitchToUsLayout() {
    static const QString us = QStringLiteral("00000409");
    auto &layouts = platform::KeyboardLayouts::system();
    if (layouts.activeName() == us) {  // already active: no stepping through the list
        CurrentKeyboardLayout = us;
        UsLayoutActive = true;
        return;
    }
    // At most one full cycle (the list is short; 100 tries were the old bound).
    const int bound = qMin(100, layouts.count());
    for (int i = 0; i < bound; ++i) {
        layouts.activatePrevious();
        CurrentKeyboardLayout = layouts.activeName();
        if (CurrentKeyboardLayout.contains(us)) break;
    }
    UsLayoutActive = CurrentKeyboardLayout.contains(QStringLiteral("409"));
    if (!CurrentKeyboardLayout.contains(us)) {
        if (layouts.loadAndActivate(us)) CurrentKeyboardLayout = layouts.activeName();
        UsLayoutActive = CurrentKeyboardLayout.contains(QStringLiteral("409"));
    }
}

namespace {
std::function<void(int)> g_endHook;
bool g_ending = false;
int g_exitCode = 0;
}  // namespace

void setEndProgramHook(std::function<void(int)> hook) { g_endHook = std::move(hook); }

bool programEnding(int *exitCode) {
    if (exitCode) *exitCode = g_exitCode;
    return g_ending;
}

void endProgram(int exitCode) {
    if (g_endHook) {
        g_endHook(exitCode);
        return;
    }
    platform::Sounds::stop();
    g_ending = true;
    g_exitCode = exitCode;
    QCoreApplication::exit(exitCode);  // main does not enter the loop when it ends during start-up
}

void fatalError(const QString &text) {
    qCCritical(lcState) << text;
    platform::msgBox(text, QStringLiteral("Chyba"), platform::MsgIcon::Critical, platform::MsgButtons::Ok);
    restoreKeyboardLayoutIfChanged();
    platform::DisplayMode saved{SavedDisplayMode.width, SavedDisplayMode.height, SavedDisplayMode.bitsPerPixel,
                                SavedDisplayMode.refreshRate};
    if (saved.width > 0) platform::DisplayModes::restore(saved);
    if (g_endHook) {
        g_endHook(1);
        return;
    }
    std::exit(1);  // the caller cannot go on without what it failed to load
}

}  // namespace Misc
