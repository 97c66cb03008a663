#include "course/lib/ResultsCommand.h"

#include "course/lib/CourseLookup.h"
#include "results/ResultsExport.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace course {

int runResultsCommand(const QStringList &args, QTextStream &err) {
    QCommandLineParser parser;
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("csv or json"), QStringLiteral("format"),
                                    QStringLiteral("csv"));
    const QCommandLineOption exercise(QStringLiteral("exercise"), QStringLiteral("only exercise N"),
                                      QStringLiteral("N"));
    parser.addOption(format);
    parser.addOption(exercise);
    const auto usage = [&](const QString &why) {
        err << "tutorix-course results: " << why << "\n"
            << "usage: tutorix-course results DATADIR [--format csv|json] [--exercise N]" << Qt::endl;
        return 2;
    };
    if (!parser.parse(QStringList{QStringLiteral("results")} + args)) return usage(parser.errorText());
    if (parser.positionalArguments().size() != 1) return usage(QStringLiteral("one data folder expected"));
    const QString fmt = parser.value(format);
    if (fmt != QLatin1String("csv") && fmt != QLatin1String("json"))
        return usage(QStringLiteral("unknown format '%1'").arg(fmt));
    int only = 0;
    if (parser.isSet(exercise)) {
        bool ok = false;
        only = parser.value(exercise).toInt(&ok);
        if (!ok || only < 1 || only > 24) return usage(QStringLiteral("exercise must be 1 ... 24"));
    }
    const QString dir = QDir::cleanPath(parser.positionalArguments().constFirst());
    if (!QFileInfo(dir).isDir()) {
        err << "tutorix-course results: no such folder: " << dir << Qt::endl;
        return 1;
    }
    QStringList warnings;
    const std::vector<results::ExportRow> rows = results::CollectResults(dir, courseTextsFor(dir), only, &warnings);
    for (const QString &w : warnings) err << "tutorix-course results: " << w << "\n";
    err.flush();
    const QByteArray bytes = fmt == QLatin1String("json") ? results::FormatJson(rows) : results::FormatCsv(rows);
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) != std::size_t(bytes.size()) ||
        std::fflush(stdout) != 0) {
        err << "tutorix-course results: cannot write the output" << Qt::endl;
        return 1;
    }
    return 0;
}

}  // namespace course
