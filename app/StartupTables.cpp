#include "app/StartupTables.h"

#include "state/Misc.h"
#include "app/Startup.h"
#include "content/CourseFile.h"
#include "platform/codec.h"
#include "platform/logging.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "print/LayoutMath.h"
#include "results/GradeBands.h"
#include "rules/ExerciseGroups.h"
#include "rules/ExerciseSpec.h"


#include <algorithm>
#include <set>

namespace Misc {

std::vector<int> usedTextIndices() {
    std::set<int> used = {
        1, 2,                                // the exit question and its caption
        34,                                  // the print dialog and the print failure box
        35, 36, 37, 38, 39, 40, 41, 42, 43,  // the results log's labels (36 also the worksheet date)
        44, 45, 47, 48,                      // the display mode could not be switched or restored
    };
    const auto &groups = screens::exerciseGroups();
    for (std::size_t g = 1; g < groups.size(); ++g) {
        used.insert(groups[g].titleText);
        used.insert(groups[g].nameTexts.begin(), groups[g].nameTexts.end());
    }
    for (int e = 1; e <= exercise::kExerciseCount; ++e) {
        if (const print::WorksheetPlan *plan = print::worksheetPlan(e))
            used.insert({plan->titleText, plan->subtitleText, plan->instructionText});
    }
    return {used.begin(), used.end()};
}

std::optional<content::LineFault> findBadTextLine(const QStringList &lines) {
    for (int k = 1; k <= kTextTableSize && k <= lines.size(); ++k)
        if (const QString fault = content::encodingFault(lines.at(k - 1)); !fault.isEmpty())
            return content::LineFault{k, fault};
    for (int k : usedTextIndices())
        if (k > lines.size() || lines.at(k - 1).trimmed().isEmpty())
            return content::LineFault{k, QStringLiteral("chybí nebo je prázdný, ale program ho potřebuje")};
    return std::nullopt;
}

namespace {
void tableFailure(const content::CourseFileRead &read) {
    const QString text = content::courseFileMessage(read, content::programCannotStart());
    qCCritical(lcApp) << text;
    platform::msgBox(text, QStringLiteral("Chyba"), platform::MsgIcon::Critical, platform::MsgButtons::Ok);
}
}  // namespace

bool loadCheckedTables() {
    const QString grades = DataDir + QStringLiteral("znamky.dat");
    content::CourseFileRead gradeRead;
    gradeRead.nativePath = platform::nativePath(grades);
    bool readOk = false;
    gradeRead.lines = platform::readTextLines(gradeRead.nativePath, &readOk);
    if (!readOk) {
        gradeRead.status = content::CourseFileRead::Status::Unreadable;
    } else if (const auto fault = results::findBadGradeLine(gradeRead.lines)) {
        gradeRead.status = content::CourseFileRead::Status::BadLine;
        gradeRead.fault = *fault;
    }
    if (!gradeRead.ok()) {
        tableFailure(gradeRead);
        return false;
    }
    LoadGradeTable(grades);

    content::CourseFileRead textRead = content::readScrambledCourseFile(DataDir + QStringLiteral("texty.dat"));
    if (textRead.ok()) {
        if (const auto fault = findBadTextLine(textRead.lines)) {
            textRead.status = content::CourseFileRead::Status::BadLine;
            textRead.fault = *fault;
        }
    }
    if (!textRead.ok()) {
        tableFailure(textRead);
        return false;
    }
    fillTextTable(textRead.lines);
    return true;
}

}  // namespace Misc
