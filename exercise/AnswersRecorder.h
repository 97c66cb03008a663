// The answers log as a run of the exercise form writes it: every checked
// page becomes one append to Odpovedi.dat, and a write that fails is told to
// the pupil once per run, not on every page.
#pragma once

#include "exercise/CheckedRow.h"
#include "state/AnswersLog.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace exercise {

// The rows of one checked page as entries of the answers log.
std::vector<results::AnswerEntry> answerEntries(const std::vector<CheckedRow> &rows, const QString &name,
                                                int exercise, const QDateTime &when);

// What the pupil is told when the answers of a page could not be saved.
QString answersNotSavedText(const QString &nativePath, int error);

class AnswersRecorder {
public:
    // Appends the page's rows to the file at nativePath (nothing for a page
    // without rows). Returns the text to show the pupil: empty when the
    // write succeeded or a failure was already told during this run.
    QString record(const QString &nativePath, const std::vector<CheckedRow> &rows, const QString &name,
                   int exercise, const QDateTime &when, int waitMs = platform::kLockWaitMs);

private:
    bool m_failureTold = false;
};

}  // namespace exercise
