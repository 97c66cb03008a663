// The background form: covers the desktop around the 640 x 480 screens when
// the display could not be switched to 640 x 480.
#pragma once

#include "ui/Form.h"

class frm_Pozadi : public ui::SingleForm<frm_Pozadi> {
    Q_OBJECT
public:
    frm_Pozadi();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_MouseDown(Qt::MouseButton, int, int) override;
    void paintEvent(QPaintEvent *) override;
};
