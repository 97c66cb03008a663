// The hint window: a small borderless window shaped like its bubble bitmap
// that shows one or two lines of text, e.g. the expected answer while the
// pupil holds the mouse button on a wrong mark.
//
// Every pixel with the colour of the bitmap's pixel (1, 1) is cut out of the
// window. Text that does not fit a line shrinks through the font's sizes
// 12 -> 9.75 -> 8.25 points; a line never grows again until the window is
// loaded anew. The layout follows ExerciseNumber at load time.
#pragma once

#include "rules/HintRules.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <QPixmap>
#include <QString>

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
