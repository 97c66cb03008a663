#include "screens/SlideIn.h"

#include "state/Services.h"
#include "screens/frm_Setup.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <QPointer>

namespace screens {

bool slideButtonIn(ui::Form *owner, ui::PictureBox *button, ui::PictureBox *patch, ui::PictureBox *source,
                   const QImage &background, const QImage &picture) {
    const int w = button->width(), h = button->height();
    patch->resize(w, h);
    source->resize(w, h);
    patch->setPicture(QPixmap::fromImage(background));
    source->setPicture(QPixmap::fromImage(picture));
    button->setPicture(patch->picture());
    button->show();
    const QImage frame = source->image().copy();
    QPointer<ui::Form> self(owner);
    QPointer<ui::PictureBox> target(button);
    for (int s = 0; s <= 24; ++s) {
        // Each frame lands over the previous ones; only key-coloured pixels
        // let the earlier frames show through.
        Misc::TransparentBlit(target.data(), 0, 24 - s, w, h, frame, 0, 0, kSlideKey);
        Misc::WaitWithEvents(15);
        if (!self || !self->isFormLoaded() || !target) return false;
    }
    return true;
}

}  // namespace screens
