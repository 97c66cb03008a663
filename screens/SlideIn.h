// The slide-in of the continue and print buttons of the setup and topic
// screens: the button appears on the patch of background it stands on and
// its picture rises 24 pixels into place in 25 steps of 15 ms.
#pragma once

#include <QImage>

namespace ui {
class Form;
class PictureBox;
}  // namespace ui

namespace screens {

// Slides picture (magenta as key colour) up into button, which owner holds.
// patch and source are owner's drawing buffers: patch takes background (the
// piece of screen under the button), source the picture. Clicks are handled
// between the steps; returns false when owner was unloaded or the button
// went away meanwhile, true when the picture stands in place.
bool slideButtonIn(ui::Form *owner, ui::PictureBox *button, ui::PictureBox *patch, ui::PictureBox *source,
                   const QImage &background, const QImage &picture);

}  // namespace screens
