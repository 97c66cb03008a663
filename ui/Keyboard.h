// Keyboard use and screen-reader names of the bitmap screens.
//
// Every screen has one FocusChain: the list of its clickable elements in
// reading order, given by the screen as a function of its current state.
// Tab and Shift+Tab move a focus ring (painted over the element) through the
// elements that are visible and enabled; Enter or Space presses the element
// under the ring (press on key-down, release on key-up, as the mouse button
// would); Esc runs the screen's back action. Text boxes in the chain take the
// real keyboard focus and keep their typing keys.
//
// Screen readers: setAccessible() gives a control a Czech name and a role;
// labels without a name of their own are read by their caption. The
// interfaces themselves are in ui/Accessible.h.
#pragma once

#include <QAccessible>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

class QKeyEvent;

namespace ui {

class Form;

// One element of a screen's focus chain.
struct FocusItem {
    QPointer<QWidget> widget;        // what the ring surrounds (and what is pressed)
    std::function<void()> press;     // Enter / Space pressed; default: the control's mouse press
    std::function<void()> release;   // released; default: the control's mouse release and click
    bool typing = false;             // a text box: takes the real focus, keeps its typing keys
    bool needsEnabled = true;        // skipped while the widget is disabled
    QRect area;                      // the ring's area in form pixels when not the widget's own
};

// Orders rectangles as a reader takes them in: lines from top to bottom,
// left to right within a line. A rectangle belongs to the line of the first
// (topmost) rectangle when its vertical centre lies within that rectangle's
// height. Returns the indexes of rects in that order.
QList<int> readingOrder(const QList<QRect> &rects);

// Gives w a screen-reader name and role (the role is read by the accessible
// interface the toolkit installs for its controls and screens).
void setAccessible(QWidget *w, const QString &name, QAccessible::Role role);
// The role given by setAccessible, or the toolkit's default for the control.
QAccessible::Role accessibleRoleOf(QWidget *w);
// Makes QAccessible use the toolkit's interfaces for its controls (once).
void installAccessibility();

// A transparent, mouse-transparent area of a screen that stands for a part of
// its background picture (the help area, the whole title page) in the focus
// chain and for screen readers.
class Hotspot : public QWidget {
    Q_OBJECT
public:
    explicit Hotspot(QWidget *parent, const QRect &area, const QString &name,
                     QAccessible::Role role = QAccessible::Button);
};

class FocusRing;

class FocusChain : public QObject {
    Q_OBJECT
public:
    explicit FocusChain(Form *form);

    // The screen's elements in reading order (may include hidden ones).
    std::function<QList<FocusItem>()> items;
    // The screen's back (Esc).
    std::function<void()> escape;
    // Keys the screen handles itself before the chain (open lists, held
    // tiles); returns true when it took the key.
    std::function<bool(QKeyEvent *)> keyHook;
    // Names and roles that change with the screen's state (rows, tiles):
    // returns false for controls it does not describe.
    std::function<bool(QWidget *, QString &name, QAccessible::Role &role)> describe;
    // The screen's name and what its picture says (titles, instructions),
    // read when the screen comes up.
    std::function<QString()> title;
    std::function<QString()> description;

    // The chain of a widget's screen, or nullptr.
    static FocusChain *of(QWidget *w);

    // The elements that can take the ring now, in order.
    QList<FocusItem> available() const;
    // The element under the ring (nullptr when none).
    QWidget *current() const;
    // Moves the ring to w (when it is an available element) and shows it.
    bool setCurrent(QWidget *w);
    // Moves the element under the ring to w (an available element) without
    // showing the ring while the mouse is in use; screen readers follow.
    bool moveFocus(QWidget *w);
    // Whether w is an available text box of the chain (takes typing).
    bool isTypingElement(QWidget *w) const;
    // Tab / Shift+Tab.
    void move(bool forward);
    // Whether the ring is shown (keyboard in use).
    bool ringShown() const;
    // The ring's area in form pixels (empty while hidden).
    QRect ringArea() const;
    // Presses and releases the element under the ring, as Enter does.
    void activateCurrent();
    // Presses and releases w's element (screen readers' press action).
    bool activate(QWidget *w);

    // Called by the controls: a key pressed or released in a control (or the
    // form); true when the chain took it.
    bool keyPress(QKeyEvent *e, QWidget *receiver);
    bool keyRelease(QKeyEvent *e);
    // A text box got the focus (by the mouse or the program): the ring follows
    // when the box is an element of the chain.
    void focusedBox(QWidget *box);
    // The mouse was used: the ring hides until the next key.
    void mouseUsed();

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    int indexOf(const QList<FocusItem> &list, QWidget *w) const;
    void goTo(const FocusItem &item);
    void updateRing();
    void press(const FocusItem &item);
    void release();
    void watch(QWidget *w);
    void syncToFocusedBox();

    Form *m_form;
    FocusRing *m_ring;
    QPointer<QWidget> m_current;
    QPointer<QWidget> m_watched;
    QRect m_area;  // the current item's own ring area, if any
    FocusItem m_pressed;
    bool m_pressing = false;
    bool m_shown = false;
};

}  // namespace ui
