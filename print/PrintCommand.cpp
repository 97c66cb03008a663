#include "print/PrintCommand.h"

#include "rules/ExerciseSpec.h"
#include "rules/RunLengths.h"
#include "state/Misc.h"
#include "content/Records.h"
#include "print/Worksheets.h"
#include "state/TextTable.h"

#include <QDir>
#include <QFileInfo>

namespace print {

int runPrintCommand(const QStringList &args, QTextStream &err) {
    if (args.size() < 4 || args.size() > 6) return 2;
    const QDir data(args[0]);
    bool ok = false;
    const int exercise = args[1].toInt(&ok);
    if (!ok || ::exercise::spec(exercise).worksheet == ::exercise::Worksheet::None) {
        err << "tutorix-course: cvičení musí být 1 ... 21 (22 ... 24 nemají pracovní list)" << Qt::endl;
        return 2;
    }
    const int count = args[2].toInt(&ok);
    if (!ok || ::exercise::runLengthIndex(count) < 0) {
        QStringList counts;
        for (int c : ::exercise::kRunLengths) counts << QString::number(c);
        err << "tutorix-course: počet otázek musí být " << counts.join(QStringLiteral(", ")) << ", ne " << args[2] << Qt::endl;
        return 2;
    }
    int copies = 1;
    if (args.size() == 6) {
        copies = args[5].toInt(&ok);
        if (!ok || copies < 1 || copies > 100) {
            err << "tutorix-course: počet kopií musí být 1 ... 100" << Qt::endl;
            return 2;
        }
    }
    const QString texts = data.filePath(QStringLiteral("Texty.dat"));
    const QString contentFile = data.filePath(QStringLiteral("%1.dat").arg(exercise));
    for (const QString &path : {texts, contentFile}) {
        if (!QFileInfo::exists(path)) {
            err << "tutorix-course: soubor chybí: " << path << Qt::endl;
            return 1;
        }
    }
    Misc::DataDir = QDir::toNativeSeparators(data.absolutePath()) + QLatin1Char('\\');
    Misc::LoadTextTable(texts);
    if (!content::LoadContentFile(contentFile, content::layoutOfExercise(exercise), exercise)) {
        err << "tutorix-course: soubor nelze přečíst: " << contentFile << Qt::endl;
        return 1;
    }
    if (::exercise::isTopics(exercise)) content::copyChosenTopics([](int) { return true; });
    Misc::ExerciseNumber = QString::number(exercise);
    Misc::QuestionCount = std::uint8_t(count);
    Misc::ItemsRemaining = count;
    Misc::PupilName = args.value(4);
    QString error;
    if (!printToPdf(args[3], copies, &error)) {
        err << "tutorix-course: " << error << Qt::endl;
        return 1;
    }
    return 0;
}

}  // namespace print
