#include "exercise/frm_Game01.h"

#include "app/Misc.h"
#include "app/Services.h"

frm_Game01::frm_Game01() = default;

void frm_Game01::Form_Load() {
    Misc::PrepareScreenWindow(this, 640, 480);
    Misc::ScaleScreenControls(this);
}
