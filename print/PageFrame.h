// The worksheet page frame and drawing primitives, printed onto the running
// print job (PrintJob::current()) in millimetres on A4.
#pragma once

#include "print/LayoutMath.h"
#include "print/RowLayouts.h"

#include <QString>

namespace print {

// Header (titles, name line with the pupil's name), the two rules and the
// footer (product, date, page).
void PrintPageFrame(const QString &title, const QString &subtitle, const QString &name, const QString &page);

// The instruction text wrapped into lines of at most 190 mm at 12 pt.
InstructionLines WrapInstructions(const QString &text);
// Prints the lines in 12 pt italic from y = 30 mm, 5 mm apart; returns the
// top of the item area in mm.
int PrintInstructions(const InstructionLines &lines);

// Up to three segments on one line in the current size, regular, each 1 mm
// after the previous one.
void PrintItemLine(const ItemLine &line);
void PrintCircle(double x, double y, double r);
void PrintClock(int hours, int minutes, double cx, double cy);

// Everything of one row or block.
void printItemRow(const RowContent &row);

}  // namespace print
