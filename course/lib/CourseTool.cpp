#include "course/lib/CourseTool.h"

#include "content/scramble.h"
#include "course/lib/Checker.h"
#include "course/lib/Icons.h"
#include "course/lib/MaintenanceCommand.h"
#include "course/lib/Media.h"
#include "course/lib/ResultsCommand.h"
#include "platform/codec.h"
#include "platform/safefile.h"
#include "print/PrintCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace course {

namespace {

const char *const kUsage =
    "použití / usage:\n"
    "  tutorix-course build SRC OUT\n"
    "  tutorix-course check DATADIR | SRCDIR\n"
    "  tutorix-course scramble IN OUT\n"
    "  tutorix-course unscramble IN OUT\n"
    "  tutorix-course print DATADIR EXERCISE COUNT OUT.pdf [NAME] [COPIES]\n"
    "  tutorix-course results [DATADIR] [--format csv|json|xlsx] [--separator ';'|','|tab]\n"
    "                 [--exercise N] [-o FILE]\n"
    "  tutorix-course forget DATADIR --pupil NAME [--dry-run]\n"
    "  tutorix-course archive DATADIR ARCHIVE\n"
    "  tutorix-course report [SLOŽKA...] [-o report.html] [--pdf report.pdf]\n"
    "                 [--from D.M.YYYY] [--to D.M.YYYY] [--pupil NAME] [--open]\n"
    "  tutorix-course icons OUTDIR NAME\n"
    "  tutorix-course --help | --version";

const char *const kAbout =
    "Sestaví, zkontroluje a zašifruje kurz Tutorix Lingvana 1, tiskne pracovní listy\n"
    "a pracuje s výsledky žáků:\n"
    "  results   vypíše výsledky složky (bez složky té, kam je program na tomto počítači\n"
    "            ukládá) jako CSV, JSON nebo sešit xlsx; pro český tabulkový procesor\n"
    "            --separator ';'\n"
    "  forget    odstraní všechny záznamy jednoho žáka (--dry-run jen vypíše, co by šlo pryč)\n"
    "  archive   zkopíruje výsledky do archivu, ověří kopii a složku vyprázdní (nový školní rok)\n"
    "  report    přehled výsledků třídy pro učitele jako stránka HTML a PDF (--open otevře\n"
    "            v prohlížeči); bez složky ze složky, kam program na tomto počítači ukládá\n"
    "\n"
    "Builds, checks and scrambles a Tutorix Lingvana 1 course, prints worksheets and\n"
    "handles the pupils' results: results lists a results folder (by default the one the\n"
    "program uses on this computer) as CSV, JSON or an xlsx workbook; forget removes every\n"
    "record of one pupil; archive copies the results into an archive folder, checks the\n"
    "copy and empties the folder for a new school year; report makes the teacher's report\n"
    "of results folders as an HTML page and a PDF.";

bool writeFile(const QString &path, const QByteArray &bytes, QString *error) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) return true;  // unchanged
    existing.close();
    const platform::WriteResult r = platform::writeFileAtomic(path, bytes);
    if (!r && error) *error = QStringLiteral("%1: %2").arg(path, platform::czechReason(r.error));
    return r.ok;
}

// The course files are Windows-1250: a character without a form there would
// silently become "?" in the built course, so the build stops and names it.
bool encodable(const QString &src, const QStringList &lines, QString *error) {
    for (int i = 0; i < lines.size(); ++i) {
        if (platform::representableIn1250(lines[i])) continue;
        for (QChar c : lines[i])
            if (!platform::representableIn1250(QString(c))) {
                if (error)
                    *error = QStringLiteral("%1:%2: znak „%3“ (U+%4) nemá podobu ve Windows-1250.")
                                 .arg(src)
                                 .arg(i + 1)
                                 .arg(QString(c))
                                 .arg(c.unicode(), 4, 16, QLatin1Char('0'));
                return false;
            }
    }
    return true;
}

bool writeIfMissing(const QString &path, QString *error) {
    if (QFileInfo::exists(path)) return true;  // results of pupils are kept across rebuilds
    return writeFile(path, {}, error);
}

}  // namespace

