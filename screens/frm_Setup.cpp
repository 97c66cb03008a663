#include "screens/frm_Setup.h"

#include "app/Misc.h"
#include "app/Services.h"
#include "screens/frm_Select.h"

using namespace Misc;

frm_Setup::frm_Setup() {
    TJmeno = new ui::TextBox(this);
    TJmeno->setGeometry(382, 333, 180, 24);
    auto *buffer = new ui::PictureBox(this);
    buffer->setGeometry(0, 500, 94, 23);
    PomPic.setElement(1, buffer);
}

void frm_Setup::Form_Load() {
    PrepareScreenWindow(this, 640, 480);
    ScaleScreenControls(this);
    setPicture(LoadPicture(QStringLiteral("Bitmap\\Setup\\bg%1.bmp").arg(ExerciseNumber2())));
}

void frm_Setup::Form_MouseDown(Qt::MouseButton, int, int) {
    // Until the setup screen is complete a click goes back to the selection.
    frm_Select::get().Show();
    CurrentScreen = &frm_Select::get();
    Hide();
    Unload();
}
