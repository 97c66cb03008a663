// The exercise form's content: the records of the exercise's file, and the
// messages when the file is unusable or too short for the run.
#include "state/Misc.h"
#include "state/Navigation.h"
#include "state/Services.h"
#include "content/CourseFile.h"
#include "content/Records.h"
#include "rules/Catalogue.h"
#include "exercise/frm_Game01.h"
#include "platform/msgbox.h"
#include "platform/paths.h"

#include <QThread>

using namespace Misc;

bool frm_Game01::loadExerciseContent() {
    const int n = m_exercise;
    const QString file = exercise::contentFileOf(n);
    const content::CourseFileRead read = content::loadCheckedContentFile(dataFilePath(file), content::layoutOfExercise(n), n);
    if (!read.ok()) {
        reportUnusableContent(read);
        return false;
    }
    int have = RecordCount;
    if (exercise::isTopics(n)) {
        // Without the topic screen no topic is chosen.
        content::copyChosenTopics([](int t) { return Go.topicChosen && Go.topicChosen(t); });
        have = TopicRecordCount;
    }
    if (PrintMode) return true;
    const int need = exercise::recordsNeeded(n, QuestionCount, ItemsOnPage);
    if (have >= need) return true;
    reportTooFewRecords(platform::nativePath(dataFilePath(file)), have, need);
    return false;
}

void frm_Game01::reportUnusableContent(const content::CourseFileRead &read) {
    // In print mode the print job reports the file (print/PrintContent.h).
    if (PrintMode) return;
    const QString text = content::courseFileMessage(read, content::exerciseCannotStart());
    m_loadAborted = true;
    platform::msgBox(text, QStringLiteral("Chyba"), platform::MsgIcon::Critical, platform::MsgButtons::Ok);
    returnToSetupWhenIdle(QThread::currentThread()->loopLevel());
}

void frm_Game01::reportTooFewRecords(const QString &file, int have, int need) {
    m_loadAborted = true;
    const QString text =
        exercise::isTopics(m_exercise)
            ? QStringLiteral("Vybraná témata v souboru %1 mají jen %2 položek; pro tento počet otázek je jich "
                             "potřeba alespoň %3.")
                  .arg(file)
                  .arg(have)
                  .arg(need)
            : QStringLiteral("Soubor %1 má jen %2 položek; pro tento počet otázek je jich potřeba alespoň %3.")
                  .arg(file)
                  .arg(have)
                  .arg(need);
    platform::msgBox(text, QStringLiteral("Chyba"), platform::MsgIcon::Critical, platform::MsgButtons::Ok);
    returnToSetupWhenIdle(QThread::currentThread()->loopLevel());
}
