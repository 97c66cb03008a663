// The exercise form's content: the records of the exercise's file, and the
// messages when the file is unusable or too short for the run.
#include "app/Misc.h"
#include "app/Services.h"
#include "content/CourseFile.h"
#include "content/Records.h"
#include "exercise/Catalogue.h"
#include "exercise/frm_Game01.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "print/PrintJob.h"
#include "screens/frm_Intro.h"

#include <QThread>

using namespace Misc;

bool frm_Game01::loadExerciseContent() {
    const int n = m_exercise;
    const QString file = exercise::contentFileOf(n);
    const content::CourseFileRead read = content::LoadCheckedContentFile(DataPath(file), content::layoutOfExercise(n), n);
    if (!read.ok()) {
        reportUnusableContent(read);
        return false;
    }
    int have = RecordCount;
    if (exercise::isTopics(n)) {
        // The topic screen marks its chosen buttons with Tag "1"; without the
        // screen (or without a button of that number) no topic is chosen.
        const frm_Intro *intro = frm_Intro::existing();
        content::CopyChosenTopics([intro](int t) {
            const ui::Label *button = intro ? intro->TlacitkoTema(t) : nullptr;
            return button && button->Tag == QLatin1String("1");
        });
        have = TopicRecordCount;
    }
    if (PrintMode) return true;
    const int need = exercise::recordsNeeded(n, QuestionCount, ItemsOnPage);
    if (have >= need) return true;
    reportTooFewRecords(platform::nativePath(DataPath(file)), have, need);
    return false;
}

void frm_Game01::reportUnusableContent(const content::CourseFileRead &read) {
    if (PrintMode) {
        // The print job's failure message says that nothing was printed.
        if (print::PrintJob *job = print::PrintJob::current()) job->fail(content::CourseFileMessage(read, QString()));
        return;
    }
    const QString text = content::CourseFileMessage(read, content::ExerciseCannotStart());
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
