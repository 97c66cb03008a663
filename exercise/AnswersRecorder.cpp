#include "exercise/AnswersRecorder.h"

#include "platform/logging.h"


namespace exercise {

std::vector<results::AnswerEntry> answerEntries(const std::vector<CheckedRow> &rows, const QString &name,
                                                int exercise, const QDateTime &when) {
    std::vector<results::AnswerEntry> entries;
    entries.reserve(rows.size());
    for (const CheckedRow &row : rows)
        entries.push_back({when, name, exercise, row.item, row.answer, row.expected, row.right});
    return entries;
}

QString answersNotSavedText(const QString &nativePath, int error) {
    return QStringLiteral("Odpovědi se nepodařilo uložit do souboru %1: %2.\r\n"
                          "Cvičení může pokračovat, výsledek se uloží zvlášť.")
        .arg(nativePath, platform::czechReason(error));
}

QString AnswersRecorder::record(const QString &nativePath, const std::vector<CheckedRow> &rows, const QString &name,
                                int exercise, const QDateTime &when, int waitMs) {
    if (rows.empty()) return {};
    const platform::WriteResult r = results::appendAnswers(nativePath, answerEntries(rows, name, exercise, when), waitMs);
    if (r.ok) return {};
    // Every page tries again (a lock held by another computer passes), but
    // the pupil hears of it only once.
    qCWarning(lcExercise).noquote() << r.message;
    if (m_failureTold) return {};
    m_failureTold = true;
    return answersNotSavedText(nativePath, r.error);
}

}  // namespace exercise
