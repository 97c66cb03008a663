// Asynchronous playing of WAV files.
//
// A new sound cuts off the one still playing; a missing file gives the
// system beep; without an audio device the program stays silent.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

class Sounds {
public:
    // Starts playing the file at the data path and returns at once.
    static void play(const QString &dataPath);
    // Stops whatever is playing.
    static void stop();

    // Every play request in order (native paths, "beep" for a missing file);
    // tests read it to see which sounds a screen asked for.
    static QStringList &log();
    // Silences the output (tests); requests are still logged.
    static void setMuted(bool muted);
};

}  // namespace platform
