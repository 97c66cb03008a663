#include "print/PageFrame.h"

#include "state/Misc.h"
#include "print/PrintJob.h"

#include <QDate>

namespace print {

namespace {

const QColor kNavy(0, 0, 128);

void setColour(PrintJob &job, const QColor &c) {
    QPen pen = job.painter().pen();
    pen.setColor(c);
    job.painter().setPen(pen);
}

void ruleAt(PrintJob &job, double yMm) {
    job.painter().drawLine(QPointF(job.x(0), job.y(yMm)), QPointF(job.x(210), job.y(yMm)));
}

}  // namespace

void PrintPageFrame(const QString &title, const QString &subtitle, const QString &name, const QString &page) {
    PrintJob *job = PrintJob::current();
    if (!job) return;
    setColour(*job, kNavy);
    job->setFont(20, true, false);
    job->textAt(4, 4, title);
    job->setFont(12, true, false);
    job->textAt(4, 17, subtitle);
    const QString nameLine = QStringLiteral("Jméno: ") + QString(56, QLatin1Char('.'));
    job->textAt(116, 17, nameLine);
    // The name stands over the dotted line and ends where it ends.
    const double nameLineEnd = job->x(116) + job->textWidth(nameLine);
    job->textAt(167, 285, QStringLiteral("Tutorix Lingvana 1"));
    setColour(*job, Qt::black);
    job->setFont(12, false, false);
    job->textAt(136, 14, elideToWidth(name, nameLineEnd - job->x(136),
                                      [job](const QString &t) { return job->textWidth(t); }));
    job->setLineWidth(1);
    ruleAt(*job, 25);
    ruleAt(*job, 282);
    job->setFont(10, false, false);
    job->textAt(4, 285, Misc::Text(36) + QStringLiteral(": ") + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    job->textAt(100, 285, QStringLiteral("Stránka: ") + page);
}

InstructionLines WrapInstructions(const QString &text) {
    PrintJob *job = PrintJob::current();
    if (!job) return {};
    job->setFont(12, false, false);
    return wrapInstructions(text, job->x(190), [job](const QString &t) { return job->textWidth(t); });
}

int PrintInstructions(const InstructionLines &lines) {
    PrintJob *job = PrintJob::current();
    if (!job) return itemAreaTop(lines);
    job->setFont(12, false, true);
    for (int k = 1; k <= 5; ++k) job->textAt(4, instructionLineY(k), lines[std::size_t(k - 1)]);
    return itemAreaTop(lines);
}

void PrintItemLine(const ItemLine &line) {
    PrintJob *job = PrintJob::current();
    if (!job) return;
    const double size = job->font().pointSizeF();
    job->setFont(size, false, false);
    job->textAt(line.x, line.y, line.t1);
    // Segment widths are device units; 1 mm of gap follows each segment.
    const double mmPerUnit = 210.0 / job->width();
    double x = line.x + job->textWidth(line.t1) * mmPerUnit + 1.0;
    if (!line.t2.isEmpty()) {
        job->textAt(x, line.y, line.t2);
        x += job->textWidth(line.t2) * mmPerUnit + 1.0;
        if (!line.t3.isEmpty()) job->textAt(x, line.y, line.t3);
    }
}

void PrintCircle(double x, double y, double r) {
    PrintJob *job = PrintJob::current();
    if (!job) return;
    const double radius = job->x(r);
    job->painter().setBrush(Qt::NoBrush);
    job->painter().drawEllipse(QPointF(job->x(x + r), job->y(y + r)), radius, radius);
}

void PrintClock(int hours, int minutes, double cx, double cy) {
    PrintJob *job = PrintJob::current();
    if (!job) return;
    const double radius = job->x(10);
    const QPointF centre(job->x(cx), job->y(cy));
    job->painter().setBrush(Qt::NoBrush);
    job->painter().drawEllipse(centre, radius, radius);
    const ClockHands hands = clockHands(hours, minutes, cx, cy);
    job->setLineWidth(1);
    job->painter().drawLine(centre, QPointF(job->x(hands.minute.x()), job->y(hands.minute.y())));
    job->setLineWidth(2);
    job->painter().drawLine(centre, QPointF(job->x(hands.hour.x()), job->y(hands.hour.y())));
    job->setLineWidth(1);
}

void printItemRow(const RowContent &row) {
    for (const ItemLine &l : row.lines) PrintItemLine(l);
    for (const Circle &c : row.circles) PrintCircle(c.x, c.y, c.r);
    for (const ClockFace &c : row.clocks) PrintClock(c.hours, c.minutes, c.cx, c.cy);
}

}  // namespace print
