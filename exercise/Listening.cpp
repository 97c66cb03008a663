// Listening rows (exercises 22, 23, 24): each row's loudspeaker plays its
// recorded sentence and hands the row's box the focus; pressed again right
// after, it plays the sentence slower (ReplayRule.h).
#include "state/Misc.h"
#include "state/Services.h"
#include "exercise/ReplayRule.h"
#include "exercise/frm_Game01.h"
#include "platform/paths.h"
#include "platform/sound.h"

#include <QAccessible>
#include <QFileInfo>

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
    if (!speaker->Tag.isEmpty()) {
        const auto speed = Replay.press(r);
        QString path = mediaPath(exercise::recordingPath(ExerciseNumber, speaker->Tag, speed));
        // A course made without slower recordings plays the normal one.
        if (speed == exercise::ReplaySpeed::Slow && !QFileInfo(platform::nativePath(path)).isFile())
            path = mediaPath(exercise::recordingPath(ExerciseNumber, speaker->Tag, exercise::ReplaySpeed::Normal));
        platform::Sounds::play(path, platform::Sounds::Channel::Recording);
        // What the next press plays is part of the loudspeakers' names.
        for (int row = 1; row <= 10; ++row)
            if (ui::Image *s = Klakson(row); s && s->isVisible()) {
                QAccessibleEvent changed(s, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&changed);
            }
    }
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
