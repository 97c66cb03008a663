#include "ui/Controls.h"

#include "ui/Keyboard.h"
#include "ui/fonts.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {
int px(QMouseEvent *e, bool horizontal) {
    const QPointF p = e->position();
    return int(horizontal ? p.x() : p.y());
}

// Key code in the numbering the answer boxes use: 13 for Enter, 108 for the
// keypad's decimal separator, letters as upper-case ASCII.
int keyCodeOf(QKeyEvent *e) {
    const int k = e->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter) return 13;
    if ((e->modifiers() & Qt::KeypadModifier) && (k == Qt::Key_Comma || k == Qt::Key_Period)) return 108;
    if (k == Qt::Key_Backspace) return 8;
    if (k == Qt::Key_Tab) return 9;
    if (k == Qt::Key_Escape) return 27;
    if (k == Qt::Key_Delete) return 46;
    if (k >= Qt::Key_Space && k <= Qt::Key_AsciiTilde) return k;
    return k & 0xFFFF;
}
}  // namespace

// ---- ControlBase ---------------------------------------------------------

void ControlBase::copyBaseFrom(ControlBase &other) {
    Tag = other.Tag;
    events = other.events;
    QWidget *w = widget();
    QWidget *o = other.widget();
    w->setGeometry(o->geometry());
    w->setFont(o->font());
    w->setEnabled(o->isEnabled());
    if (o->testAttribute(Qt::WA_SetCursor)) w->setCursor(o->cursor());
    w->setFocusPolicy(o->focusPolicy());
    w->setAccessibleName(o->accessibleName());
    for (const char *property : {"tutorixAccessibleRole", "tutorixChecked"}) w->setProperty(property, o->property(property));
    w->setVisible(false);
}

void ControlBase::dispatchPress(QMouseEvent *e) {
    m_pressedInside = true;
    if (FocusChain *chain = FocusChain::of(widget())) chain->mouseUsed();
    if (events.MouseDown) events.MouseDown(Index, e->button(), px(e, true), px(e, false));
}

void ControlBase::dispatchRelease(QMouseEvent *e) {
    const bool inside = m_pressedInside && widget()->rect().contains(e->position().toPoint());
    m_pressedInside = false;
    if (events.MouseUp) events.MouseUp(Index, e->button(), px(e, true), px(e, false));
    if (inside && e->button() == Qt::LeftButton && events.Click) events.Click(Index);
}

void ControlBase::dispatchMove(QMouseEvent *e) {
    if (events.MouseMove) events.MouseMove(Index, e->buttons(), px(e, true), px(e, false));
}

void ControlBase::dispatchDoubleClick(QMouseEvent *e) {
    if (events.DblClick) events.DblClick(Index);
    else dispatchPress(e);
}

