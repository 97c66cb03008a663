#include "ui/Accessible.h"

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Keyboard.h"
#include "ui/Scene.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace ui {

namespace {

const char *const kSelectedProperty = "tutorixSelected";

bool isInteractive(QAccessible::Role r) {
    switch (r) {
    case QAccessible::Button: case QAccessible::CheckBox: case QAccessible::RadioButton:
    case QAccessible::ComboBox: case QAccessible::EditableText: case QAccessible::ListItem:
    case QAccessible::PageTab: case QAccessible::Link:
        return true;
    default: return false;
    }
}

TableArea *tableOf(QWidget *w) { return w ? qobject_cast<TableArea *>(w->parentWidget()) : nullptr; }

// Positions: Qt gives widgets' places in scene pixels; readers want the
// device pixels of the screen.
QRect deviceRect(QWidget *w) {
    if (!w || !w->isVisible()) return QRect();
    return desktopToDevice(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
}

class ControlAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    ControlAccessible(QWidget *w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    // The screen's own description, when it has one for this control.
    bool described(QString &name, QAccessible::Role &role) const {
        FocusChain *chain = FocusChain::of(widget());
        return chain && chain->describe && chain->describe(widget(), name, role);
    }

    int tableRow() const {
        int row = -1, column = -1;
        TableArea *t = tableOf(widget());
        return t && t->find(widget(), row, column) ? row : -1;
    }

    QAccessible::Role role() const override {
        if (tableRow() >= 0) return QAccessible::Cell;
        QString name;
        QAccessible::Role r = accessibleRoleOf(widget());
        described(name, r);
        return r;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        // Controls parked outside the screen (pictures kept for later, the
        // box that takes the focus away from the answers) cannot be seen.
        QWidget *w = widget();
        if (!QRect(QPoint(0, 0), w->window()->size()).intersects(QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()))) {
            s.invisible = true;
            s.offscreen = true;
        }
        if (isInteractive(role())) {
            // The element Enter acts on, whether or not the ring is shown.
            s.focusable = true;
            FocusChain *chain = FocusChain::of(w);
            s.focused = chain && chain->current() == w && w->isVisible();
            if (qobject_cast<TextBox *>(w)) s.focused = w->hasFocus();
        }
        if (s.offscreen) s.focusable = s.focused = false;
        const QVariant checked = widget()->property("tutorixChecked");
        if (checked.isValid()) {
            s.checkable = true;
            s.checked = checked.toBool();
        }
        const QVariant selected = widget()->property(kSelectedProperty);
        if (selected.isValid()) {
            s.selectable = true;
            s.selected = selected.toBool();
        }
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            if (auto *box = qobject_cast<TextBox *>(widget())) return box->text();
        if (t == QAccessible::Name) {
            QString name;
            QAccessible::Role r = QAccessible::NoRole;
            if (described(name, r)) return name;
            name = widget()->accessibleName();
            if (name.isEmpty())
                if (auto *label = qobject_cast<Label *>(widget())) name = label->Caption().trimmed();
            return name;
        }
        return QAccessibleWidget::text(t);
    }

    QRect rect() const override { return deviceRect(widget()); }
    QAccessibleInterface *childAt(int x, int y) const override {
        const QPoint p = deviceToDesktop(QPoint(x, y));
        return QAccessibleWidget::childAt(p.x(), p.y());
    }

    QStringList actionNames() const override {
        if (isInteractive(role()) && role() != QAccessible::EditableText) return {pressAction()};
        return QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override {
        if (action == pressAction() && isInteractive(role())) {
            if (FocusChain *chain = FocusChain::of(widget())) chain->activate(widget());
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    void *interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface && tableRow() >= 0)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // ---- A cell of a TableArea --------------------------------------------
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override {
        int row = -1, column = -1;
        TableArea *t = tableOf(widget());
        return t && t->find(widget(), row, column) ? column : -1;
    }
    int rowIndex() const override { return tableRow(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return QAccessible::queryAccessibleInterface(tableOf(widget())); }
};

// A text box: its text can be read character by character, word by word and
// line by line, and edited while the box takes typing.
class TextBoxAccessible : public ControlAccessible,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(TextBox *box) : ControlAccessible(box, accessibleRoleOf(box)) {}

    TextBox *box() const { return static_cast<TextBox *>(widget()); }

    bool readable() const { return role() == QAccessible::EditableText; }
    // Typing goes only where the keyboard may type: not into a locked box,
    // nor into a box a screen fills by tiles or lists.
    bool editable() const {
        if (!readable() || box()->isReadOnly() || !box()->isEnabled()) return false;
        FocusChain *chain = FocusChain::of(box());
        return !chain || !chain->items || chain->isTypingElement(box());
    }

    void *interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface && readable()) return static_cast<QAccessibleTextInterface *>(this);
        if (t == QAccessible::EditableTextInterface && editable())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return ControlAccessible::interface_cast(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = ControlAccessible::state();
        if (readable()) {
            s.editable = editable();
            s.readOnly = !s.editable;
            s.selectableText = true;
        }
        return s;
    }

    // ---- Text ---------------------------------------------------------------
    void selection(int index, int *start, int *end) const override {
        *start = *end = 0;
        if (index != 0 || !box()->hasSelectedText()) return;
        *start = box()->selectionStart();
        *end = *start + int(box()->selectedText().size());
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) box()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index != 0) return;
        start = clampOffset(start);
        end = clampOffset(end);
        box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(clampOffset(position)); }
    QString text(int start, int end) const override {
        start = clampOffset(start);
        end = end < 0 ? characterCount() : clampOffset(end);
        return end > start ? box()->text().mid(start, end - start) : QString();
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override {
        const QRect r = box()->characterArea(offset);
        return r.isEmpty() ? QRect() : desktopToDevice(QRect(box()->mapToGlobal(r.topLeft()), r.size()));
    }
    int offsetAtPoint(const QPoint &point) const override {
        const QPoint p = box()->mapFromGlobal(deviceToDesktop(point));
        if (!box()->rect().contains(p)) return -1;
        return box()->cursorPositionAt(p);
    }
    void scrollToSubstring(int start, int end) override {
        box()->setCursorPosition(clampOffset(end));
        box()->setCursorPosition(clampOffset(start));
    }
    QString attributes(int offset, int *start, int *end) const override {
        *start = 0;
        *end = characterCount();
        (void)offset;
        return QString();
    }

    // ---- Editing --------------------------------------------------------------
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override {
        if (!editable()) return;
        start = clampOffset(start);
        end = std::max(start, clampOffset(end));
        QString t = box()->text();
        t.replace(start, end - start, text);
        box()->setText(t);
        box()->setCursorPosition(start + int(text.size()));
    }

private:
    int clampOffset(int offset) const { return std::clamp(offset, 0, characterCount()); }
};

// A screen: a window (a frame to AT-SPI) named and described by its focus
// chain.
class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(Form *form) : QAccessibleWidget(form, QAccessible::Window) {}

