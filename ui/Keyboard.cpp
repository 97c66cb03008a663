#include "ui/Keyboard.h"

#include "ui/Controls.h"
#include "ui/Form.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace ui {

// ---- Reading order -----------------------------------------------------------

QList<int> readingOrder(const QList<QRect> &rects) {
    QList<int> byTop(rects.size());
    std::iota(byTop.begin(), byTop.end(), 0);
    std::stable_sort(byTop.begin(), byTop.end(), [&](int a, int b) {
        if (rects[a].top() != rects[b].top()) return rects[a].top() < rects[b].top();
        return rects[a].left() < rects[b].left();
    });
    QList<int> lineOf(rects.size(), 0);
    int line = -1, lineBottom = 0;
    for (int i : byTop) {
        const int centre = rects[i].top() + rects[i].height() / 2;
        if (line < 0 || centre > lineBottom) {
            ++line;
            lineBottom = rects[i].top() + rects[i].height();
        }
        lineOf[i] = line;
    }
    std::stable_sort(byTop.begin(), byTop.end(), [&](int a, int b) {
        if (lineOf[a] != lineOf[b]) return lineOf[a] < lineOf[b];
        return rects[a].left() < rects[b].left();
    });
    return byTop;
}

// ---- Screen-reader names and roles ---------------------------------------------

namespace {

const char *const kRoleProperty = "tutorixAccessibleRole";

bool hasMouseHandlers(QWidget *w) {
    auto *c = dynamic_cast<ControlBase *>(w);
    return c && (c->events.MouseDown || c->events.Click || c->events.MouseUp);
}

}  // namespace

void setAccessible(QWidget *w, const QString &name, QAccessible::Role role) {
    if (!w) return;
    w->setAccessibleName(name);
    w->setProperty(kRoleProperty, int(role));
}

QAccessible::Role accessibleRoleOf(QWidget *w) {
    const QVariant v = w->property(kRoleProperty);
    if (v.isValid()) return QAccessible::Role(v.toInt());
    if (qobject_cast<TextBox *>(w)) return QAccessible::EditableText;
    if (qobject_cast<Hotspot *>(w)) return QAccessible::Button;
    if (qobject_cast<Label *>(w)) return QAccessible::StaticText;
    return hasMouseHandlers(w) ? QAccessible::Button : QAccessible::Graphic;
}

// ---- Hotspot -------------------------------------------------------------------

Hotspot::Hotspot(QWidget *parent, const QRect &area, const QString &name, QAccessible::Role role)
    : QWidget(parent) {
    setGeometry(area);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setAccessible(this, name, role);
}

// ---- The ring ------------------------------------------------------------------

class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget *parent) : QWidget(parent) {
        setObjectName(QStringLiteral("tutorixFocusRing"));  // not read by screen readers
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override {
        // A yellow band between two black lines stands out on light and dark
        // pictures alike.
        QPainter p(this);
        const QRect r = rect();
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.drawRect(r.adjusted(3, 3, -4, -4));
        p.setPen(QPen(QColor(255, 220, 0), 2));
        p.drawRect(QRectF(r).adjusted(2, 2, -2, -2));
    }
};

// ---- The chain -----------------------------------------------------------------

FocusChain::FocusChain(Form *form) : QObject(form), m_form(form), m_ring(new FocusRing(form)) {
    installAccessibility();
    form->installEventFilter(this);
}

FocusChain *FocusChain::of(QWidget *w) {
    if (!w) return nullptr;
    auto *form = qobject_cast<Form *>(w->window());
    return form ? form->keys() : nullptr;
}

namespace {
// The chain whose element Enter or Space is holding down: the key may be
// let go over another window (the hint window that the press showed).
QPointer<FocusChain> g_pressingChain;

bool isAvailable(const FocusItem &item, QWidget *form) {
    QWidget *w = item.widget;
    if (!w || !w->isVisibleTo(form)) return false;
    if (item.needsEnabled && !w->isEnabled()) return false;
    return true;
}
}  // namespace

QList<FocusItem> FocusChain::available() const {
    QList<FocusItem> out;
    if (!items) return out;
    for (const FocusItem &item : items())
        if (isAvailable(item, m_form)) out.append(item);
    return out;
}

QWidget *FocusChain::current() const { return m_current; }

