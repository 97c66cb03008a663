#include "platform/keyboard.h"

#include "platform/logging.h"

#include <QGuiApplication>
#include <QHash>

#include <memory>

#ifdef TUTORIX_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace platform {

QString windowsLayoutIdForXkb(const QString &xkbLayout) {
    static const QHash<QString, QString> ids = {
        {QStringLiteral("us"), QStringLiteral("00000409")}, {QStringLiteral("cz"), QStringLiteral("00000405")},
        {QStringLiteral("sk"), QStringLiteral("0000041B")}, {QStringLiteral("de"), QStringLiteral("00000407")},
        {QStringLiteral("gb"), QStringLiteral("00000809")}, {QStringLiteral("fr"), QStringLiteral("0000040C")},
        {QStringLiteral("pl"), QStringLiteral("00000415")}, {QStringLiteral("hu"), QStringLiteral("0000040E")},
        {QStringLiteral("at"), QStringLiteral("00000C07")}, {QStringLiteral("ru"), QStringLiteral("00000419")},
        {QStringLiteral("ua"), QStringLiteral("00000422")}, {QStringLiteral("es"), QStringLiteral("0000040A")},
        {QStringLiteral("it"), QStringLiteral("00000410")},
    };
    const QString key = xkbLayout.trimmed().toLower();
    const auto it = ids.find(key);
    if (it != ids.end()) return it.value();
    // Unknown layouts get a stable made-up id outside the ones above.
    return QStringLiteral("F%1").arg(qHash(key) & 0xFFFFFFF, 7, 16, QLatin1Char('0')).toUpper();
}

InProcessKeyboardLayouts::InProcessKeyboardLayouts(QStringList names, int active)
    : m_names(std::move(names)), m_active(active) {
    if (m_names.isEmpty()) m_names << QStringLiteral("00000409");
}

QString InProcessKeyboardLayouts::activeName() { return m_names.value(m_active); }

void InProcessKeyboardLayouts::activatePrevious() {
    ++m_activations;
    m_active = (m_active - 1 + m_names.size()) % m_names.size();
}

bool InProcessKeyboardLayouts::loadAndActivate(const QString &name) {
    ++m_activations;
    int i = m_names.indexOf(name);
    if (i < 0) {
        m_names.append(name);
        i = m_names.size() - 1;
    }
    m_active = i;
    return true;
}

int InProcessKeyboardLayouts::count() { return m_names.size(); }

void InProcessKeyboardLayouts::removeLayout(const QString &name) {
    const int i = m_names.indexOf(name);
    if (i < 0 || m_names.size() == 1) return;
    m_names.removeAt(i);
    if (m_active >= m_names.size()) m_active = 0;
}

#ifdef TUTORIX_HAVE_X11
namespace {

// The XKB groups of the core keyboard, named after the layouts of the
// _XKB_RULES_NAMES property ("us,cz").
class X11KeyboardLayouts : public KeyboardLayouts {
public:
    X11KeyboardLayouts(Display *dpy, bool owned) : m_dpy(dpy), m_owned(owned) { readNames(); }
    ~X11KeyboardLayouts() override {
        if (m_owned) XCloseDisplay(m_dpy);
    }

    QString activeName() override {
        XkbStateRec state{};
        if (XkbGetState(m_dpy, XkbUseCoreKbd, &state) != Success) return m_names.value(0);
        return m_names.value(state.group, m_names.value(0));
    }
    void activatePrevious() override {
        XkbStateRec state{};
        XkbGetState(m_dpy, XkbUseCoreKbd, &state);
        const int n = count();
        XkbLockGroup(m_dpy, XkbUseCoreKbd, (state.group - 1 + n) % n);
        XSync(m_dpy, False);
    }
    bool loadAndActivate(const QString &name) override {
        const int i = m_names.indexOf(name);
        if (i < 0) return false;  // adding a group would change the user's keyboard set-up
        XkbLockGroup(m_dpy, XkbUseCoreKbd, i);
        XSync(m_dpy, False);
        return true;
    }
    int count() override { return qMax(1, int(m_names.size())); }

private:
    void readNames() {
        const Atom atom = XInternAtom(m_dpy, "_XKB_RULES_NAMES", True);
        if (atom != None) {
            Atom type = None;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char *data = nullptr;
            if (XGetWindowProperty(m_dpy, DefaultRootWindow(m_dpy), atom, 0, 1024, False, XA_STRING, &type,
                                   &format, &items, &after, &data) == Success && data) {
                // rules \0 model \0 layouts \0 variants \0 options
                const QByteArray raw(reinterpret_cast<const char *>(data), int(items));
                const QList<QByteArray> parts = raw.split('\0');
                if (parts.size() > 2)
                    for (const QByteArray &l : parts.at(2).split(','))
                        if (!l.trimmed().isEmpty()) m_names << windowsLayoutIdForXkb(QString::fromLatin1(l));
                XFree(data);
            }
        }
        if (m_names.isEmpty()) m_names << QStringLiteral("00000409");
        qCDebug(lcPlatform) << "keyboard layouts" << m_names;
    }

    Display *m_dpy;
    bool m_owned;
    QStringList m_names;
};

std::unique_ptr<KeyboardLayouts> makeX11Layouts() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    int major = XkbMajorVersion, minor = XkbMinorVersion, event = 0, error = 0, reason = 0, opcode = 0;
    // Qt's own connection when there is one: a new one costs start-up time.
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (Display *shared = x11 ? x11->display() : nullptr) {
        if (!XkbQueryExtension(shared, &opcode, &event, &error, &major, &minor)) return nullptr;
        return std::make_unique<X11KeyboardLayouts>(shared, false);
    }
    Display *dpy = XkbOpenDisplay(nullptr, &event, &error, &major, &minor, &reason);
    if (!dpy) return nullptr;
    return std::make_unique<X11KeyboardLayouts>(dpy, true);
}

}  // namespace
#endif

namespace {
std::unique_ptr<KeyboardLayouts> g_default;
KeyboardLayouts *g_override = nullptr;
}  // namespace

KeyboardLayouts &KeyboardLayouts::system() {
    if (g_override) return *g_override;
    if (!g_default) {
#ifdef TUTORIX_HAVE_X11
        g_default = makeX11Layouts();
#endif
        if (!g_default) g_default = std::make_unique<InProcessKeyboardLayouts>();
    }
    return *g_default;
}

void KeyboardLayouts::setSystem(KeyboardLayouts *layouts) { g_override = layouts; }

}  // namespace platform
