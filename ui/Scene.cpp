#include "ui/Scene.h"

#include "platform/logging.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#ifdef TUTORIX_HAVE_X11
#include <xcb/xcb.h>
#endif

namespace ui {

namespace {
int g_scale = 1;
bool g_switched = false;
// Qt's global factor as last set (QT_SCALE_FACTOR until the first change).
qreal g_globalFactor = 0;

qreal globalFactor() {
    if (g_globalFactor <= 0) {
        bool ok = false;
        const qreal env = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
        g_globalFactor = ok && env > 0 ? env : 1.0;
    }
    return g_globalFactor;
}
}  // namespace

#ifdef TUTORIX_HAVE_X11
// At scale n the scene pixel x covers the device pixels n x ... n x + n - 1,
// but Qt rounds a device position divided by n to the nearest scene pixel,
// which puts the right and lower half of those device pixels on the next
// scene pixel. The mouse positions of X events are therefore moved to the
// first device pixel of their scene pixel before Qt reads them.
class ScenePixelSnap : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override {
        if (g_scale < 2 || type != "xcb_generic_event_t") return false;
        auto *bytes = static_cast<std::uint8_t *>(message);
        const std::uint8_t kind = bytes[0] & 0x7f;
        if (kind == XCB_BUTTON_PRESS || kind == XCB_BUTTON_RELEASE || kind == XCB_MOTION_NOTIFY) {
            // root_x, root_y, event_x, event_y: 16-bit pixels from byte 20 on.
            for (int offset = 20; offset <= 26; offset += 2) snap16(bytes + offset);
        } else if (kind == XCB_GE_GENERIC && m_xinputOpcode >= 0 && bytes[1] == m_xinputOpcode) {
            std::uint16_t evtype = 0;
            std::memcpy(&evtype, bytes + 8, 2);
            // XI_ButtonPress 4, XI_ButtonRelease 5, XI_Motion 6: root_x, root_y,
            // event_x, event_y as 16.16 fixed point from byte 36 on.
            if (evtype >= 4 && evtype <= 6)
                for (int offset = 36; offset <= 48; offset += 4) snap1616(bytes + offset);
        }
        return false;
    }

    void findXInput(xcb_connection_t *connection) {
        const char name[] = "XInputExtension";
        xcb_query_extension_reply_t *reply = xcb_query_extension_reply(
            connection, xcb_query_extension(connection, sizeof name - 1, name), nullptr);
        if (reply && reply->present) m_xinputOpcode = reply->major_opcode;
        free(reply);
    }

private:
    static int floorToScale(int v) { return (v >= 0 ? v / g_scale : -((-v + g_scale - 1) / g_scale)) * g_scale; }
    static void snap16(std::uint8_t *p) {
        std::int16_t v;
        std::memcpy(&v, p, 2);
        v = std::int16_t(floorToScale(v));
        std::memcpy(p, &v, 2);
    }
    static void snap1616(std::uint8_t *p) {
        std::int32_t v;
        std::memcpy(&v, p, 4);
        v = std::int32_t(std::uint32_t(floorToScale(v >> 16)) << 16);
        std::memcpy(p, &v, 4);
    }
    int m_xinputOpcode = -1;
};

