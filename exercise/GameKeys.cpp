#include "exercise/GameKeys.h"

#include "state/Misc.h"
#include "exercise/AnswerRules.h"
#include "rules/Catalogue.h"
#include "exercise/ReplayRule.h"
#include "rules/FocusRules.h"
#include "exercise/TileRules.h"
#include "exercise/frm_Game01.h"
#include "platform/msgbox.h"
#include "rules/PictureTexts.h"
#include "exercise/frm_Chybovy.h"
#include "ui/Keyboard.h"

#include <QKeyEvent>

#include <memory>

using namespace Misc;

namespace exercise {

namespace {

using RowKind = KeyRows;
RowKind rowKindOf(int n) { return spec(n).keys; }

bool endless(int n) { return spec(n).tiles.endless; }

ui::Hotspot *clockArea(frm_Game01 &f, int r) {
    return f.findChild<ui::Hotspot *>(QStringLiteral("clock%1").arg(r), Qt::FindDirectChildrenOnly);
}

// What the keyboard holds between keys: a picked-up tile, the option under
// the arrows in an open list.
struct KeyState {
    int heldTile = 0;
    int listChoice = 0;
};

QRect areaOf(QWidget *w, QWidget *form) { return QRect(w->mapTo(form, QPoint(0, 0)), w->size()); }

// The control a tile is dropped on for row r.
ui::ControlBase *dropTargetOf(frm_Game01 &f, int r) {
    if (exercise::isClocks(f.exercise())) return f.TextPred(r);
    return f.TVstup(r);
}

// The tile being carried, when the keyboard picked one up and it is still
// being carried.
int heldTile(frm_Game01 &f, KeyState &st) {
    if (st.heldTile && (!DragActive || f.PageChecked())) st.heldTile = 0;
    return st.heldTile;
}

// Puts a carried tile down where it lies (its start, or the row it lay on).
void putDown(frm_Game01 &f, KeyState &st) {
    const int k = heldTile(f, st);
    st.heldTile = 0;
    if (!k) return;
    ui::Label *word = f.LDown(k);
    f.LDown_MouseUp(k, Qt::LeftButton, word->width() / 2, word->height() / 2);
}

void pressTile(frm_Game01 &f, KeyState &st, int k) {
    const int held = heldTile(f, st);
    putDown(f, st);
    if (held == k) return;  // Enter on the carried tile puts it down again
    ui::Label *word = f.LDown(k);
    f.LDown_MouseDown(k, Qt::LeftButton, word->width() / 2, word->height() / 2);
    if (DragActive) st.heldTile = k;
}

// Drops the carried tile on row r: the tile is laid on the row's target and
// let go there, as the mouse would.
void dropOnRow(frm_Game01 &f, KeyState &st, int r) {
    const int k = heldTile(f, st);
    ui::ControlBase *target = dropTargetOf(f, r);
    if (!k || !target) return;
    st.heldTile = 0;
    ui::PictureBox *tile = f.picDown(k);
    tile->move(target->Left(), target->Top());
    f.LDown_MouseUp(k, Qt::LeftButton, 1, 1);
}

void stepSwitch(frm_Game01 &f, int r) {
    const int positions = exercise::switchPositions(f.exercise());
    const QString state = f.SwitchState[std::size_t(r)];
    const int now = state.isEmpty() ? 0 : state.right(1).toInt();
    f.Prepinac_MouseDown(now % positions + 1, r);
}

ui::ControlArray<ui::Label> &positions(frm_Game01 &f, int p) {
    return p == 1 ? f.Prepinac1 : p == 2 ? f.Prepinac2 : f.Prepinac3;
}

QList<ui::FocusItem> rowItems(frm_Game01 &f, const std::shared_ptr<KeyState> &st) {
    QList<ui::FocusItem> items;
    const int n = f.exercise();
    const bool unchecked = !f.PageChecked();
    auto add = [&](QWidget *w, std::function<void()> press = {}, bool typing = false) {
        if (!w) return;
        ui::FocusItem i;
        i.widget = w;
        i.press = std::move(press);
        i.typing = typing;
        items << i;
    };
    const int rows = std::clamp(int(ItemsOnPage), 0, 10);
    switch (rowKindOf(n)) {
    case RowKind::Typed: case RowKind::Listening:
        for (int r = 1; r <= rows && unchecked; ++r) {
            if (rowKindOf(n) == RowKind::Listening) add(f.Klakson(r));
            if (f.TVstup(r) && !f.TVstup(r)->Locked()) add(f.TVstup(r), {}, true);
        }
        break;
    case RowKind::List:
        for (int r = 1; r <= rows && unchecked; ++r)
            add(f.TVstup(r), [&f, st, r] {
                f.TVstup_MouseDown(r);
                st->listChoice = 0;
            });
        break;
    case RowKind::Switch:
        for (int r = 1; r <= rows && unchecked; ++r) {
            if (!f.Prepinac1(r)) continue;
            ui::FocusItem i;
            i.widget = f.Prepinac1(r);
            i.needsEnabled = false;  // the chosen position is disabled; the switch is not
            QRect area = areaOf(f.Prepinac1(r), &f);
            for (int p = 2; p <= exercise::switchPositions(n); ++p)
                if (ui::Label *l = positions(f, p)(r)) area |= areaOf(l, &f);
            i.area = area;
            i.press = [&f, r] { stepSwitch(f, r); };
            items << i;
        }
        break;
    case RowKind::Tiles:
        if (!unchecked) break;
        for (int r = 1; r <= rows; ++r) {
            QWidget *row = exercise::isClocks(n)   ? static_cast<QWidget *>(clockArea(f, r))
                           : exercise::isTopics(n) ? static_cast<QWidget *>(f.TextPred(r))
                                     : f.TVstup(r);
            add(row, [&f, st, r] { dropOnRow(f, *st, r); });
        }
        for (int k = 1; k <= 12; ++k)
            add(f.LDown(k), [&f, st, k] { pressTile(f, *st, k); });
        break;
    case RowKind::WordLists:
        if (f.Ex18Screen == frm_Game01::Ex18View::Lists || f.Ex18Screen == frm_Game01::Ex18View::OverviewDetails) {
            for (int row = 1; row <= 10; ++row)
                if (row != 1 && row != 6) add(f.TextPred(row));
        } else if (f.Ex18Screen == frm_Game01::Ex18View::Overview) {
            for (int k = 1; k <= 30; ++k) add(f.Vzor(k));
        } else if (f.Ex18Screen == frm_Game01::Ex18View::Solution) {
            for (int k = 1; k <= 30; ++k) add(f.IHodnoceni(k));
        }
        break;
    case RowKind::None: break;
    }
    // The wrong marks of a checked page show the right answer while held,
    // beside the mark (the mouse pointer may be anywhere).
    if (!exercise::isWordLists(n) && !unchecked)
        for (int r = 1; r <= rows; ++r) {
            ui::Image *mark = f.IHodnoceni(r);
            if (!mark) continue;
            ui::FocusItem i;
            i.widget = mark;
            i.press = [&f, r] {
                f.IHodnoceni_MouseDown(r);
                frm_Chybovy *hint = frm_Chybovy::existing();
                ui::Image *m = f.IHodnoceni(r);
                if (hint && m && hint->isVisible())
                    hint->move(answers::hintWindowPosition(m->mapToGlobal(m->rect().center()), hint->size()));
            };
            i.release = [&f, r] { f.IHodnoceni_MouseUp(r); };
            items << i;
        }
    return items;
}

bool isListRow(frm_Game01 &f, QWidget *w) {
    for (int r = 1; r <= 10; ++r)
        if (f.TVstup(r) && w == f.TVstup(r)) return true;
    return false;
}

bool listKeys(frm_Game01 &f, KeyState &st, QKeyEvent *e) {
    if (rowKindOf(f.exercise()) != RowKind::List) return false;
    const int key = e->key();
    const int options = std::clamp(int(ListOptionCount), 1, 4);
    if (!f.ListBox->isVisible()) {
        // Alt+Down opens the list of the row under the ring.
        if (key == Qt::Key_Down && (e->modifiers() & Qt::AltModifier) && !f.PageChecked()) {
            QWidget *w = f.keys()->current();
            if (!w || !isListRow(f, w)) return false;
            f.keys()->activate(w);
            return true;
        }
        return false;
    }
    switch (key) {
    case Qt::Key_Down: case Qt::Key_Up: {
        if (e->modifiers() & Qt::AltModifier) {
            if (key == Qt::Key_Up) f.ListBox->hide();
            return true;
        }
        const int step = key == Qt::Key_Down ? 1 : -1;
        st.listChoice = st.listChoice == 0 ? (step > 0 ? 1 : options) : std::clamp(st.listChoice + step, 1, options);
        f.Polozka_MouseMove(st.listChoice);
        return true;
    }
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Space:
        if (!e->isAutoRepeat() && st.listChoice > 0) f.Polozka_MouseDown(st.listChoice);
        st.listChoice = 0;
        return true;
    case Qt::Key_Escape:
        f.ListBox->hide();
        st.listChoice = 0;
        return true;
    case Qt::Key_Tab: case Qt::Key_Backtab:
        f.ListBox->hide();
        st.listChoice = 0;
        return false;  // and the ring moves on
    default: return true;  // the open list takes the keys
    }
}

bool tileKeys(frm_Game01 &f, KeyState &st, QKeyEvent *e) {
    if (rowKindOf(f.exercise()) != RowKind::Tiles) return false;
    const int key = e->key();
    if (key == Qt::Key_Escape && heldTile(f, st)) {
        putDown(f, st);
        return true;
    }
    // Delete takes a tile lying on a row back to its place.
    if ((key == Qt::Key_Delete || key == Qt::Key_Backspace) && !endless(f.exercise())) {
        QWidget *w = f.keys()->current();
        for (int k = 1; k <= 12; ++k)
            if (w && f.LDown(k) && w == f.LDown(k)) {
                if (heldTile(f, st) == k) st.heldTile = 0;
                f.LDown_DblClick(k);
                return true;
            }
    }
    return false;
}

// What the pupil has put on the page, row by row (exercise 18: every list
// of the run).
QStringList pageAnswers(frm_Game01 &f) {
    QStringList out;
    const answers::CheckRule rule = answers::checkRuleFor(f.exercise());
    if (rule == answers::CheckRule::List) {
        for (const QString &chosen : f.Ex18Chosen) out << chosen;
        return out;
    }
    for (int r = 1; r <= std::clamp(int(ItemsOnPage), 0, 10); ++r) {
        switch (rule) {
        case answers::CheckRule::Label: out << (f.TextPred(r) ? f.TextPred(r)->Tag : QString()); break;
        case answers::CheckRule::Tile: out << (f.TVstup(r) ? f.TVstup(r)->Tag : QString()); break;
        default: out << (f.TVstup(r) ? f.TVstup(r)->Text() : QString()); break;
        }
    }
    return out;
}

// Esc on the exercise: back to the setup screen, after asking when the
// page holds answers that would be lost.
void leaveByEscape(frm_Game01 &f) {
    if (!f.PicTop(4) || !f.PicTop(4)->isEnabled()) return;
    if (exercise::leavingAsksFirst(pageAnswers(f)) &&
        platform::msgBox(exercise::leaveQuestion(), exercise::leaveCaption(), platform::MsgIcon::Question,
                         platform::MsgButtons::YesNo) != platform::MsgResult::Yes)
        return;
    f.PicTop_MouseDown(4);
}

QString rowText(frm_Game01 &f, int r) {
    QString before = f.TextPred(r) ? f.TextPred(r)->Caption().trimmed() : QString();
    QString after = f.TextZa(r) && f.TextZa(r)->isVisibleTo(&f) ? f.TextZa(r)->Caption().trimmed() : QString();
    const QString text = (before + QStringLiteral(" … ") + after).trimmed();
    return text == QStringLiteral("…") ? QStringLiteral("Řádek %1").arg(r) : QStringLiteral("Řádek %1: %2").arg(r).arg(text);
}

bool describe(frm_Game01 &f, QWidget *w, QString &name, QAccessible::Role &role) {
    const int n = f.exercise();
    for (int r = 1; r <= 5; ++r)
        if (w == clockArea(f, r)) {
            name = f.TextPred(r) && !f.TextPred(r)->Tag.isEmpty()
                       ? QStringLiteral("Hodiny %1: %2").arg(r).arg(f.TextPred(r)->Tag)
                       : QStringLiteral("Hodiny %1").arg(r);
            role = QAccessible::Button;
            return true;
        }
    auto as = [&](const QString &text, QAccessible::Role r) {
        name = text;
        role = r;
        return true;
    };
    static const char *const toolbar[5] = {"", "Zkontroluj", "Nová stránka", "Výsledky", "Zpět"};
    for (int i = 1; i <= 4; ++i)
        if (f.PicTop(i) && w == f.PicTop(i)) return as(QString::fromUtf8(toolbar[i]), QAccessible::Button);
    if (w == f.picPokracuj) return as(QStringLiteral("Pokračuj"), QAccessible::Button);
    for (int r = 1; r <= 30; ++r) {
        if (r <= 10 && f.TVstup(r) && w == f.TVstup(r)) {
            switch (rowKindOf(n)) {
            case RowKind::List: return as(rowText(f, r), QAccessible::ComboBox);
            case RowKind::Typed: case RowKind::Listening:
                if (exercise::spec(n).form == exercise::RowForm::Translation)
                    return as(QStringLiteral("Překlad: %1").arg(f.TextPred(r)->Caption().trimmed()),
                              QAccessible::EditableText);
                return as(rowText(f, r), QAccessible::EditableText);
            case RowKind::Tiles: return as(rowText(f, r), QAccessible::Button);  // a tile is dropped on it
            default: return as(rowText(f, r), QAccessible::StaticText);
            }
        }
        if (r <= 10 && f.TextPred(r) && w == f.TextPred(r)) {
            // Exercise 19's labels hold the answer: they are read as the clock.
            if (exercise::isClocks(n)) return as(QStringLiteral("Hodiny %1").arg(r), QAccessible::Button);
            if (exercise::isTopics(n)) return as(f.TextPred(r)->Caption().trimmed(), QAccessible::Button);
            if (exercise::isWordLists(n) && r != 1 && r != 6) {
                w->setProperty("tutorixChecked", f.TextPred(r)->ForeColor() == QColor(Qt::white));
                return as(f.TextPred(r)->Caption().trimmed(), QAccessible::RadioButton);
            }
            return as(f.TextPred(r)->Caption().trimmed(), QAccessible::StaticText);
        }
        if (f.Vzor(r) && w == f.Vzor(r))
            return as(f.Vzor(r)->Caption().trimmed(), exercise::isWordLists(n) ? QAccessible::Button : QAccessible::StaticText);
        if (f.IHodnoceni(r) && w == f.IHodnoceni(r)) {
            const bool wrong = f.IHodnoceni(r)->isEnabled();
            return as(wrong ? QStringLiteral("Špatně, řádek %1: ukázat správnou odpověď").arg(r)
                            : QStringLiteral("Správně, řádek %1").arg(r),
                      QAccessible::Button);
        }
        if (r <= 10 && f.Klakson(r) && w == f.Klakson(r))
            return as(exercise::loudspeakerName(r, f.Replay.next(r)), QAccessible::Button);
        if (r <= 10)
            for (int p = 1; p <= 3; ++p)
                if (positions(f, p)(r) && w == positions(f, p)(r)) {
                    w->setProperty("tutorixChecked", f.SwitchState[std::size_t(std::min(r, 5))] ==
                                                         QStringLiteral("Prepinac%1").arg(p));
                    const QString word = positions(f, p)(r)->Tag;
                    return as(word.isEmpty() ? QStringLiteral("Přepínač %1, poloha %2").arg(r).arg(p) : word,
                              QAccessible::RadioButton);
                }
        if (r <= 12 && f.LDown(r) && w == f.LDown(r)) {
            const QString word = endless(n) ? fixedTileWord(n, r) : f.LDown(r)->Caption().trimmed();
            return as(word.isEmpty() ? QStringLiteral("Kartička %1").arg(r) : word, QAccessible::Button);
        }
        if (r <= 4 && f.Polozka(r) && w == f.Polozka(r)) return as(f.Polozka(r)->Caption(), QAccessible::ListItem);
    }
    return false;
}

}  // namespace

void updateKeyAreas(frm_Game01 &f) {
    // A clock and the slot beside it where its phrase is laid.
    static const QPoint centres[6] = {{0, 0}, {312, 132}, {555, 205}, {312, 278}, {555, 351}, {312, 424}};
    for (int r = 1; r <= 5; ++r) {
        ui::Hotspot *area = clockArea(f, r);
        const bool used = exercise::isClocks(f.exercise()) && r <= ItemsOnPage && f.TextPred(r);
        if (used) area->setGeometry(QRect(centres[r] - QPoint(32, 32), QSize(64, 64)) | f.TextPred(r)->geometry());
        area->setVisible(used);
    }
}

void setUpExerciseKeys(frm_Game01 &f) {
    for (int r = 1; r <= 5; ++r) {
        auto *clock = new ui::Hotspot(&f, QRect(), QString());
        clock->setObjectName(QStringLiteral("clock%1").arg(r));
        clock->hide();
    }
    // The exercise's help is the form's top-left picture.
    auto *help = new ui::Hotspot(&f, QRect(7, 7, 225, 65), QStringLiteral("Nápověda ke cvičení"));
    auto st = std::make_shared<KeyState>();
    ui::FocusChain *keys = f.keys();
    keys->items = [&f, help, st] {
        QList<ui::FocusItem> items;
        ui::FocusItem h;
        h.widget = help;
        h.press = [&f] { f.Form_MouseDown(Qt::LeftButton, 100, 40); };
        items << h;
        for (int i = 1; i <= 4; ++i)
            if (f.PicTop(i)) {
                ui::FocusItem t;
                t.widget = f.PicTop(i);
                items << t;
            }
        items << rowItems(f, st);
        ui::FocusItem next;
        next.widget = f.picPokracuj;
        items << next;
        // Reading order over the whole page: rows, the tiles beside them and
        // the marks come line by line.
        QList<QRect> areas;
        for (const ui::FocusItem &i : items) areas << (i.area.isValid() ? i.area : areaOf(i.widget, &f));
        QList<ui::FocusItem> ordered;
        for (int i : ui::readingOrder(areas)) ordered << items[i];
        return ordered;
    };
    keys->escape = [&f, st] {
        putDown(f, *st);
        leaveByEscape(f);
    };
    keys->title = [&f] {
        return QStringLiteral("Cvičení %1: %2").arg(f.exercise()).arg(ExerciseTitle);
    };
    keys->description = [&f] {
        QString d = screens::picturetext::taskLine(f.exercise());
        if (f.PageChecked())
            d += QStringLiteral(" Stránka je zkontrolovaná. Zatím správně %1, špatně %2.").arg(CorrectCount).arg(WrongCount);
        return d;
    };
    keys->keyHook = [&f, st](QKeyEvent *e) { return listKeys(f, *st, e) || tileKeys(f, *st, e); };
    keys->describe = [&f](QWidget *w, QString &name, QAccessible::Role &role) { return describe(f, w, name, role); };
}

}  // namespace exercise
