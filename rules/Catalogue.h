// The catalogue of the 24 exercises as plain rules: page groups and
// backgrounds, row steps, the listening grid, tile places and outlines, the
// help area, the focus rule and how many records a run needs. The exercise
// form applies them; keeping them free of widgets lets them be tested alone.
#pragma once

#include "rules/ExerciseSpec.h"

#include <QPoint>
#include <QPolygon>
#include <QString>

namespace exercise {

// Rows on a full page.
enum class PageGroup { Ten, Five, Two };
PageGroup pageGroupOf(int exercise);

// Rows of the first page for a run of questionCount items.
int itemsOnFirstPage(int exercise, int questionCount);
// The background of a page with itemsOnPage rows, relative to MediaDir
// ("Bitmap\Games\05_bckg5.bmp").
QString backgroundOf(int exercise, int itemsOnPage);

// Vertical distance between rows created under row 1 (0 where the exercise
// places its rows another way: 18, 19's labels, the 22/23 grid).
int rowStepOf(int exercise);

// Offset of the cell of row i (1 ... 10) from row 1 in the listening grid of
// exercises 22 and 23.
QPoint listeningGridOffset(int row);

// Word tiles: whether tile k (1 ... 12) is used by the exercise, and where it
// rests. designPlace is the tile's design-time place.
bool tileUsed(int exercise, int tile);
QPoint designTilePlace(int tile);
QPoint tilePlace(int exercise, int tile);
int tileWidth(int exercise);
// The 16-point outline of a tile of width w: chamfered corners, slightly
// bulging right edge, 20 pixels high.
QPolygon tileOutline(int width);

// The area of the form's top-left picture that opens the exercise's help.
bool inHelpArea(int x, int y);

// Where Form_Activate puts the focus.
FocusRule focusRuleOf(int exercise);

// Drop-down list options per row (3 or 4), 0 for exercises without a list.
int listOptionCountOf(int exercise);

// How many different records a run of the exercise draws (exercise 18 draws
// every list of a run at once, exercise 19 two phrases per clock of a page),
// and how many the content (TopicRecords for 21) must therefore hold: the
// draw ends only when it finds a number not drawn yet, so one must stay free.
int recordsDrawnByRun(int exercise, int questionCount, int itemsOnPage);
int recordsNeeded(int exercise, int questionCount, int itemsOnPage);

// The content file of the exercise ("7.dat").
QString contentFileOf(int exercise);

}  // namespace exercise