bool buildCourse(const QString &srcDir, const QString &outDir, QString *error) {
    const QString data = outDir + QStringLiteral("/data");
    const QString media = outDir + QStringLiteral("/media");
    if (!QDir().mkpath(data) || !QDir().mkpath(media)) {
        if (error) *error = QStringLiteral("složku %1 nelze vytvořit").arg(outDir);
        return false;
    }
    for (int n = 1; n <= 24; ++n) {
        bool ok = false;
        const QString src = QStringLiteral("%1/%2.txt").arg(srcDir).arg(n);
        const QStringList lines = readSourceLines(src, &ok);
        if (!ok) {
            if (error) *error = QStringLiteral("%1: soubor chybí").arg(src);
            return false;
        }
        if (!encodable(src, lines, error)) return false;
        if (!writeFile(QStringLiteral("%1/%2.dat").arg(data).arg(n), content::scrambleBytes(encodeCourseText(lines)),
                       error))
            return false;
        if (!writeIfMissing(QStringLiteral("%1/%2.res").arg(data).arg(n), error)) return false;
    }
    bool ok = false;
    const QStringList texts = readSourceLines(srcDir + QStringLiteral("/Texty.txt"), &ok);
    if (!ok) {
        if (error) *error = srcDir + QStringLiteral("/Texty.txt: soubor chybí");
        return false;
    }
    if (!encodable(srcDir + QStringLiteral("/Texty.txt"), texts, error)) return false;
    if (!writeFile(data + QStringLiteral("/Texty.dat"), content::scrambleBytes(encodeCourseText(texts)), error))
        return false;
    const QStringList grades = readSourceLines(srcDir + QStringLiteral("/Znamky.txt"), &ok);
    if (!ok) {
        if (error) *error = srcDir + QStringLiteral("/Znamky.txt: soubor chybí");
        return false;
    }
    if (!encodable(srcDir + QStringLiteral("/Znamky.txt"), grades, error)) return false;
    if (!writeFile(data + QStringLiteral("/Znamky.dat"), encodeCourseText(grades), error)) return false;
    if (!writeIfMissing(data + QStringLiteral("/Vysledky.dat"), error)) return false;

    if (!buildMedia(srcDir, texts, media, error)) return false;

    const QString ini = QStringLiteral("[LING1]\r\nCD=%1\\\r\nHD=%2\\\r\n")
                            .arg(QDir::toNativeSeparators(QFileInfo(media).absoluteFilePath()),
                                 QDir::toNativeSeparators(QFileInfo(data).absoluteFilePath()));
    return writeFile(outDir + QStringLiteral("/Tutorix.ini"), platform::encode1250(ini), error);
}

int runTool(const QStringList &args) {
    QTextStream err(stderr);
    QTextStream out(stdout);
    const QString cmd = args.value(1);
    if (cmd == QLatin1String("--help") || cmd == QLatin1String("-h")) {
        out << kUsage << "\n\n" << kAbout << Qt::endl;
        return 0;
    }
    if (cmd == QLatin1String("--version") || cmd == QLatin1String("-v")) {
        out << "tutorix-course " << TUTORIX_VERSION << Qt::endl;
        return 0;
    }
    if (cmd.startsWith(QLatin1Char('-'))) {
        err << "tutorix-course: neznámá volba / unknown option '" << cmd << "'\nViz / try 'tutorix-course --help'."
            << Qt::endl;
        return 2;
    }
    if (cmd == QLatin1String("results")) return runResultsCommand(args.mid(2), err);
    if (cmd == QLatin1String("forget")) return runForgetCommand(args.mid(2), out, err);
    if (cmd == QLatin1String("archive")) return runArchiveCommand(args.mid(2), out, err);
    if (cmd == QLatin1String("icons") && args.size() == 4) {
        QString error;
        if (!writeIcons(args[2], args[3], &error)) {
            err << "tutorix-course: " << error << Qt::endl;
            return 1;
        }
        return 0;
    }
    if (cmd == QLatin1String("build") && args.size() == 4) {
        QString error;
        if (!buildCourse(args[2], args[3], &error)) {
            err << "tutorix-course: " << error << Qt::endl;
            return 1;
        }
        return 0;
    }
    if (cmd == QLatin1String("check") && args.size() == 3) {
        // A source folder has its texts as Texty.txt; a data folder as Texty.dat.
        const bool sources = QFileInfo(QDir(args[2]).filePath(QStringLiteral("Texty.txt"))).isFile();
        const QStringList problems = sources ? checkSources(args[2]) : checkCourse(args[2]);
        for (const QString &p : problems) out << p << Qt::endl;
        if (!problems.isEmpty()) err << "nalezeno problémů: " << problems.size() << Qt::endl;
        return problems.isEmpty() ? 0 : 1;
    }
    if ((cmd == QLatin1String("scramble") || cmd == QLatin1String("unscramble")) && args.size() == 4) {
        QFile in(args[2]);
        if (!in.open(QIODevice::ReadOnly)) {
            err << "tutorix-course: soubor nelze přečíst: " << args[2] << Qt::endl;
            return 1;
        }
        QString error;
        if (!writeFile(args[3], content::scrambleBytes(in.readAll()), &error)) {
            err << "tutorix-course: " << error << Qt::endl;
            return 1;
        }
        return 0;
    }
    if (cmd == QLatin1String("print")) {
        const int rc = print::runPrintCommand(args.mid(2), err);
        if (rc != 2) return rc;
    }
    err << kUsage << Qt::endl;
    return 2;
}

}  // namespace course
