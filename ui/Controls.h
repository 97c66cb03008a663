// The small set of controls the screens are built from: picture boxes with a
// persistent image, images, labels and text boxes. Each carries the common
// properties the screens use (Index within its control array, Tag, a custom
// mouse pointer) and reports mouse events with positions in its own pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <functional>

namespace ui {

// Event handlers of a control; idx is the control's Index in its array.
struct ControlEvents {
    std::function<void(int idx, Qt::MouseButton button, int x, int y)> MouseDown;
    std::function<void(int idx, Qt::MouseButton button, int x, int y)> MouseUp;
    std::function<void(int idx, Qt::MouseButtons buttons, int x, int y)> MouseMove;
    std::function<void(int idx)> Click;
    std::function<void(int idx)> DblClick;
};

// Shared part of every control.
class ControlBase {
public:
    virtual ~ControlBase() = default;
    int Index = 1;
    QString Tag;
    ControlEvents events;

    virtual QWidget *widget() = 0;
    int Left() { return widget()->x(); }
    int Top() { return widget()->y(); }
    int Width() { return widget()->width(); }
    int Height() { return widget()->height(); }
    void setLeft(int x) { widget()->move(x, widget()->y()); }
    void setTop(int y) { widget()->move(widget()->x(), y); }
    void setWidth(int w) { widget()->resize(w, widget()->height()); }
    void setHeight(int h) { widget()->resize(widget()->width(), h); }
    void Move(int x, int y, int w, int h) { widget()->setGeometry(x, y, w, h); }
    bool Visible() { return widget()->isVisibleTo(widget()->parentWidget()); }
    void setVisible(bool v) { widget()->setVisible(v); }
    bool Enabled() { return widget()->isEnabled(); }
    void setEnabled(bool e) { widget()->setEnabled(e); }
    void setMouseIcon(const QCursor &c) { widget()->setCursor(c); }
    void ZOrderFront() { widget()->raise(); }

protected:
    // Copies the properties shared by every control (not the events' owner).
    void copyBaseFrom(ControlBase &other);
    // Dispatch helpers for subclasses.
    void dispatchPress(QMouseEvent *e);
    void dispatchRelease(QMouseEvent *e);
    void dispatchMove(QMouseEvent *e);
    void dispatchDoubleClick(QMouseEvent *e);

private:
    bool m_pressedInside = false;
};

// A picture box: a picture, a persistent image that drawing lands in, an
// optional automatic size, and child controls.
class PictureBox : public QWidget, public ControlBase {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    QWidget *widget() override { return this; }

    void setPicture(const QPixmap &picture);  // resets the persistent image
    const QPixmap &picture() const { return m_picture; }
    QImage &image() { return m_image; }       // persistent image
    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }
    void setBackColor(const QColor &c);
    QColor backColor() const { return m_backColor; }
    void Cls();                                // clears the image to BackColor
    void Refresh() { repaint(); }
    void cloneFrom(PictureBox &other);
    // A button that is drawn dimmed (grey and pale) while disabled.
    void setDimmedWhenDisabled(bool on);
    // Drawn lit (brighter) while the mouse is over it, for buttons that have
    // no lit picture of their own.
    void setLit(bool on);
    bool lit() const { return m_lit; }

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *e) override { dispatchPress(e); }
    void mouseReleaseEvent(QMouseEvent *e) override { dispatchRelease(e); }
    void mouseMoveEvent(QMouseEvent *e) override { dispatchMove(e); }
    void mouseDoubleClickEvent(QMouseEvent *e) override { dispatchDoubleClick(e); }

private:
    QPixmap m_picture;
    QImage m_image;
    QColor m_backColor = Qt::white;
    bool m_autoSize = false;
    bool m_dimmedWhenDisabled = false;
    bool m_lit = false;
};

// An image: shows a picture at its top-left corner.
class Image : public QWidget, public ControlBase {
    Q_OBJECT
public:
    explicit Image(QWidget *parent = nullptr);
    QWidget *widget() override { return this; }
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    void cloneFrom(Image &other);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override { dispatchPress(e); }
    void mouseReleaseEvent(QMouseEvent *e) override { dispatchRelease(e); }
    void mouseMoveEvent(QMouseEvent *e) override { dispatchMove(e); }
    void mouseDoubleClickEvent(QMouseEvent *e) override { dispatchDoubleClick(e); }

private:
    QPixmap m_picture;
};

enum class BackStyle { Transparent = 0, Opaque = 1 };

// A label: a caption drawn from the top in one line, transparent or on its
// BackColor; AutoSize makes it as large as its caption.
class Label : public QWidget, public ControlBase {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);
    QWidget *widget() override { return this; }

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    ui::BackStyle backStyle() const { return m_backStyle; }
    void setBackStyle(ui::BackStyle style);
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &c);
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor &c);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment a);
    void setFontPoints(double points);
    double fontPoints() const { return m_points; }
    // Width and height the caption needs in the label's font.
    QSize captionSize() const;
    void cloneFrom(Label &other);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override { dispatchPress(e); }
    void mouseReleaseEvent(QMouseEvent *e) override { dispatchRelease(e); }
    void mouseMoveEvent(QMouseEvent *e) override { dispatchMove(e); }
    void mouseDoubleClickEvent(QMouseEvent *e) override { dispatchDoubleClick(e); }

private:
    void fitToCaption();
    QString m_caption;
    bool m_autoSize = false;
    ui::BackStyle m_backStyle = ui::BackStyle::Opaque;
    QColor m_backColor = QColor(0xC0, 0xC0, 0xC0);
    QColor m_foreColor = Qt::black;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    double m_points = 12.0;
};

// A one-line text box. Locked boxes show text and take the focus but do not
// take typing.
class TextBox : public QLineEdit, public ControlBase {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);
    QWidget *widget() override { return this; }

    QString Text() const { return text(); }
    void setText(const QString &t) { QLineEdit::setText(t); }
    bool Locked() const { return isReadOnly(); }
    void setLocked(bool locked);
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor &c);
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &c);
    void cloneFrom(TextBox &other);
    // Where character offset stands in the box (its own pixels), empty for
    // an offset past the text.
    QRect characterArea(int offset) const;

    // Key handlers: KeyDown sees every key (keyCode 0 after it swallows the
    // key); KeyPress sees typed characters (an empty text swallows it).
    std::function<void(int idx, int &keyCode, Qt::KeyboardModifiers shift)> KeyDown;
    std::function<void(int idx, QString &typed)> KeyPress;
    std::function<void(int idx)> Change;
    std::function<void(int idx)> GotFocus;

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    void applyColours();
    QColor m_foreColor = Qt::black;
    QColor m_backColor = Qt::white;
};

}  // namespace ui