// ---- PictureBox ----------------------------------------------------------

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {
    setMouseTracking(true);
    setFont(screenFont());
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPicture(const QPixmap &picture) {
    m_picture = picture;
    if (m_autoSize && !picture.isNull()) resize(picture.size());
    m_image = QImage(size().expandedTo(picture.size()).expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(m_backColor);
    if (!picture.isNull()) {
        QPainter p(&m_image);
        p.drawPixmap(0, 0, picture);
    }
    update();
}

void PictureBox::setAutoSize(bool on) {
    m_autoSize = on;
    if (on && !m_picture.isNull()) resize(m_picture.size());
}

void PictureBox::setBackColor(const QColor &c) {
    m_backColor = c;
    if (m_picture.isNull()) Cls();
}

void PictureBox::Cls() {
    m_image = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(m_backColor);
    if (!m_picture.isNull()) {
        QPainter p(&m_image);
        p.drawPixmap(0, 0, m_picture);
    }
    update();
}

void PictureBox::resizeEvent(QResizeEvent *) {
    if (m_image.width() < width() || m_image.height() < height()) {
        QImage bigger(size().expandedTo(m_image.size()), QImage::Format_RGB32);
        bigger.fill(m_backColor);
        QPainter p(&bigger);
        if (!m_image.isNull()) p.drawImage(0, 0, m_image);
        m_image = bigger;
    }
}

void PictureBox::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (m_image.isNull()) p.fillRect(rect(), m_backColor);
    else if (m_dimmedWhenDisabled && !isEnabled())
        p.drawImage(0, 0, m_image.convertToFormat(QImage::Format_Grayscale8));
    else p.drawImage(0, 0, m_image);
    if (m_dimmedWhenDisabled && !isEnabled()) {
        // Grey and pale: half-way to white.
        p.fillRect(rect(), QColor(255, 255, 255, 128));
    } else if (m_lit) {
        p.setCompositionMode(QPainter::CompositionMode_Screen);
        p.fillRect(rect(), QColor(72, 72, 72));
    }
}

void PictureBox::setDimmedWhenDisabled(bool on) {
    m_dimmedWhenDisabled = on;
    update();
}

void PictureBox::setLit(bool on) {
    if (m_lit == on) return;
    m_lit = on;
    update();
}

void PictureBox::cloneFrom(PictureBox &other) {
    m_backColor = other.m_backColor;
    m_autoSize = other.m_autoSize;
    m_dimmedWhenDisabled = other.m_dimmedWhenDisabled;
    copyBaseFrom(other);
    setPicture(other.m_picture);
}

// ---- Image ---------------------------------------------------------------

Image::Image(QWidget *parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void Image::setPicture(const QPixmap &picture) {
    m_picture = picture;
    update();
}

void Image::paintEvent(QPaintEvent *) {
    if (m_picture.isNull()) return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void Image::cloneFrom(Image &other) {
    copyBaseFrom(other);
    setPicture(other.m_picture);
}

// ---- Label ---------------------------------------------------------------

Label::Label(QWidget *parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setFont(screenFont(m_points));
}

void Label::setCaption(const QString &caption) {
    m_caption = caption;
    if (m_autoSize) fitToCaption();
    update();
}

void Label::setAutoSize(bool on) {
    m_autoSize = on;
    if (on) fitToCaption();
}

void Label::setBackStyle(ui::BackStyle style) {
    m_backStyle = style;
    update();
}

void Label::setBackColor(const QColor &c) {
    m_backColor = c;
    update();
}

void Label::setForeColor(const QColor &c) {
    m_foreColor = c;
    update();
}

void Label::setAlignment(Qt::Alignment a) {
    m_alignment = a;
    update();
}

void Label::setFontPoints(double points) {
    m_points = points;
    setFont(screenFont(points));
    if (m_autoSize) fitToCaption();
    update();
}

QSize Label::captionSize() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(m_caption), fm.height()};
}

void Label::fitToCaption() { resize(captionSize()); }

void Label::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (m_backStyle == ui::BackStyle::Opaque) p.fillRect(rect(), m_backColor);
    p.setFont(font());
    p.setPen(isEnabled() ? m_foreColor : QColor(0x80, 0x80, 0x80));
    const int flags = int(m_alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextSingleLine;
    p.drawText(rect(), flags, m_caption);
}

void Label::cloneFrom(Label &other) {
    m_backStyle = other.m_backStyle;
    m_backColor = other.m_backColor;
    m_foreColor = other.m_foreColor;
    m_alignment = other.m_alignment;
    m_points = other.m_points;
    copyBaseFrom(other);
    m_autoSize = other.m_autoSize;
    m_caption = other.m_caption;
    if (m_autoSize) fitToCaption();
}

// ---- TextBox -------------------------------------------------------------

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {
    setFont(screenFont());
    setFocusPolicy(Qt::ClickFocus);
    setTextMargins(1, 0, 1, 0);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (Change) Change(Index);
    });
    applyColours();
}

void TextBox::setLocked(bool locked) { setReadOnly(locked); }

