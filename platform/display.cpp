#include "platform/display.h"

#include "platform/logging.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#ifdef TUTORIX_HAVE_X11
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#endif

namespace platform {

namespace {
DisplayModes::Fake *g_fake = nullptr;
bool g_changed = false;  // the program switched the display

#ifdef TUTORIX_HAVE_X11
// Runs f with the screen configuration of the default X display.
template <class F>
bool withScreenConfig(F f) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return false;
    // Qt's own connection when there is one: a new one costs start-up time.
    auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *shared = x11 ? x11->display() : nullptr;
    Display *dpy = shared ? shared : XOpenDisplay(nullptr);
    if (!dpy) return false;
    int eventBase = 0, errorBase = 0;
    bool ok = false;
    if (XRRQueryExtension(dpy, &eventBase, &errorBase)) {
        const Window root = DefaultRootWindow(dpy);
        XRRScreenConfiguration *cfg = XRRGetScreenInfo(dpy, root);
        if (cfg) {
            ok = f(dpy, root, cfg);
            XRRFreeScreenConfigInfo(cfg);
        }
    }
    XSync(dpy, False);
    if (dpy != shared) XCloseDisplay(dpy);
    return ok;
}

bool setSize(long width, long height, long rate) {
    return withScreenConfig([&](Display *dpy, Window root, XRRScreenConfiguration *cfg) {
        int nsizes = 0;
        XRRScreenSize *sizes = XRRConfigSizes(cfg, &nsizes);
        Rotation rotation = 0;
        XRRConfigCurrentConfiguration(cfg, &rotation);
        for (int i = 0; i < nsizes; ++i) {
            if (sizes[i].width != width || sizes[i].height != height) continue;
            Status st;
            if (rate > 0)
                st = XRRSetScreenConfigAndRate(dpy, cfg, root, i, rotation, short(rate), CurrentTime);
            else
                st = XRRSetScreenConfig(dpy, cfg, root, i, rotation, CurrentTime);
            return st == Success;
        }
        return false;
    });
}
#endif
}  // namespace

void DisplayModes::setFake(Fake *fake) { g_fake = fake; }

bool DisplayModes::current(DisplayMode &mode) {
    if (g_fake) {
        mode = {1024, 768, 32, 60};
        return true;
    }
#ifdef TUTORIX_HAVE_X11
    return withScreenConfig([&](Display *dpy, Window, XRRScreenConfiguration *cfg) {
        int nsizes = 0;
        XRRScreenSize *sizes = XRRConfigSizes(cfg, &nsizes);
        Rotation rotation = 0;
        const SizeID id = XRRConfigCurrentConfiguration(cfg, &rotation);
        if (id >= nsizes) return false;
        mode.width = sizes[id].width;
        mode.height = sizes[id].height;
        mode.bitsPerPixel = DefaultDepth(dpy, DefaultScreen(dpy));
        mode.refreshRate = XRRConfigCurrentRate(cfg);
        return true;
    });
#else
    return false;
#endif
}

bool DisplayModes::change(long width, long height, long bitsPerPixel) {
    Q_UNUSED(bitsPerPixel);
    if (g_fake) {
        ++g_fake->changeCalls;
        return g_fake->changeSucceeds;
    }
#ifdef TUTORIX_HAVE_X11
    const bool ok = setSize(width, height, 0);
    g_changed |= ok;
    qCInfo(lcPlatform) << "switch to" << width << "x" << height << (ok ? "done" : "not available");
    return ok;
#else
    return false;
#endif
}

bool DisplayModes::restore(const DisplayMode &mode) {
    if (g_fake) {
        ++g_fake->restoreCalls;
        return g_fake->restoreSucceeds;
    }
    if (!g_changed) return true;  // nothing to put back
#ifdef TUTORIX_HAVE_X11
    if (mode.width <= 0 || mode.height <= 0) return false;
    DisplayMode now;
    if (current(now) && now.width == mode.width && now.height == mode.height) return true;
    return setSize(mode.width, mode.height, mode.refreshRate);
#else
    Q_UNUSED(mode);
    return false;
#endif
}

namespace {
int g_signalPipe[2] = {-1, -1};
std::function<void(int)> g_onSignal;

void signalHandler(int signalNumber) {
    const char c = char(signalNumber);
    [[maybe_unused]] auto n = ::write(g_signalPipe[0], &c, 1);
}
}  // namespace

void installTerminationHandler(std::function<void(int)> onSignal) {
    if (g_signalPipe[0] >= 0) {
        g_onSignal = std::move(onSignal);
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0) return;
    g_onSignal = std::move(onSignal);
    auto *notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char c = 0;
        [[maybe_unused]] auto n = ::read(g_signalPipe[1], &c, 1);
        if (g_onSignal) g_onSignal(int(c));
    });
    struct sigaction sa {};
    sa.sa_handler = signalHandler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

}  // namespace platform
