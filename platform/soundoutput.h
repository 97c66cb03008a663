// The sound output behind platform::Sounds: players of WAV files on the
// program's two channels (0 effects, 1 recordings).
//
// It is built as a module of its own and loaded after the title is on the
// screen: the sound system's libraries (Qt Multimedia and the audio server's
// client, some twenty-five shared libraries) then cost the start-up nothing.
#pragma once

#include <QString>

namespace platform {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts the file (a native path) on the channel, stopping what played
    // there; returns at once.
    virtual void play(int channel, const QString &nativePath) = 0;
    // Stops what plays on the channel.
    virtual void stop(int channel) = 0;
};

}  // namespace platform

// The module's one entry point: a new output, owned by the caller.
extern "C" {
using TutorixCreateSoundOutput = platform::SoundOutput *(*)();
}
#define TUTORIX_SOUND_OUTPUT_ENTRY "tutorix_create_sound_output"
