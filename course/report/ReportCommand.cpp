#include "course/report/ReportCommand.h"

#include "course/lib/CourseLookup.h"
#include "course/report/ReportHtml.h"
#include "course/report/ReportPdf.h"
#include "platform/logging.h"
#include "platform/safefile.h"
#include "results/ReportSources.h"
#include "rules/ExerciseGroups.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <ctime>

namespace report {

namespace {

const char kUsage[] =
    "použití: tutorix-course report [SLOŽKA...] [-o report.html] [--pdf report.pdf]\n"
    "                             [--from D.M.RRRR] [--to D.M.RRRR] [--pupil JMÉNO] [--open]";

// Titles and group names of the exercises from the course's texts.
void courseWords(const QStringList &texts, ReportDocument *doc) {
    const auto text = [&](int k) { return k >= 1 && k <= texts.size() ? texts.at(k - 1).trimmed() : QString(); };
    for (int n = 1; n <= 24; ++n) {
        doc->titles[std::size_t(n)] = text(screens::nameTextOfExercise(n));
        doc->groups[std::size_t(n)] = text(screens::exerciseGroups()[std::size_t(screens::groupOfExercise(n))].titleText);
    }
}

bool parseDate(const QString &text, QDate *date) {
    *date = QDate::fromString(text.trimmed(), QStringLiteral("d.M.yyyy"));
    return date->isValid();
}

}  // namespace

QString defaultReportFolder(QStringList *notes) {
    const course::CourseSetup setup = course::lookUpCourse();
    if (!setup.results.dir.isEmpty()) {
        const QString fallback = course::fallbackNotice(setup);
        if (!fallback.isEmpty() && notes) *notes << fallback;
        return setup.results.dir;
    }
    // No course configured: the pupil's own folder, where the program would
    // keep results.
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tutorix");
    return QFileInfo(own).isDir() ? own : QString();
}

QString cachedReportPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/tutorix/vysledky-tridy.html");
}

int runReportCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    // Without TZ the C library looks at /etc/localtime again for every local
    // time it converts; the logs hold millions of them.
    if (!qEnvironmentVariableIsSet("TZ") && QFileInfo::exists(QStringLiteral("/etc/localtime"))) {
        qputenv("TZ", ":/etc/localtime");
        tzset();
    }
    QCommandLineParser parser;
    const QCommandLineOption html({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("HTML"),
                                  QStringLiteral("soubor"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("PDF"), QStringLiteral("soubor"));
    const QCommandLineOption from(QStringLiteral("from"), QStringLiteral("od"), QStringLiteral("datum"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("do"), QStringLiteral("datum"));
    const QCommandLineOption pupil(QStringLiteral("pupil"), QStringLiteral("žák"), QStringLiteral("jméno"));
    const QCommandLineOption open(QStringLiteral("open"), QStringLiteral("otevřít v prohlížeči"));
    parser.addOptions({html, pdf, from, to, pupil, open});
    const auto usage = [&](const QString &why) {
        err << "tutorix-course report: " << why << "\n" << QString::fromUtf8(kUsage) << Qt::endl;
        return 2;
    };
    if (!parser.parse(QStringList{QStringLiteral("report")} + args)) return usage(parser.errorText());

    ReportDocument doc;
    doc.made = QDateTime::currentDateTime();
    if (parser.isSet(from) && !parseDate(parser.value(from), &doc.filter.from))
        return usage(QStringLiteral("neplatné datum „%1“ (očekávám D.M.RRRR)").arg(parser.value(from)));
    if (parser.isSet(to) && !parseDate(parser.value(to), &doc.filter.to))
        return usage(QStringLiteral("neplatné datum „%1“ (očekávám D.M.RRRR)").arg(parser.value(to)));
    if (doc.filter.from.isValid() && doc.filter.to.isValid() && doc.filter.from > doc.filter.to)
        return usage(QStringLiteral("datum --from je po datu --to"));
    doc.filter.pupil = parser.value(pupil);

    QStringList folders;
    for (const QString &f : parser.positionalArguments()) folders << QDir::cleanPath(f);
    if (folders.isEmpty()) {
        const QString folder = defaultReportFolder(&doc.notes);
        if (folder.isEmpty()) {
            err << "tutorix-course report: nenašel jsem složku s výsledky (Tutorix.ini ani ~/.local/share/tutorix); "
                   "zadejte složku."
                << Qt::endl;
            return 1;
        }
        folders << folder;
    }
    for (const QString &f : folders)
        if (!QFileInfo(f).isDir()) {
            err << "tutorix-course report: složka neexistuje: " << f << Qt::endl;
            return 1;
        }

    QElapsedTimer clock;
    clock.start();
    results::ReportBuilder builder(doc.filter);
    results::ReportReader reader(builder, folders.size() > 1);
    bool titles = false;
    for (const QString &folder : folders) {
        const QStringList texts = course::courseTextsFor(folder);
        if (!titles && !texts.isEmpty()) {
            courseWords(texts, &doc);
            titles = true;
        }
        const results::FolderReading got = reader.readFolder(folder, texts);
        qCDebug(lcCourse) << folder << got.runs << "runs" << got.answers << "answers" << got.duplicates << "duplicates";
        doc.folders << QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath());
        doc.answersRead |= got.hasAnswers;
        if (!got.hasTexts)
            doc.notes << QStringLiteral("Ke složce %1 jsem nenašel Texty.dat kurzu, proto z ní nelze přečíst "
                                        "záznam výsledků (Vysledky.dat).")
                             .arg(folder);
        else if (!got.hasLog)
            doc.notes << QStringLiteral("Ve složce %1 není záznam výsledků Vysledky.dat.").arg(folder);
        if (!got.hasAnswers)
            doc.notes << QStringLiteral("Ve složce %1 není soubor odpovědí Odpovedi.dat (starší výsledky): "
                                        "z ní jsou jen běhy a známky, bez jednotlivých položek.")
                             .arg(folder);
        if (got.unreadable > 0)
            err << "tutorix-course report: " << folder << ": " << got.unreadable
                << " řádků souboru Odpovedi.dat nelze přečíst, vynechávám je" << Qt::endl;
        if (got.duplicates > 0)
            out << "tutorix-course report: " << folder << ": " << got.duplicates
                << " záznamů už bylo v předchozí složce, počítám je jednou" << Qt::endl;
    }
    if (!titles) doc.notes << QStringLiteral("Texty kurzu (Texty.dat) nebyly nalezeny: cvičení jsou uvedena jen čísly.");
    qCDebug(lcCourse) << "read in" << clock.elapsed() << "ms";
    doc.report = builder.finish();
    qCDebug(lcCourse) << "totals in" << clock.elapsed() << "ms";

    QString htmlPath = parser.value(html);
    const QString pdfPath = parser.value(pdf);
    if (htmlPath.isEmpty() && parser.isSet(open)) htmlPath = cachedReportPath();
    if (htmlPath.isEmpty() && pdfPath.isEmpty()) htmlPath = QStringLiteral("vysledky-tridy.html");

    const auto save = [&](const QString &path, const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        const platform::WriteResult w = platform::writeFileAtomic(path, bytes);
        if (!w) {
            err << "tutorix-course report: soubor " << path << " se nepodařilo uložit: " << platform::czechReason(w.error)
                << Qt::endl;
            return false;
        }
        out << "Zpráva uložena: " << QFileInfo(path).absoluteFilePath() << Qt::endl;
        return true;
    };
    if (!htmlPath.isEmpty() && !save(htmlPath, writeHtml(doc))) return 1;
    qCDebug(lcCourse) << "HTML written in" << clock.elapsed() << "ms";
    if (!pdfPath.isEmpty() && !save(pdfPath, writePdf(doc))) return 1;
    qCDebug(lcCourse) << "PDF written in" << clock.elapsed() << "ms";
    if (parser.isSet(open)) {
        const QString target = QFileInfo(htmlPath.isEmpty() ? pdfPath : htmlPath).absoluteFilePath();
        if (!QProcess::startDetached(QStringLiteral("xdg-open"), {target})) {
            err << "tutorix-course report: zprávu se nepodařilo otevřít v prohlížeči (xdg-open): " << target << Qt::endl;
            return 1;
        }
    }
    return 0;
}

}  // namespace report
