// The setup screen: the pupil's name, the number of items, the help-first
// switch, continue and print.
#pragma once

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"

class frm_Setup : public ui::SingleForm<frm_Setup> {
    Q_OBJECT
public:
    frm_Setup();

    ui::TextBox *TJmeno = nullptr;
    ui::ControlArray<ui::PictureBox> PomPic;  // drawing buffers 1 ... 3

protected:
    void Form_Load() override;
    void Form_MouseDown(Qt::MouseButton, int, int) override;
};
