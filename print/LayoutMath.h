// Worksheet geometry and draws that need no printer: millimetres on A4 to
// device units, the wrapping of the instruction text, the top of the item
// area, page counts, the clock hands and the random orders of items and
// choices. Everything here is a plain function so it can be checked alone.
#pragma once

#include <QPointF>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace print {

// A4 in millimetres.
inline constexpr double kPageWidthMm = 210.0;
inline constexpr double kPageHeightMm = 297.0;

// Millimetres across / down the page in units of a drawing area of the given
// width / height: the layout stretches to the printable area in use.
double pageX(double mm, double areaWidth);
double pageY(double mm, double areaHeight);

// The instruction text in at most five lines. measure(t) gives the printed
// width of t in the same units as maxWidth. Words are split at single spaces
// (empty words skipped, at most 600 words); every word is followed by one
// space, and a word that would push its line past maxWidth moves to the next
// line. A word wider than maxWidth stands alone on its line rather than
// leaving lines empty; words that no longer fit the fifth line are kept on
// it, so no part of the instruction is lost.
using InstructionLines = std::array<QString, 5>;
InstructionLines wrapInstructions(const QString &text, double maxWidth,
                                  const std::function<double(const QString &)> &measure);

// The text as it fits maxWidth (measured by measure, in the same units): whole
// when it fits, else its longest beginning that fits with "…" after it
// (spaces before the "…" dropped); just "…" when nothing more fits.
QString elideToWidth(const QString &text, double maxWidth, const std::function<double(const QString &)> &measure);

// Line k (1 ... 5) of the instructions is printed at this y (mm).
double instructionLineY(int k);
// The top of the item area (mm): 7 mm below the last non-empty line
// (37, 42, 47, 52 or 57); 32 when there is no instruction at all.
int itemAreaTop(const InstructionLines &lines);

// What the worksheet of an exercise prints (texts are TextTable numbers).
struct WorksheetPlan {
    int titleText = 0;
    int subtitleText = 0;
    int instructionText = 0;
    std::array<int, 5> pages{};  // for 10, 15, 20, 25, 30 questions
    int rowsPerPage = 0;
    int positionsPerQuestion = 1;  // total positions = this x QuestionCount
};
// The worksheet of exercise 1 ... 21; nullptr for the others.
const WorksheetPlan *worksheetPlan(int exercise);
// Pages for a question count (10, 15, 20, 25, 30); 0 for another count.
int pagesForCount(const WorksheetPlan &plan, int questionCount);

// Rounds to a whole number, halves to the even neighbour (44.5 -> 44).
int roundHalfEven(double v);

// End points (mm) of the clock hands for hours:minutes on a clock centred at
// (cx, cy): minute hand 8 mm, hour hand 5 mm long, 12 o'clock at the top.
struct ClockHands {
    QPointF minute;
    QPointF hour;
};
ClockHands clockHands(int hours, int minutes, double cx, double cy);

// A source of random numbers uniform in [0, 1).
using Uniform = std::function<double()>;
// The program's generator (seeded from the system at start).
Uniform defaultUniform();

// Int(n x r + 1): a whole number 1 ... n.
int drawOneToN(int n, const Uniform &r);

// A random order of the slots 1 ... n: element k - 1 is the place that the
// k-th option goes to (every place used once).
std::vector<int> shuffleSlots(int n, const Uniform &r);
// options put into places by shuffleSlots: result[place - 1] = option.
std::vector<QString> shuffleIntoPlaces(const std::vector<QString> &options, const Uniform &r);

// count different record numbers out of 1 ... recordCount, in random order.
// Empty when there are fewer records than asked for (the draw could never
// finish).
std::vector<int> drawDistinct(int count, int recordCount, const Uniform &r);

// Exercise 19: positions 1 ... 2N of the clock worksheet. Positions 1 ... N
// are different records, and so are N + 1 ... 2N. A block of ten positions
// that takes records from both halves (N = 15 or 25) would otherwise be able
// to show one phrase twice, so a record of the second half also differs from
// the records of the first half in its block. Empty when recordCount is too
// small for that.
std::vector<int> drawClockPositions(int n, int recordCount, const Uniform &r);

}  // namespace print
