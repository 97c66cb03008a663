// The wording drawn into the course's screen pictures: the task line and
// page size of each exercise on its setup screen, the steps of each help
// page, and the fixed lines of the selection, setup, title and authors'
// pictures. The course tool draws the pictures from these texts; the screens
// give the same texts to screen readers, so what is read is what is shown.
#pragma once

#include <QString>
#include <QStringList>

namespace screens::picturetext {

// What exercise n asks, in one line (setup screen).
QString taskLine(int exercise);
// How many items one page of exercise n holds (setup screen).
QString pageSizeLine(int exercise);
// The steps of exercise n's help page.
QStringList howTo(int exercise);
// The steps of the setup screen's help page.
QStringList setupHelpSteps();
// The line at the foot of a help page: an exercise's help, or the setup
// and authors' pages.
QString exerciseHelpFooter();
QString backFooter();

// Selection screen.
QString selectSubtitle();   // under the program's name
QString selectHeading();    // above the exercises' column
QString selectHint();       // the card shown until a group is open
// Setup screen: the panel beside the name box.
QString setupHeading();
QString setupHint();
// Title screen.
QString titleSubtitle();
QString titleHint();
// Authors' page.
QString authorsSummary();
QStringList authorsLines();
QString authorsWish();

}  // namespace screens::picturetext
