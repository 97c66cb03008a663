#include "ui/Scene.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcScene, "tutorix.scene")

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
    qCInfo(lcScene) << "scene scale" << scale << "device pixel ratio" << s->devicePixelRatio() << "screen"
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

int scaleOption(const QStringList &arguments) {
    QString value;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--scale") && i + 1 < arguments.size()) value = arguments.at(i + 1);
        else if (a.startsWith(QLatin1String("--scale="))) value = a.mid(8);
    }
    bool ok = false;
    const int n = value.toInt(&ok);
    return ok && n >= 1 && n <= 16 ? n : 0;
}

}  // namespace ui