void installPixelSnap() {
    static ScenePixelSnap *snap = nullptr;
    if (snap || QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    snap = new ScenePixelSnap;
    snap->findXInput(x11->connection());
    qApp->installNativeEventFilter(snap);
}
#endif

int fittingScale(QSize screenPixels) {
    const int byWidth = screenPixels.width() / kSceneSize.width();
    const int byHeight = screenPixels.height() / kSceneSize.height();
    return std::max(1, std::min(byWidth, byHeight));
}

int chooseScale(QSize screenPixels, int forced) {
    const int fitting = fittingScale(screenPixels);
    return forced > 0 ? std::min(forced, fitting) : fitting;
}

QSize primaryScreenPixels() {
    const QScreen *s = QGuiApplication::primaryScreen();
    if (!s) return kSceneSize;
    const qreal ratio = s->devicePixelRatio();
    return QSize(int(std::lround(s->geometry().width() * ratio)), int(std::lround(s->geometry().height() * ratio)));
}

void applySceneScale(int scale) {
    scale = std::max(1, scale);
    g_scale = scale;
#ifdef TUTORIX_HAVE_X11
    if (scale > 1) installPixelSnap();
#endif
    QScreen *s = QGuiApplication::primaryScreen();
    if (!s) return;
    // The screen's ratio is Qt's global factor times the platform's own; the
    // global factor is set so that the product is the scale. Twice at most:
    // the second round corrects a global factor Qt read differently.
    for (int round = 0; round < 2; ++round) {
        const qreal ratio = s->devicePixelRatio();
        if (std::abs(ratio - scale) < 1e-6) break;
        g_globalFactor = globalFactor() * scale / ratio;
        QHighDpiScaling::setGlobalFactor(g_globalFactor);
    }
    qCInfo(lcUi) << "scene scale" << scale << "device pixel ratio" << s->devicePixelRatio() << "screen"
                    << primaryScreenPixels();
}

int sceneScale() { return g_scale; }

void setDisplaySwitched(bool switched) { g_switched = switched; }

QPoint sceneOrigin() {
    const QScreen *s = QGuiApplication::primaryScreen();
    if (!s) return {0, 0};
    const QRect screen = s->geometry();
    if (g_switched) return screen.topLeft();
    const QPoint centred(screen.left() + (screen.width() - kSceneSize.width()) / 2,
                         screen.top() + (screen.height() - kSceneSize.height()) / 2);
    // A screen smaller than the scene shows its top-left part.
    return QPoint(std::max(screen.left(), centred.x()), std::max(screen.top(), centred.y()));
}

QPoint sceneToScreen(QPoint scenePoint) {
    const QScreen *s = QGuiApplication::primaryScreen();
    const qreal ratio = s ? s->devicePixelRatio() : 1.0;
    // Qt keeps a screen's top-left corner at the same place in scene and in
    // device pixels; distances from it are multiplied by the ratio.
    const QPoint screenTopLeft = s ? s->geometry().topLeft() : QPoint();
    const QPoint offset = sceneOrigin() + scenePoint - screenTopLeft;
    return screenTopLeft + QPoint(int(std::lround(offset.x() * ratio)), int(std::lround(offset.y() * ratio)));
}

namespace {
QScreen *screenOf(QPoint desktopPoint) {
    QScreen *s = QGuiApplication::screenAt(desktopPoint);
    return s ? s : QGuiApplication::primaryScreen();
}
// The screen's top-left corner in desktop and in device pixels.
QPoint deviceOrigin(const QScreen *s) { return s->handle() ? s->handle()->geometry().topLeft() : s->geometry().topLeft(); }
}  // namespace

QRect desktopToDevice(const QRect &rect) {
    const QScreen *s = screenOf(rect.center());
    if (!s || rect.isNull()) return rect;
    const qreal k = s->devicePixelRatio();
    const QPointF from = QPointF(rect.topLeft() - s->geometry().topLeft()) * k + deviceOrigin(s);
    return QRect(from.toPoint(), (QSizeF(rect.size()) * k).toSize());
}

QPoint deviceToDesktop(QPoint point) {
    for (const QScreen *s : QGuiApplication::screens()) {
        const qreal k = s->devicePixelRatio();
        const QRect device(deviceOrigin(s), (QSizeF(s->geometry().size()) * k).toSize());
        if (device.contains(point) || s == QGuiApplication::screens().constLast()) {
            const QPointF p = QPointF(point - device.topLeft()) / k;
            return QPoint(int(std::floor(p.x())), int(std::floor(p.y()))) + s->geometry().topLeft();
        }
    }
    return point;
}

}  // namespace ui
