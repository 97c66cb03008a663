// The rows of a checked page go to the answers log (Odpovedi.dat) beside
// the results log; a failed write is told to the pupil once per run.
#include "state/Misc.h"
#include "exercise/frm_Game01.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

#include <QDateTime>

void frm_Game01::RowsChecked(const std::vector<exercise::CheckedRow> &rows) {
    m_lastCheckedRows = rows;
    const QString path = platform::nativePath(Misc::resultsPath(QLatin1String(results::kAnswersFileName)));
    const QString told = m_answersLog.record(path, rows, Misc::PupilName, m_exercise, QDateTime::currentDateTime());
    if (!told.isEmpty())
        platform::msgBox(told, QStringLiteral("Chyba"), platform::MsgIcon::Exclamation, platform::MsgButtons::Ok);
}
