#include "state/TextTable.h"

#include "content/scramble.h"
#include "state/Misc.h"

namespace Misc {

void fillTextTable(const QStringList &lines) {
    for (auto &t : TextTable) t.clear();
    for (int k = 1; k <= kTextTableSize && k <= lines.size(); ++k) TextTable[std::size_t(k)] = lines.at(k - 1);
}

void LoadTextTable(const QString &path) { fillTextTable(content::readScrambledLines(path)); }

}  // namespace Misc
