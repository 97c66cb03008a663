// Asynchronous playing of WAV files on two channels.
//
// Effects (hover and click sounds) cut off only an effect still playing; a
// recording (a listening sentence) is cut off only by the next recording, so
// moving the mouse while a sentence plays never silences it. A missing file
// gives the system beep; without an audio device the program stays silent.
//
// The players live in a module loaded on the first sound or by prepare(), so
// the sound system is not loaded before the first picture; without the module
// the program stays silent and says so in its log.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

class Sounds {
public:
    enum class Channel { Effect, Recording };

    // Starts playing the file at the data path on its channel and returns at
    // once.
    static void play(const QString &dataPath, Channel channel = Channel::Effect);
    // Stops whatever is playing on both channels.
    static void stop();
    // The native path of the recording started last, until another one
    // replaces it or stop() ends it ("" when none); effects leave it alone.
    static QString recording();
    // Loads the sound module now (unless muted), so the first sound starts
    // without delay; a module that could not be loaded is tried again.
    static void prepare();
    // True once the sound module is loaded.
    static bool hasOutput();
    // A short beep for a refused key (logged as "beep").
    static void beep();

    // Every play request in order (native paths, "beep" for a missing file);
    // tests read it to see which sounds a screen asked for.
    static QStringList &log();
    // Silences the output (tests); requests are still logged.
    static void setMuted(bool muted);
};

}  // namespace platform
