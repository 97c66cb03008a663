#include "state/Misc.h"

#include "ui/Form.h"

namespace Misc {

bool watchCurrentScreen() {
    ui::Form::setFormGoneHandler([](ui::Form *form) {
        if (CurrentScreen == form) CurrentScreen = nullptr;
    });
    return true;
}

QString Text(int index) {
    if (index < 0 || index > kTextTableSize) return {};
    return TextTable[std::size_t(index)];
}

QString exerciseNumber2() {
    bool ok = false;
    const int n = ExerciseNumber.toInt(&ok);
    return ok ? QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) : ExerciseNumber;
}

QString mediaPath(const QString &relative) { return MediaDir + relative; }

QString dataFilePath(const QString &name) { return DataDir + name; }

QString resultsPath(const QString &name) { return (ResultsDir.isEmpty() ? DataDir : ResultsDir) + name; }

}  // namespace Misc
