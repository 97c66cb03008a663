// The worksheets of the current exercise: item draws, pages and rows.
#include "print/Worksheets.h"

#include "rules/ExerciseSpec.h"
#include "state/Misc.h"
#include "print/LayoutMath.h"
#include "print/PageFrame.h"
#include "print/PrintJob.h"
#include "print/RowLayouts.h"

namespace print {

namespace {

int currentExercise() { return Misc::ExerciseNumber.toInt(); }

void storeDraw(const std::vector<int> &drawn, int from) {
    for (std::size_t i = 0; i < drawn.size() && from + int(i) < int(Misc::DrawnItems.size()); ++i)
        Misc::DrawnItems[std::size_t(from) + i] = drawn[i];
}

const Misc::ContentRecord &recordAtPosition(int position) {
    const int n = (position >= 0 && position < int(Misc::DrawnItems.size())) ? Misc::DrawnItems[std::size_t(position)] : 0;
    return Misc::ContentRecords[std::size_t(n >= 0 && n <= Misc::kMaxRecords ? n : 0)];
}

// Row j of the current exercise at PrintPosition; advances PrintPosition
// past the extra positions a block uses.
void printRow(int exercise, int j, int top) {
    const Uniform rnd = defaultUniform();
    RowContent row;
    if (::exercise::isClocks(exercise)) {
        std::vector<const Misc::ContentRecord *> ten;
        for (int p = Misc::PrintPosition; p < Misc::PrintPosition + 10; ++p) ten.push_back(&recordAtPosition(p));
        row = clockBlock(ten, j, top, rnd);
    } else if (::exercise::isTopics(exercise)) {
        Vygeneruj_tisk_21();
        std::array<QString, 5> prompts, answers;
        for (int k = 1; k <= 5; ++k) {
            prompts[std::size_t(k - 1)] = Misc::TopicRecords[std::size_t(Misc::DrawnItems[std::size_t(k)])].field[6];
            answers[std::size_t(k - 1)] = Misc::TopicRecords[std::size_t(Misc::PairOrder[std::size_t(k)])].field[7];
        }
        row = topicBlock(prompts, answers, j, top);
    } else {
        row = itemRow(exercise, recordAtPosition(Misc::PrintPosition), j, top, rnd);
    }
    printItemRow(row);
    Misc::PrintPosition += row.extraPositions;
}

}  // namespace

QString worksheetProblem() {
    const int e = currentExercise();
    const WorksheetPlan *plan = worksheetPlan(e);
    if (!plan) return QStringLiteral("Cvičení %1 nemá pracovní list.").arg(Misc::ExerciseNumber);
    const int n = Misc::QuestionCount;
    if (pagesForCount(*plan, n) == 0) return QStringLiteral("Není zvolen počet otázek (10, 15, 20, 25 nebo 30).");
    if (exercise::isTopics(e)) {
        if (Misc::TopicRecordCount < 5)
            return QStringLiteral("Vybraná témata mají jen %1 slov; pracovní list jich potřebuje alespoň 5.")
                .arg(Misc::TopicRecordCount);
    } else if (Misc::RecordCount < n || (exercise::isClocks(e) && Misc::RecordCount < 10)) {
        return QStringLiteral("Cvičení má jen %1 položek; pro %2 otázek jich je potřeba alespoň %3.")
            .arg(Misc::RecordCount)
            .arg(n)
            .arg(std::max(n, exercise::isClocks(e) ? 10 : n));
    }
    return {};
}

void DrawWorksheetItems() {
    Misc::DrawnItems.fill(0);
    storeDraw(drawDistinct(Misc::QuestionCount, Misc::RecordCount, defaultUniform()), 1);
}

void DrawClockWorksheetItems() {
    Misc::DrawnItems.fill(0);
    const int n = Misc::QuestionCount;
    storeDraw(drawClockPositions(n, Misc::RecordCount, defaultUniform()), 1);
}

void Vygeneruj_tisk_21() {
    Misc::DrawnItems.fill(0);
    Misc::PairOrder.fill(0);
    const Uniform rnd = defaultUniform();
    storeDraw(drawDistinct(5, Misc::TopicRecordCount, rnd), 1);
    if (Misc::DrawnItems[1] == 0) return;  // fewer than five topic records
    const std::vector<int> order = shuffleSlots(5, rnd);
    for (int k = 1; k <= 5; ++k) Misc::PairOrder[std::size_t(k)] = Misc::DrawnItems[std::size_t(order[std::size_t(k - 1)])];
}

void PrintWorksheet(const QString &title, const QString &subtitle, const QString &instructions, int p10, int p15,
                    int p20, int p25, int p30, int perPage, int total) {
    PrintJob *job = PrintJob::current();
    if (!job || job->failed()) return;
    const int exercise = currentExercise();
    const InstructionLines wrapped = WrapInstructions(instructions);
    for (int k = 1; k <= 5; ++k) Misc::InstructionLines[std::size_t(k)] = wrapped[std::size_t(k - 1)];
    job->setFont(12, false, false);
    WorksheetPlan pages;
    pages.pages = {p10, p15, p20, p25, p30};
    Misc::PrintPageCount = pagesForCount(pages, Misc::QuestionCount);
    Misc::PrintPosition = 0;
    for (int page = 1; page <= Misc::PrintPageCount; ++page) {
        if (!job->startPage()) return;
        job->setFont(12, false, false);
        PrintPageFrame(title, subtitle, Misc::PupilName, QString::number(page));
        InstructionLines lines;
        for (int k = 1; k <= 5; ++k) lines[std::size_t(k - 1)] = Misc::InstructionLines[std::size_t(k)];
        const int top = PrintInstructions(lines);
        job->setFont(12, false, false);
        for (int j = 1; j <= perPage; ++j) {
            ++Misc::PrintPosition;
            if (Misc::PrintPosition > total) continue;
            printRow(exercise, j, top);
        }
    }
}

void PrintWorksheets() {
    PrintJob *job = PrintJob::current();
    if (!job || job->failed()) return;
    if (const QString problem = worksheetProblem(); !problem.isEmpty()) {
        job->fail(problem);
        return;
    }
    const int e = currentExercise();
    const WorksheetPlan &plan = *worksheetPlan(e);
    for (int copy = 1; copy <= job->copies() && !job->failed(); ++copy) {
        job->setFont(12, false, false);
        if (exercise::isClocks(e))
            DrawClockWorksheetItems();
        else if (!exercise::isTopics(e))
            DrawWorksheetItems();
        PrintWorksheet(Misc::Text(plan.titleText), Misc::Text(plan.subtitleText), Misc::Text(plan.instructionText),
                       plan.pages[0], plan.pages[1], plan.pages[2], plan.pages[3], plan.pages[4], plan.rowsPerPage,
                       plan.positionsPerQuestion * Misc::QuestionCount);
    }
}

}  // namespace print
