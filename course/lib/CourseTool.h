// The course tool: builds a course from its UTF-8 sources, checks a built
// data directory, and scrambles or unscrambles single files.
#pragma once

#include "course/lib/SourceText.h"

#include <QString>
#include <QStringList>

namespace course {

// Command line: build SRC OUT | check DATADIR or SRC | scramble IN OUT | unscramble IN OUT |
// print DATADIR EXERCISE COUNT OUT.pdf [NAME] [COPIES] (worksheets as PDF) |
// results DATADIR [--format csv|json] [--exercise N] | icons OUTDIR NAME |
// (report ... is run by the tool's main, see course/report/ReportCommand.h) |
// --help | --version.
int runTool(const QStringList &args);

// Writes OUT/data (content files and Texty.dat scrambled, Znamky.dat plain,
// an empty N.res for every exercise, an empty Vysledky.dat), OUT/media and
// OUT/Tutorix.ini. Same sources give byte-identical output. Returns false
// with a message in error on failure.
bool buildCourse(const QString &srcDir, const QString &outDir, QString *error);

}  // namespace course
