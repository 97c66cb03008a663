#include "results/SaveFailure.h"

#include "platform/safefile.h"

#include <QStringList>

namespace results {

QString resultNotSavedText(const std::vector<FailedSave> &failed) {
    if (failed.empty()) return {};
    const QString reason = platform::czechReason(failed.front().error);
    bool oneReason = true;
    QStringList paths;
    QStringList each;
    for (const FailedSave &f : failed) {
        oneReason = oneReason && f.error == failed.front().error;
        paths << f.nativePath;
        each << QStringLiteral("do souboru %1 (%2)").arg(f.nativePath, platform::czechReason(f.error));
    }
    if (failed.size() == 1) return QStringLiteral("Výsledek se nepodařilo uložit do souboru %1: %2.").arg(paths[0], reason);
    const QString last = paths.takeLast();
    if (oneReason)
        return QStringLiteral("Výsledek se nepodařilo uložit do souborů %1 a %2: %3.")
            .arg(paths.join(QStringLiteral(", ")), last, reason);
    return QStringLiteral("Výsledek se nepodařilo uložit %1.").arg(each.join(QStringLiteral(" ani ")));
}

}  // namespace results
