// The exercise form: one screen that becomes any of the 24 exercises.
#pragma once

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"

class frm_Game01 : public ui::SingleForm<frm_Game01> {
    Q_OBJECT
public:
    frm_Game01();

protected:
    void Form_Load() override;
};
