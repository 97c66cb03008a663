// Listening rows (exercises 22, 23, 24): each row's loudspeaker plays its
// recorded sentence and hands the row's box the focus.
#include "app/Misc.h"
#include "app/Services.h"
#include "exercise/frm_Game01.h"
#include "platform/sound.h"

using namespace Misc;

void frm_Game01::connectListeningHandlers() {
    ui::Image *speaker = Klakson(1);
    speaker->events.MouseDown = [this](int r, Qt::MouseButton, int, int) { Klakson_MouseDown(r); };
    speaker->events.MouseMove = [this](int r, Qt::MouseButtons, int, int) { Klakson_MouseMove(r); };
}

void frm_Game01::Klakson_MouseDown(int r) {
    ui::Image *speaker = Klakson(r);
    if (!speaker) return;
    if (!pageUnchecked()) {
        Text1->setFocus();
        return;
    }
    // A row without a sound name has nothing to play (the folder itself is
    // no sound).
    if (!speaker->Tag.isEmpty())
        platform::Sounds::play(MediaPath(QStringLiteral("Sound\\%1\\%2").arg(ExerciseNumber, speaker->Tag)),
                               platform::Sounds::Channel::Recording);
    if (ui::TextBox *box = TVstup(r)) box->setFocus();
}

void frm_Game01::Klakson_MouseMove(int r) {
    ui::Image *speaker = Klakson(r);
    if (!speaker) return;
    if (!pageUnchecked()) {
        speaker->setMouseIcon(CursorArrow);
        return;
    }
    const int code = 60 + r;
    if (HoverCode != code) {
        speaker->setMouseIcon(CursorHand);
        PlayHoverSound();
        HoverCode = std::uint8_t(code);
    }
}
