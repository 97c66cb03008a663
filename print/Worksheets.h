// Printed worksheets: the print job and the worksheet of every exercise.
#pragma once

#include <QString>

#include <array>

class QPrintDialog;
class QPrinter;

namespace print {

// The print button of the setup and topic screens: asks for a printer in the
// print dialog and prints one worksheet per copy of the current exercise
// (ExerciseNumber, QuestionCount, PupilName) from the content that
// LoadWorksheetContent loads (print/PrintContent.h).
void RunPrintJob();

// The print dialog offers only what a worksheet honours: no page range, no
// current page or selection (every sheet is printed whole); printing to a
// file stays.
void setUpPrintDialog(QPrintDialog &dialog);
// After the dialog: A4 portrait whatever was chosen (the layout is portrait),
// all pages, and one copy for the driver. Returns the copies asked for, which
// the program prints as worksheets of their own.
int settlePrinter(QPrinter &printer);

// Prints the worksheets of the current exercise from ContentRecords onto the
// printer of the running job (one per copy). Without a running job it does
// nothing.
void PrintWorksheets();

// Prints straight to a PDF file through the same path, without a dialog
// (tests and teachers' scripts), from the records already loaded. Returns
// false when printing failed (error says why); the file is then left as it
// was.
bool printToPdf(const QString &pdfPath, int copies = 1, QString *error = nullptr);

// One worksheet: pages with the frame, the instructions and the rows of the
// current exercise (ExerciseNumber) drawn from DrawnItems.
void PrintWorksheet(const QString &title, const QString &subtitle, const QString &instructions, int p10, int p15,
                    int p20, int p25, int p30, int perPage, int total);

// A new random draw of QuestionCount different records into DrawnItems.
void DrawWorksheetItems();
// Exercise 19: two draws of QuestionCount different records, positions
// 1 ... N and N + 1 ... 2N, no record twice within a block of ten.
void DrawClockWorksheetItems();
// Exercise 21: five different topic records into DrawnItems 1 ... 5 and the
// same five in another order into PairOrder 1 ... 5.
void Vygeneruj_tisk_21();

// Why the current exercise cannot be printed with the records loaded (too
// few records for the draw, no worksheet, no count chosen); empty when it
// can.
QString worksheetProblem();

}  // namespace print
