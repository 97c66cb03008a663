#include "exercise/ReplayRule.h"

namespace exercise {

ReplaySpeed ReplayRule::press(int row) {
    m_last = next(row);
    m_lastRow = row;
    return m_last;
}

ReplaySpeed ReplayRule::next(int row) const {
    return row == m_lastRow && m_last == ReplaySpeed::Normal ? ReplaySpeed::Slow : ReplaySpeed::Normal;
}

QString recordingPath(const QString &exercise, const QString &name, ReplaySpeed speed) {
    return speed == ReplaySpeed::Slow ? QStringLiteral("Sound\\%1\\slow\\%2").arg(exercise, name)
                                      : QStringLiteral("Sound\\%1\\%2").arg(exercise, name);
}

QString loudspeakerName(int row, ReplaySpeed next) {
    return next == ReplaySpeed::Slow ? QStringLiteral("Přehrát větu %1 pomalu").arg(row)
                                     : QStringLiteral("Přehrát větu %1; druhý stisk ji přehraje pomaleji").arg(row);
}

}  // namespace exercise