int FocusChain::indexOf(const QList<FocusItem> &list, QWidget *w) const {
    if (!w) return -1;
    for (int i = 0; i < list.size(); ++i)
        if (list[i].widget == w) return i;
    return -1;
}

bool FocusChain::setCurrent(QWidget *w) {
    const QList<FocusItem> list = available();
    const int i = indexOf(list, w);
    if (i < 0) return false;
    goTo(list[i]);
    return true;
}

bool FocusChain::moveFocus(QWidget *w) {
    const QList<FocusItem> list = available();
    const int i = indexOf(list, w);
    if (i < 0) return false;
    const bool shown = m_shown;
    goTo(list[i]);
    if (!shown) mouseUsed();
    return true;
}

bool FocusChain::isTypingElement(QWidget *w) const {
    const QList<FocusItem> list = available();
    const int i = indexOf(list, w);
    return i >= 0 && list[i].typing;
}

void FocusChain::move(bool forward) {
    if (!items) return;
    const QList<FocusItem> all = items();
    const int n = int(all.size());
    if (n == 0) return;
    // From the element under the ring, or the place it had in the chain when
    // it has gone (a checked page, a hidden row).
    int i = indexOf(all, m_current);
    if (i < 0) i = forward ? -1 : n;
    for (int step = 1; step <= n; ++step) {
        const int j = ((forward ? i + step : i - step) % n + n) % n;
        if (isAvailable(all[j], m_form)) {
            goTo(all[j]);
            return;
        }
    }
    m_current = nullptr;
    updateRing();
}

void FocusChain::goTo(const FocusItem &item) {
    m_current = item.widget;
    m_area = item.area;
    m_shown = true;
    watch(item.widget);
    // Screen readers follow the ring.
    QAccessibleEvent moved(item.widget.data(), QAccessible::Focus);
    QAccessible::updateAccessibility(&moved);
    if (item.typing) {
        item.widget->setFocus(Qt::TabFocusReason);
    } else if (QWidget *fw = m_form->focusWidget(); fw && fw != m_form && qobject_cast<TextBox *>(fw) &&
                                                   fw->isVisibleTo(m_form) && !static_cast<TextBox *>(fw)->isReadOnly()) {
        // Letters must not go on into a box the ring has left.
        m_form->setFocus(Qt::TabFocusReason);
    }
    updateRing();
}

void FocusChain::watch(QWidget *w) {
    if (m_watched == w) return;
    if (m_watched) m_watched->removeEventFilter(this);
    m_watched = w;
    if (w) w->installEventFilter(this);
}

bool FocusChain::ringShown() const { return m_ring->isVisibleTo(m_form); }

QRect FocusChain::ringArea() const { return ringShown() ? m_ring->geometry().adjusted(3, 3, -3, -3) : QRect(); }

void FocusChain::updateRing() {
    QWidget *w = m_current;
    if (!m_shown || !w || !w->isVisibleTo(m_form)) {
        m_ring->hide();
        return;
    }
    const QRect area = m_area.isValid() ? m_area : QRect(w->mapTo(m_form, QPoint(0, 0)), w->size());
    m_ring->setGeometry(area.adjusted(-3, -3, 3, 3));
    m_ring->show();
    m_ring->raise();
    m_ring->update();
}

void FocusChain::mouseUsed() {
    m_shown = false;
    m_ring->hide();
}

void FocusChain::focusedBox(QWidget *box) {
    if (!items) return;
    const QList<FocusItem> list = available();
    const int i = indexOf(list, box);
    if (i < 0 || !list[i].typing) return;
    m_current = box;
    m_area = list[i].area;
    watch(box);
    updateRing();
}

void FocusChain::press(const FocusItem &item) {
    m_pressed = item;
    m_pressing = true;
    g_pressingChain = this;
    const QPointer<QWidget> focusBefore = m_form->focusWidget();
    const QPointer<FocusChain> self(this);
    if (item.press) {
        item.press();
    } else if (auto *c = dynamic_cast<ControlBase *>(item.widget.data())) {
        const QPoint centre = item.widget->rect().center();
        if (c->events.MouseDown) c->events.MouseDown(c->Index, Qt::LeftButton, centre.x(), centre.y());
    }
    // A press that hands a box the focus (a loudspeaker) takes the ring there.
    if (self && m_form->focusWidget() != focusBefore) syncToFocusedBox();
}

