// Word tiles (exercises 1, 5, 6, 19, 21): pressing, dragging with the tile
// following the mouse, dropping onto a row, and the double-click that takes a
// word back. The widget-free rules they rest on are in TileRules.cpp.
#include "state/Misc.h"
#include "state/Services.h"
#include "exercise/TileRules.h"
#include "rules/ExerciseSpec.h"
#include "exercise/frm_Game01.h"

#include <cmath>

using namespace Misc;

namespace {
// Mouse icon codes of the tiles (HoverCode).
constexpr std::uint8_t kTileHover = 10;
}  // namespace

void frm_Game01::connectTileSwitchHandlers() {
    ui::Label *word = LDown(1);
    word->events.MouseDown = [this](int k, Qt::MouseButton button, int x, int y) { LDown_MouseDown(k, button, x, y); };
    word->events.MouseMove = [this](int k, Qt::MouseButtons buttons, int x, int y) {
        LDown_MouseMove(k, buttons, x, y);
    };
    word->events.MouseUp = [this](int k, Qt::MouseButton button, int x, int y) { LDown_MouseUp(k, button, x, y); };
    word->events.DblClick = [this](int k) { LDown_DblClick(k); };
    // Tiles 2 ... 12 exist from the start; each needs the handlers too.
    for (int k = 2; k <= 12; ++k)
        if (ui::Label *l = LDown(k)) l->events = word->events;
    connectSwitchHandlers();
    connectListeningHandlers();
}

bool frm_Game01::pageUnchecked() const { return PicTop(1) && PicTop(1)->isEnabled(); }

bool frm_Game01::endlessTiles() const { return exercise::spec(m_exercise).tiles.endless; }

void frm_Game01::LDown_MouseDown(int k, Qt::MouseButton, int x, int y) {
    if (!pageUnchecked() || !LDown(k) || !LDown(k)->isEnabled()) return;
    PlayClickSound();
    DragActive = true;
    DragStartX = x;
    DragStartY = y;
    if (endlessTiles()) LDown(k)->setCaption(exercise::fixedTileWord(m_exercise, k));
    LDown(k)->setBackColor(Qt::white);
    LDown(k)->setBackStyle(ui::BackStyle::Opaque);
    m_dragTile = k;
}

void frm_Game01::LDown_MouseMove(int k, Qt::MouseButtons, int x, int y) {
    if (!LDown(k)) return;
    if (!pageUnchecked()) {
        LDown(k)->setMouseIcon(CursorArrow);
        return;
    }
    LDown(k)->setMouseIcon(CursorHand);
    if (HoverCode != kTileHover) {
        PlayHoverSound();
        HoverCode = kTileHover;
    }
    // Only the tile that was pressed follows the mouse.
    if (DragActive && m_dragTile == k) {
        ui::PictureBox *tile = picDown(k);
        tile->move(tile->x() + (x - int(DragStartX)), tile->y() + (y - int(DragStartY)));
        tile->raise();
    }
}

void frm_Game01::returnTile(int k) {
    ui::PictureBox *tile = picDown(k);
    tile->hide();
    if (endlessTiles()) {
        LDown(k)->setCaption(QString());
        LDown(k)->setBackStyle(ui::BackStyle::Transparent);
    }
    tile->move(int(TileStart[std::size_t(k)][0]), int(TileStart[std::size_t(k)][1]));
    tile->show();
}

ui::ControlBase *frm_Game01::dropTarget(int r) {
    if (exercise::isClocks(m_exercise)) return TextPred(r);
    return TVstup(r);
}

QString &frm_Game01::answerCarrier(int r) {
    // Exercise 19 keeps the dropped phrase in the clock label's Tag, 21 in
    // the hidden box's Tag; both are what the check compares.
    if (exercise::isClocks(m_exercise)) return TextPred(r)->Tag;
    return TVstup(r)->Tag;
}

int frm_Game01::tilesOnPage() const {
    if (exercise::isClocks(m_exercise)) return std::min(12, 2 * ItemsOnPage);
    return std::min(12, int(ItemsOnPage));
}

void frm_Game01::LDown_MouseUp(int k, Qt::MouseButton, int x, int y) {
    if (!pageUnchecked() || !DragActive || m_dragTile != k) return;
    DragActive = false;
    m_dragTile = 0;
    ui::PictureBox *tile = picDown(k);
    DropX = x + tile->x();
    DropY = y + tile->y();

    std::vector<QRect> targets;
    for (int r = 1; r <= ItemsOnPage; ++r) {
        ui::ControlBase *t = dropTarget(r);
        if (!t) break;
        targets.emplace_back(t->Left(), t->Top(), t->Width(), t->Height());
    }
    const int r = exercise::dropRow(targets, tile->geometry(), QPoint(int(DropX), int(DropY)));
    if (r == 0) {
        // A placed word taken away from its row no longer answers it.
        if (!endlessTiles()) clearCarriersOf(k);
        returnTile(k);
        return;
    }

    if (endlessTiles()) {
        QString word = LDown(k)->Caption();
        if (exercise::startsSentence(TextPred(r)->Caption())) word = exercise::withCapital(word);
        TVstup(r)->setText(word);
        TVstup(r)->setForeColor(Qt::black);
        returnTile(k);
        return;
    }

    // Exercises 19 and 21: the tile lies on the row. A word moved from one
    // row to another leaves the first row empty; a tile already lying on the
    // row goes back to its column.
    clearCarriersOf(k);
    ui::ControlBase *target = dropTarget(r);
    const QPoint place = exercise::isClocks(m_exercise) ? QPoint(target->Left() + 4, target->Top() + 3)
                                          : QPoint(target->Left(), target->Top());
    QString &carrier = answerCarrier(r);
    const int previous = m_rowTile[std::size_t(r)];
    if (previous && previous != k) returnTile(previous);
    tile->move(place);
    carrier = LDown(k)->Caption();
    m_rowTile[std::size_t(r)] = k;
}

void frm_Game01::clearCarriersOf(int k) {
    for (int r = 1; r <= 10; ++r) {
        if (m_rowTile[std::size_t(r)] != k) continue;
        m_rowTile[std::size_t(r)] = 0;
        if (dropTarget(r)) answerCarrier(r).clear();
    }
}

void frm_Game01::LDown_DblClick(int k) {
    if (!LDown(k)) return;
    // A double-click ends any drag the press started.
    if (m_dragTile == k) {
        DragActive = false;
        m_dragTile = 0;
    }
    if (!endlessTiles()) clearCarriersOf(k);
    returnTile(k);
}

void frm_Game01::ClearPlacedTiles() {
    // A new page: nothing lies on any row, so no word of the previous page
    // can count on this one.
    for (int r = 1; r <= 10; ++r) {
        if (exercise::isClocks(m_exercise) && TextPred(r)) TextPred(r)->Tag.clear();
        if (exercise::isTopics(m_exercise) && TVstup(r)) TVstup(r)->Tag.clear();
    }
    m_rowTile.fill(0);
    DragActive = false;
    m_dragTile = 0;
}
