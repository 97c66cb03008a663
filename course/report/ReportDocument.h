// What the HTML and the PDF of the teacher's report show: the numbers of the
// class, the words of the course they are shown with, and how the report was
// asked for. Both writers take the same document, so both show the same.
#pragma once

#include "results/ClassReport.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

namespace report {

struct ReportDocument {
    results::ClassReport report;
    QStringList folders;       // as read, in order
    results::ReportFilter filter;
    QDateTime made;
    bool answersRead = false;  // some folder had an answers log
    QStringList notes;         // in Czech, shown above the report
    std::array<QString, 25> titles;  // exercise names from the course's texts, "" when unknown
    std::array<QString, 25> groups;  // group titles of the exercises

    // "Překlad slovíček", or "Cvičení 3" when the course's texts are missing.
    QString title(int exercise) const;
    // What was asked for: period and pupil, in Czech.
    QString scope() const;
};

// Numbers and dates as a Czech teacher reads them: "78 %", "8.12.2026", "3×".
QString percentCs(double percent);
QString dateCs(const QDate &date);
QString shareCs(int part, int whole);  // "40 %" of part / whole
// A wrong answer as shown: "(bez odpovědi)" for an empty one.
QString answerCs(const QString &answer);
// "3 běhy", "1 běh", "5 běhů" and the like.
QString countCs(int n, const char *one, const char *few, const char *many);

}  // namespace report
