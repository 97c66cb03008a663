// The two tables loaded at start-up, checked before the program goes on.
//
// Nearly every word the program shows comes from Texty.dat by line number,
// and every grade from the bands of Znamky.dat. A short, empty, garbled or
// unreadable texts file would leave blank titles, questions and even a blank
// exit question; a faulty band table would give empty or wrong grades. Both
// are found here and named (file and first bad line) in a "Chyba" box, and
// the program ends, as with the other start-up failures.
#pragma once

#include "content/ContentCheck.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace Misc {

// Every entry of the text table that the program shows, prints or writes
// to the results log, in ascending order.
std::vector<int> usedTextIndices();

// The first bad line of Texty.dat: one that is not Windows-1250 text
// (content::EncodingFault) or a used entry that is missing or empty.
std::optional<content::LineFault> findBadTextLine(const QStringList &lines);

// Loads Znamky.dat into GradeTable and Texty.dat into TextTable from
// DataDir, each only after its check passed. On a failure it shows the
// "Chyba" message naming the file and line and returns false: the caller
// ends the program.
bool loadCheckedTables();

}  // namespace Misc
