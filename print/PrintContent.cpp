#include "print/PrintContent.h"

#include "content/CourseFile.h"
#include "content/Records.h"
#include "print/PrintJob.h"
#include "rules/Catalogue.h"
#include "state/Misc.h"
#include "state/Navigation.h"

namespace print {

namespace {

int exerciseFromText(const QString &text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return (ok && n >= 1 && n <= 24 && QString::number(n) == text) ? n : 0;
}

}  // namespace

bool loadWorksheetContent() {
    using namespace Misc;
    const int n = exerciseFromText(ExerciseNumber);
    if (n == 0) return false;
    HoverCode = 0;
    CorrectCount = 0;
    WrongCount = 0;
    ItemsRemaining = QuestionCount;
    ItemsOnPage = exercise::itemsOnFirstPage(n, QuestionCount);
    const content::CourseFileRead read =
        content::loadCheckedContentFile(dataFilePath(exercise::contentFileOf(n)), content::layoutOfExercise(n), n);
    if (!read.ok()) {
        // The print job's failure message says that nothing was printed.
        if (PrintJob *job = PrintJob::current()) job->fail(content::courseFileMessage(read, QString()));
        return false;
    }
    if (exercise::isTopics(n)) content::copyChosenTopics([](int t) { return Go.topicChosen && Go.topicChosen(t); });
    if (const int options = exercise::listOptionCountOf(n)) ListOptionCount = options;
    return true;
}

}  // namespace print
