// What the pupil reads when the result of a finished run could not be
// saved: one message for the table and the log together, naming every file
// that failed and why.
#pragma once

#include <QString>

#include <vector>

namespace results {

struct FailedSave {
    QString nativePath;
    int error = 0;  // errno of the failed write
};

// "Výsledek se nepodařilo uložit do souboru X: reason." for one file; two
// files that failed for the same reason share it, else each has its own.
// Empty when nothing failed.
QString resultNotSavedText(const std::vector<FailedSave> &failed);

}  // namespace results
