// The widget-free rules of the hint window: the bubble of each exercise and
// how a line of text shrinks through the screen font's sizes until it fits.
#pragma once

#include <QString>

#include <functional>

namespace hint {

// The bubble of an exercise.
struct Layout {
    QString bitmap;  // under MediaDir
    int width = 0;   // window size in pixels
    int height = 0;
    int lines = 1;
    int lineWidth = 0;
};
Layout layoutFor(int exercise);

constexpr int kLineLeft = 11;
constexpr int kLineHeight = 20;
constexpr int kBaseTop = 12;        // top of line 1
constexpr int kSecondLineStep = 20; // line 2 sits this much lower

// The next size the screen font offers below points - 1 (it has 8.25, 9.75,
// 12, 13.5, 18 and 24 points); the smallest size stays where it is.
double smallerFontSize(double points);
// A line's top at a font size: smaller text moves down to stay centred.
int lineTop(double points, int baseTop);

struct Fit {
    double points;
    int top;
};
// Shrinks a line from `points` until neededWidth(size) fits lineWidth or the
// smallest size is reached; the size never grows.
Fit fitHintLine(double points, int baseTop, int lineWidth, const std::function<double(double)> &neededWidth);

// The width text needs at a font size: one measurement in the window's own
// 8-point font, scaled by points / 8.
double hintNeededWidth(const QString &text, double points);

}  // namespace hint