void TextBox::setForeColor(const QColor &c) {
    m_foreColor = c;
    applyColours();
}

void TextBox::setBackColor(const QColor &c) {
    m_backColor = c;
    applyColours();
}

void TextBox::applyColours() {
    QPalette pal = palette();
    pal.setColor(QPalette::Text, m_foreColor);
    pal.setColor(QPalette::Base, m_backColor);
    setPalette(pal);
}

bool TextBox::event(QEvent *e) {
    // The screen's focus chain sees the keys first (before Qt's own Tab
    // handling); typing keys come back to the box.
    if (e->type() == QEvent::KeyPress) {
        if (FocusChain *chain = FocusChain::of(this); chain && chain->keyPress(static_cast<QKeyEvent *>(e), this)) {
            e->accept();
            return true;
        }
    }
    return QLineEdit::event(e);
}

void TextBox::keyReleaseEvent(QKeyEvent *e) {
    if (FocusChain *chain = FocusChain::of(this); chain && chain->keyRelease(e)) return;
    QLineEdit::keyReleaseEvent(e);
}

void TextBox::keyPressEvent(QKeyEvent *e) {
    int code = keyCodeOf(e);
    if (KeyDown) {
        KeyDown(Index, code, e->modifiers());
        if (code == 0) return;
    }
    if (code == 9) return;  // no control takes part in a tab order
    QString typed = e->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && KeyPress) {
        KeyPress(Index, typed);
        if (typed.isEmpty()) return;
        if (typed != e->text()) {
            if (!isReadOnly()) insert(typed);
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void TextBox::focusInEvent(QFocusEvent *e) {
    QLineEdit::focusInEvent(e);
    // A box parked outside its screen only keeps the focus away from the
    // answers: screen readers are pointed at the screen instead.
    if (QWidget *w = window(); w != this && !w->rect().intersects(QRect(mapTo(w, QPoint(0, 0)), size()))) {
        QAccessibleEvent screen(w, QAccessible::Focus);
        QAccessible::updateAccessibility(&screen);
    }
    if (FocusChain *chain = FocusChain::of(this)) chain->focusedBox(this);
    if (GotFocus) GotFocus(Index);
}

void TextBox::mousePressEvent(QMouseEvent *e) {
    QLineEdit::mousePressEvent(e);
    dispatchPress(e);
}

void TextBox::mouseReleaseEvent(QMouseEvent *e) {
    QLineEdit::mouseReleaseEvent(e);
    dispatchRelease(e);
}

void TextBox::mouseMoveEvent(QMouseEvent *e) {
    QLineEdit::mouseMoveEvent(e);
    dispatchMove(e);
}

void TextBox::mouseDoubleClickEvent(QMouseEvent *e) {
    QLineEdit::mouseDoubleClickEvent(e);
    if (events.DblClick) events.DblClick(Index);
}

QRect TextBox::characterArea(int offset) const {
    const QString t = text();
    if (offset < 0 || offset >= t.size()) return QRect();
    // The text cursor's place, moved by the width of the text between it
    // and the offset (the box may have scrolled its text).
    const QFontMetrics metrics(font());
    const QRect cursor = cursorRect();
    const int x = cursor.center().x() + metrics.horizontalAdvance(t.left(offset)) -
                  metrics.horizontalAdvance(t.left(cursorPosition()));
    return QRect(x, cursor.top(), std::max(1, metrics.horizontalAdvance(t.mid(offset, 1))), cursor.height()) & rect();
}

void TextBox::cloneFrom(TextBox &other) {
    m_foreColor = other.m_foreColor;
    m_backColor = other.m_backColor;
    KeyDown = other.KeyDown;
    KeyPress = other.KeyPress;
    Change = other.Change;
    GotFocus = other.GotFocus;
    copyBaseFrom(other);
    setReadOnly(other.isReadOnly());
    setAlignment(other.alignment());
    setFrame(other.hasFrame());
    applyColours();
}

}  // namespace ui
