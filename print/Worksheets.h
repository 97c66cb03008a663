// Printed worksheets: the print job and the worksheet of every exercise.
#pragma once

#include <QString>

class QPrinter;

namespace print {

// The print button of the setup and topic screens: asks for a printer in the
// print dialog and prints one worksheet per copy of the current exercise
// (ExerciseNumber, QuestionCount, PupilName) through the exercise form
// loaded in print mode.
void RunPrintJob();

// Prints the worksheets of the current exercise from ContentRecords onto the
// printer of the running job (one per copy). The exercise form calls it from
// its load in print mode.
void PrintWorksheets();

// Prints straight to a PDF file through the same path, without a dialog
// (tests and teachers' scripts). Returns false when printing failed.
bool PrintToPdf(const QString &pdfPath, int copies = 1);

}  // namespace print
