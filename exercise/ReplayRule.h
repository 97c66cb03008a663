// Which recording a loudspeaker plays: pressing the loudspeaker of the row
// just heard again plays its sentence at three-quarter speed, the press
// after that at normal speed again. Another row's loudspeaker, or a new page,
// starts at normal speed.
#pragma once

#include <QString>

namespace exercise {

enum class ReplaySpeed { Normal, Slow };

class ReplayRule {
public:
    // The speed a press of row r's loudspeaker plays now, remembered for the
    // next press.
    ReplaySpeed press(int row);
    // The speed the next press of row r's loudspeaker would play.
    ReplaySpeed next(int row) const;
    // Forgets the last press (a new page).
    void reset() { m_lastRow = 0; }

private:
    int m_lastRow = 0;
    ReplaySpeed m_last = ReplaySpeed::Normal;
};

// The data path of the recording to play for a row's sound name in exercise
// n at the given speed: the slow one lies in the folder "slow" beside the
// normal one ("Sound\22\slow\22-01.wav").
QString recordingPath(const QString &exercise, const QString &name, ReplaySpeed speed);

// The screen reader name of row r's loudspeaker when the next press plays at
// the given speed.
QString loudspeakerName(int row, ReplaySpeed next);

}  // namespace exercise
