#include "course/lib/ResultsCommand.h"

#include "course/lib/CourseLookup.h"
#include "course/lib/ResultsXlsx.h"
#include "platform/safefile.h"
#include "results/ResultsExport.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace course {

namespace {

const char *const kUsage =
    "použití / usage: tutorix-course results [SLOŽKA] [--format csv|json|xlsx] [--separator ';'|','|tab]\n"
    "                 [--exercise N] [-o SOUBOR]";

// The separator named on the command line: ";", ",", or a tab ("tab", "\t"
// or the character itself).
bool parseSeparator(const QString &value, QChar *out) {
    if (value == QLatin1String(";") || value == QLatin1String(",")) *out = value.at(0);
    else if (value == QLatin1String("tab") || value == QLatin1String("\\t") || value == QLatin1String("\t"))
        *out = QLatin1Char('\t');
    else return false;
    return true;
}

}  // namespace

int runResultsCommand(const QStringList &args, QTextStream &err) {
    QCommandLineParser parser;
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("csv, json nebo xlsx"),
                                    QStringLiteral("format"), QStringLiteral("csv"));
    const QCommandLineOption separator(QStringLiteral("separator"), QStringLiteral("CSV separator"),
                                       QStringLiteral("char"), QStringLiteral(","));
    const QCommandLineOption exercise(QStringLiteral("exercise"), QStringLiteral("jen cvičení N"),
                                      QStringLiteral("N"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("výstupní soubor"),
                                    QStringLiteral("file"));
    parser.addOptions({format, separator, exercise, output});
    const auto usage = [&](const QString &why) {
        err << "tutorix-course results: " << why << "\n" << kUsage << Qt::endl;
        return 2;
    };
    if (!parser.parse(QStringList{QStringLiteral("results")} + args)) return usage(parser.errorText());
    if (parser.positionalArguments().size() > 1) return usage(QStringLiteral("čekána nejvýš jedna složka"));
    const QString fmt = parser.value(format);
    if (fmt != QLatin1String("csv") && fmt != QLatin1String("json") && fmt != QLatin1String("xlsx"))
        return usage(QStringLiteral("neznámý formát '%1'").arg(fmt));
    QChar sep = QLatin1Char(',');
    if (parser.isSet(separator) && fmt != QLatin1String("csv"))
        return usage(QStringLiteral("--separator platí jen pro --format csv"));
    if (!parseSeparator(parser.value(separator), &sep))
        return usage(QStringLiteral("oddělovač musí být ';', ',' nebo tab, ne '%1'").arg(parser.value(separator)));
    if (fmt == QLatin1String("xlsx") && !parser.isSet(output))
        return usage(QStringLiteral("sešit xlsx se zapisuje do souboru: -o SOUBOR.xlsx"));
    int only = 0;
    if (parser.isSet(exercise)) {
        bool ok = false;
        only = parser.value(exercise).toInt(&ok);
        if (!ok || only < 1 || only > 24) return usage(QStringLiteral("cvičení musí být 1 ... 24"));
    }
    QString dir;
    if (parser.positionalArguments().isEmpty()) {
        // The folder the program itself would use on this computer.
        const CourseSetup setup = lookUpCourse();
        if (setup.results.dir.isEmpty()) {
            err << "tutorix-course results: nenalezen Tutorix.ini s klíčem HD; zadejte složku výsledků" << Qt::endl;
            return 1;
        }
        dir = setup.results.dir;
        err << "tutorix-course results: výsledky ze složky " << dir << "\n";
        const QString notice = fallbackNotice(setup);
        if (!notice.isEmpty()) err << "tutorix-course results: " << notice << "\n";
    } else {
        dir = QDir::cleanPath(parser.positionalArguments().constFirst());
    }
    if (!QFileInfo(dir).isDir()) {
        err << "tutorix-course results: složka neexistuje: " << dir << Qt::endl;
        return 1;
    }
    QStringList warnings;
    const std::vector<results::ExportRow> rows = results::collectResults(dir, courseTextsFor(dir), only, &warnings);
    for (const QString &w : warnings) err << "tutorix-course results: " << w << "\n";
    err.flush();
    if (fmt == QLatin1String("xlsx")) {
        QString error;
        if (!writeResultsXlsx(parser.value(output), rows, &error)) {
            err << "tutorix-course results: " << error << Qt::endl;
            return 1;
        }
        return 0;
    }
    const QByteArray bytes = fmt == QLatin1String("json") ? results::formatJson(rows) : results::formatCsv(rows, sep);
    if (parser.isSet(output)) {
        const platform::WriteResult w = platform::writeFileAtomic(parser.value(output), bytes);
        if (!w) {
            err << "tutorix-course results: " << parser.value(output) << ": " << platform::czechReason(w.error)
                << Qt::endl;
            return 1;
        }
        return 0;
    }
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) != std::size_t(bytes.size()) ||
        std::fflush(stdout) != 0) {
        err << "tutorix-course results: výstup nelze zapsat" << Qt::endl;
        return 1;
    }
    return 0;
}

}  // namespace course
