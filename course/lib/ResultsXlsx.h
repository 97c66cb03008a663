// The results as a spreadsheet workbook (.xlsx) for a school's grade book:
// one sheet per exercise with the columns of the CSV export, and a summary
// sheet of pupils by exercises holding each pupil's best grade.
#pragma once

#include "results/ResultsExport.h"

#include <QString>

#include <vector>

namespace course {

// The summary sheet's name; exercise sheets are "Cvičení N".
inline constexpr char kSummarySheet[] = "Přehled";

// Writes the workbook to nativePath, replacing it only when the whole file
// was written (the old file stays otherwise). Counts, grades and exercise
// numbers are number cells, dates date cells ("d.m.yyyy h:mm"), headers
// Czech and frozen. Returns false with a Czech message in *error.
bool writeResultsXlsx(const QString &nativePath, const std::vector<results::ExportRow> &rows, QString *error);

}  // namespace course
