// The grade bands of Znamky.dat: five lines "lower|upper|grade" (percent,
// percent, grade 1 ... 5), read without any file so that tests and tools can
// parse text held in memory.
#pragma once

#include "state/Misc.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace Misc {

// One Znamky.dat line: up to three "|"-separated fields, each taken by its
// leading decimal number (rounded, 0 ... 255; empty or non-numeric gives 0).
GradeBand parseGradeLine(const QString &line);

// The grade table of a whole Znamky.dat image (Windows-1250, CR LF): band n
// from line n, 1 ... 5; bands beyond the file's lines stay as in `previous`.
std::array<GradeBand, 6> parseGradeBands(const QByteArray &bytes, const std::array<GradeBand, 6> &previous = {});

}  // namespace Misc
