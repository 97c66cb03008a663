// The text table (Misc::TextTable): the lines of Texty.dat, loaded at
// start-up and by the course tool's print command.
#pragma once

#include <QString>
#include <QStringList>

namespace Misc {

// Fills the text table from the scrambled Texty.dat (at most 1000 lines).
void LoadTextTable(const QString &path);
void fillTextTable(const QStringList &lines);

}  // namespace Misc