    QAccessible::Role role() const override {
        const QVariant v = widget()->property("tutorixAccessibleRole");
        return v.isValid() ? QAccessible::Role(v.toInt()) : QAccessible::Window;
    }

    QString text(QAccessible::Text t) const override {
        FocusChain *chain = static_cast<Form *>(widget())->keys();
        if (t == QAccessible::Name) {
            QString name = chain && chain->title ? chain->title() : QString();
            if (name.isEmpty()) name = widget()->accessibleName();
            return name.isEmpty() ? widget()->windowTitle() : name;
        }
        if (t == QAccessible::Description) {
            const QString d = chain && chain->description ? chain->description() : QString();
            return d.isEmpty() ? widget()->accessibleDescription() : d;
        }
        return QAccessibleWidget::text(t);
    }

    QRect rect() const override { return deviceRect(widget()); }
    QAccessibleInterface *childAt(int x, int y) const override {
        const QPoint p = deviceToDesktop(QPoint(x, y));
        return QAccessibleWidget::childAt(p.x(), p.y());
    }

    // The controls of the screen; the focus ring is only a picture of where
    // the focus is.
    int childCount() const override { return int(controls().size()); }
    QAccessibleInterface *child(int index) const override {
        const QList<QWidget *> c = controls();
        return index >= 0 && index < c.size() ? QAccessible::queryAccessibleInterface(c[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
        return int(controls().indexOf(static_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> controls() const {
        QList<QWidget *> out;
        for (QObject *o : widget()->children()) {
            if (!o->isWidgetType()) continue;
            auto *w = static_cast<QWidget *>(o);
            if (!w->isWindow() && w->objectName() != QLatin1String("tutorixFocusRing")) out << w;
        }
        return out;
    }
};

// A TableArea: its cells in rows, read with the column headings.
class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TableAccessible(TableArea *t) : QAccessibleWidget(t, QAccessible::Table) {}

    TableArea *area() const { return static_cast<TableArea *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface *child(int index) const override {
        const int columns = columnCount();
        if (columns == 0 || index < 0 || index >= childCount()) return nullptr;
        return cellAt(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        int row = -1, column = -1;
        if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
        if (!area()->find(static_cast<QWidget *>(child->object()), row, column) || row >= rowCount()) return -1;
        return row * columnCount() + column;
    }
    QAccessibleInterface *childAt(int x, int y) const override {
        const QPoint p = deviceToDesktop(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface *c = child(i);
            if (c && c->object() && static_cast<QWidget *>(c->object())->isVisible() &&
                QRect(static_cast<QWidget *>(c->object())->mapToGlobal(QPoint(0, 0)),
                      static_cast<QWidget *>(c->object())->size())
                    .contains(p))
                return c;
        }
        return nullptr;
    }
    QRect rect() const override {
        QRect r;
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface *c = child(i)) r |= c->rect();
        return r;
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override {
        QWidget *w = area()->cellAt(row, column);
        return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return column >= 0 && column < columnCount() ? area()->columns.at(column) : QString();
    }
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return area()->columnCount(); }
    int rowCount() const override { return area()->rowCount(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}
};

// The program's message boxes are Qt's own widgets: read by their title,
// text and buttons, placed in device pixels like the screens (push buttons
// of any dialog too).
class DialogAccessible : public QAccessibleWidget {
public:
    explicit DialogAccessible(QWidget *w) : QAccessibleWidget(w, roleOf(w)) {}

    static QAccessible::Role roleOf(QWidget *w) {
        if (qobject_cast<QMessageBox *>(w)) return QAccessible::AlertMessage;
        if (qobject_cast<QAbstractButton *>(w)) return QAccessible::Button;
        if (auto *label = qobject_cast<QLabel *>(w)) return label->text().isEmpty() ? QAccessible::Graphic : QAccessible::StaticText;
        return QAccessible::Client;
    }

    QString text(QAccessible::Text t) const override {
        QWidget *w = widget();
        if (t == QAccessible::Name) {
            if (auto *b = qobject_cast<QAbstractButton *>(w)) return QString(b->text()).remove(QLatin1Char('&'));
            if (auto *l = qobject_cast<QLabel *>(w); l && !l->text().isEmpty()) return l->text();
            if (auto *box = qobject_cast<QMessageBox *>(w->window()); box && qobject_cast<QLabel *>(w)) {
                // The box's icon.
                switch (box->icon()) {
                case QMessageBox::Question: return QStringLiteral("Otázka");
                case QMessageBox::Critical: return QStringLiteral("Chyba");
                case QMessageBox::Warning: return QStringLiteral("Upozornění");
                case QMessageBox::Information: return QStringLiteral("Informace");
                default: break;
                }
            }
            if (qobject_cast<QMessageBox *>(w)) return w->windowTitle();
        }
        if (t == QAccessible::Description)
            if (auto *box = qobject_cast<QMessageBox *>(w)) return box->text();
        return QAccessibleWidget::text(t);
    }

    QRect rect() const override { return deviceRect(widget()); }
    QAccessibleInterface *childAt(int x, int y) const override {
        const QPoint p = deviceToDesktop(QPoint(x, y));
        return QAccessibleWidget::childAt(p.x(), p.y());
    }

    QStringList actionNames() const override {
        if (qobject_cast<QAbstractButton *>(widget())) return {pressAction()};
        return QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override {
        if (auto *b = qobject_cast<QAbstractButton *>(widget()); b && action == pressAction()) {
            b->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *toolkitFactory(const QString &, QObject *object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto *w = static_cast<QWidget *>(object);
    // A push button gets its interface before a message box takes it in.
    if (qobject_cast<QMessageBox *>(w->window()) || qobject_cast<QPushButton *>(w)) return new DialogAccessible(w);
    if (auto *box = qobject_cast<TextBox *>(w)) return new TextBoxAccessible(box);
    if (auto *table = qobject_cast<TableArea *>(w)) return new TableAccessible(table);
    if (auto *form = qobject_cast<Form *>(w)) return new FormAccessible(form);
    const bool ours = qobject_cast<PictureBox *>(w) || qobject_cast<Image *>(w) || qobject_cast<Label *>(w) ||
                      qobject_cast<Hotspot *>(w);
    return ours ? new ControlAccessible(w, accessibleRoleOf(w)) : nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(toolkitFactory);
        return true;
    }();
    (void)installed;
}

void setAccessibleSelected(QWidget *w, bool selected) {
    if (w) w->setProperty(kSelectedProperty, selected);
}

// ---- TableArea ----------------------------------------------------------------

TableArea::TableArea(QWidget *parent, const QString &name) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    if (parent) setGeometry(parent->rect());
    setAccessibleName(name);
}

QWidget *TableArea::cellAt(int row, int column) const {
    if (!cell || row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    return cell(row, column);
}

bool TableArea::find(QWidget *w, int &row, int &column) const {
    if (!w || !cell) return false;
    const int rows = rowCount(), columns = columnCount();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            if (cell(r, c) == w) {
                row = r;
                column = c;
                return true;
            }
    return false;
}

}  // namespace ui