void FocusChain::syncToFocusedBox() {
    QWidget *fw = m_form->focusWidget();
    if (fw && fw != m_form) focusedBox(fw);
}

void FocusChain::release() {
    if (!m_pressing) return;
    m_pressing = false;
    const FocusItem item = m_pressed;
    m_pressed = FocusItem();
    if (item.press) {
        if (item.release) item.release();
        return;
    }
    if (!item.widget) return;  // the press changed the screen
    auto *c = dynamic_cast<ControlBase *>(item.widget.data());
    if (!c) return;
    const QPoint centre = item.widget->rect().center();
    const QPointer<QWidget> guard = item.widget;
    const int index = c->Index;
    const auto events = c->events;  // a handler may replace or destroy the control
    if (events.MouseUp) events.MouseUp(index, Qt::LeftButton, centre.x(), centre.y());
    if (guard && guard->isVisible() && events.Click) events.Click(index);
}

void FocusChain::activateCurrent() {
    const QList<FocusItem> list = available();
    const int i = indexOf(list, m_current);
    if (i < 0) return;
    press(list[i]);
    release();
}

bool FocusChain::activate(QWidget *w) {
    const QList<FocusItem> list = available();
    const int i = indexOf(list, w);
    if (i < 0) return false;
    press(list[i]);
    release();
    return true;
}

bool FocusChain::keyPress(QKeyEvent *e, QWidget *receiver) {
    if (keyHook && keyHook(e)) return true;
    const int key = e->key();
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const bool plain = !(mods & (Qt::ControlModifier | Qt::AltModifier));
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && plain && (mods & Qt::ShiftModifier))) {
        move(false);
        return true;
    }
    if (key == Qt::Key_Tab && plain) {
        move(true);
        return true;
    }
    if (key == Qt::Key_Escape && mods == Qt::NoModifier) {
        if (!escape) return false;
        if (!e->isAutoRepeat()) escape();
        return true;
    }
    const bool activating = key == Qt::Key_Return || key == Qt::Key_Enter || (key == Qt::Key_Space && mods == Qt::NoModifier);
    if (!activating || !plain) return false;
    const QList<FocusItem> list = available();
    int i = indexOf(list, m_current);
    // A text box under the ring keeps its own Enter and Space.
    if (i >= 0 && list[i].typing && list[i].widget == receiver) return false;
    if (e->isAutoRepeat()) return true;
    if (i < 0) {
        if (list.size() != 1) {
            // Nothing chosen yet: the first key shows where the ring is.
            if (!list.isEmpty()) goTo(list.first());
            return true;
        }
        i = 0;
    }
    if (list[i].typing) {
        goTo(list[i]);
        return true;
    }
    m_current = list[i].widget;
    m_area = list[i].area;
    m_shown = true;
    watch(m_current);
    updateRing();
    press(list[i]);
    return true;
}

bool FocusChain::keyRelease(QKeyEvent *e) {
    const int key = e->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) return false;
    FocusChain *chain = m_pressing ? this : g_pressingChain.data();
    if (!chain || !chain->m_pressing || e->isAutoRepeat()) return false;
    chain->release();
    return true;
}

bool FocusChain::eventFilter(QObject *watched, QEvent *e) {
    if (watched == m_form) {
        switch (e->type()) {
        case QEvent::KeyPress: {
            // Keys reach the form itself when no box has the focus; keys a
            // box let through were offered to the chain by the box already.
            QWidget *fw = m_form->focusWidget();
            if (fw && fw != m_form) return false;
            return keyPress(static_cast<QKeyEvent *>(e), m_form);
        }
        case QEvent::KeyRelease: {
            QWidget *fw = m_form->focusWidget();
            if (fw && fw != m_form) return false;
            return keyRelease(static_cast<QKeyEvent *>(e));
        }
        case QEvent::MouseButtonPress: mouseUsed(); break;
        case QEvent::Hide:
            // A key released on the next screen must not click here later.
            m_pressing = false;
            m_pressed = FocusItem();
            break;
        default: break;
        }
        return false;
    }
    if (watched == m_watched) {
        switch (e->type()) {
        case QEvent::Move: case QEvent::Resize: case QEvent::Show: case QEvent::Hide: updateRing(); break;
        default: break;
        }
    }
    return false;
}

}  // namespace ui
