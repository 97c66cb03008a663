// The hint window: a small borderless window shaped like its bubble bitmap
// that shows one or two lines of text, e.g. the expected answer while the
// pupil holds the mouse button on a wrong mark.
//
// Every pixel with the colour of the bitmap's pixel (1, 1) is cut out of the
// window. Text that does not fit a line shrinks through the font's sizes
// 12 -> 9.75 -> 8.25 points; a line never grows again until the window is
// loaded anew. The layout follows ExerciseNumber at load time.
#pragma once

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <QPixmap>
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
Layout LayoutFor(int exercise);

constexpr int kLineLeft = 11;
constexpr int kLineHeight = 20;
constexpr int kBaseTop = 12;        // top of line 1
constexpr int kSecondLineStep = 20; // line 2 sits this much lower

// The next size the screen font offers below points - 1 (it has 8.25, 9.75,
// 12, 13.5, 18 and 24 points); the smallest size stays where it is.
double SmallerFontSize(double points);
// A line's top at a font size: smaller text moves down to stay centred.
int LineTop(double points, int baseTop);

struct Fit {
    double points;
    int top;
};
// Shrinks a line from `points` until neededWidth(size) fits lineWidth or the
// smallest size is reached; the size never grows.
Fit FitLine(double points, int baseTop, int lineWidth, const std::function<double(double)> &neededWidth);

// The width text needs at a font size: one measurement in the window's own
// 8-point font, scaled by points / 8.
double NeededWidth(const QString &text, double points);

}  // namespace hint

class frm_Chybovy : public ui::SingleForm<frm_Chybovy> {
    Q_OBJECT
public:
    frm_Chybovy();

    ui::ControlArray<ui::Label> Label1;  // the text lines 1 (and 2)
    QPixmap HintBackground;
    int HintBaseTop = hint::kBaseTop;

    // Puts text1 into line 1 and, when the layout has a second line, text2
    // into line 2 (an empty text2 clears it), each at the line's current font
    // size or the first smaller size that fits.
    void Vloz_Text(const QString &text1, const QString &text2);
    // Draws the bubble over the whole window again and reshapes the window.
    void Vykresli_hint_na_pozadi();

    // Shows the window without taking the focus from the exercise form.
    void Show();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void fitLine(int line, const QString &text);
    hint::Layout m_layout;
};
