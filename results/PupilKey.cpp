#include "results/PupilKey.h"

namespace results {

QString pupilKeyOf(const QString &name) {
    // Canonical decomposition splits "á" into "a" and a combining mark.
    const QString decomposed = name.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    bool space = false;
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing) continue;
        if (c.isSpace()) {
            space = !out.isEmpty();
            continue;
        }
        if (space) out += QLatin1Char(' ');
        space = false;
        out += c.toCaseFolded();
    }
    return out;
}

}  // namespace results
