// Checks that the lines read from a course file are the text the program
// expects, before anything of them is shown.
//
// A course file that was damaged, never scrambled, or saved in UTF-8 instead
// of Windows-1250 still unscrambles into "lines", but they are garbage:
// control characters, UTF-8 byte pairs that read as "Ă©", or a line that is
// not split into the parts of its layout. These checks find the first such
// line so that the file and the line can be named to the pupil instead of
// showing rows of garbage.
#pragma once

#include "content/Records.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace content {

// Longest line the content files may hold.
inline constexpr int kMaxLineLength = 32767;

// The first bad line of a file: its number (from 1) and, in Czech, what is
// wrong with it (a phrase that follows "řádek N ...").
struct LineFault {
    int line = 0;
    QString reason;
};

// Why a decoded Windows-1250 line is not text: control characters (a tab
// is allowed), one of the five byte values Windows-1250 leaves undefined, or
// bytes that form UTF-8 multi-byte sequences and nothing else (the file was
// saved in UTF-8). Empty when the line is plain Windows-1250 text.
QString encodingFault(const QString &line);

// The parts a line of the layout has: one more than its separators ("#",
// and "_" where the layout splits at it).
int partsOf(const QString &line, Layout layout);
// The parts every line of the layout must have (the sixth part of Switch
// and ChoiceList lines only in exercises 11, 8 and 12).
int expectedParts(Layout layout, int exercise);

// The first line of a content file that is not an item of its layout: an
// encoding fault, an empty line, a line longer than kMaxLineLength, or a
// line with more or fewer parts than the layout has (a missing separator
// leaves fields empty, a stray one cuts the expected answer short). Only
// the lines the program reads (the first 1000) are checked.
std::optional<LineFault> findBadContentLine(const QStringList &lines, Layout layout, int exercise);

}  // namespace content
