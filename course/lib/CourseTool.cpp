#include "course/lib/CourseTool.h"

#include "content/scramble.h"
#include "course/lib/Checker.h"
#include "course/lib/Icons.h"
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
    "usage: tutorix-course build SRC OUT\n"
    "       tutorix-course check DATADIR\n"
    "       tutorix-course scramble IN OUT\n"
    "       tutorix-course unscramble IN OUT\n"
    "       tutorix-course print DATADIR EXERCISE COUNT OUT.pdf [NAME] [COPIES]\n"
    "       tutorix-course results DATADIR [--format csv|json] [--exercise N]\n"
    "       tutorix-course report [FOLDER...] [-o report.html] [--pdf report.pdf]\n"
    "                             [--from D.M.YYYY] [--to D.M.YYYY] [--pupil NAME] [--open]\n"
    "       tutorix-course icons OUTDIR NAME\n"
    "       tutorix-course --help | --version";

bool writeFile(const QString &path, const QByteArray &bytes, QString *error) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) return true;  // unchanged
    existing.close();
    const platform::WriteResult r = platform::writeFileAtomic(path, bytes);
    if (!r && error) *error = r.message;
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
                    *error = QStringLiteral("%1:%2: the character \"%3\" (U+%4) has no Windows-1250 form.")
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
        if (error) *error = QStringLiteral("cannot create %1").arg(outDir);
        return false;
    }
    for (int n = 1; n <= 24; ++n) {
        bool ok = false;
        const QString src = QStringLiteral("%1/%2.txt").arg(srcDir).arg(n);
        const QStringList lines = readSourceLines(src, &ok);
        if (!ok) {
            if (error) *error = QStringLiteral("%1: missing").arg(src);
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
        if (error) *error = srcDir + QStringLiteral("/Texty.txt: missing");
        return false;
    }
    if (!encodable(srcDir + QStringLiteral("/Texty.txt"), texts, error)) return false;
    if (!writeFile(data + QStringLiteral("/Texty.dat"), content::scrambleBytes(encodeCourseText(texts)), error))
        return false;
    const QStringList grades = readSourceLines(srcDir + QStringLiteral("/Znamky.txt"), &ok);
    if (!ok) {
        if (error) *error = srcDir + QStringLiteral("/Znamky.txt: missing");
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
        out << kUsage << "\n\nBuilds, checks and scrambles a Tutorix Lingvana 1 course; prints worksheets;\n"
                         "lists the pupils' results of a data folder in UTF-8 (CSV or JSON);\n"
                         "makes the teacher's report of results folders (HTML and PDF, in Czech)."
            << Qt::endl;
        return 0;
    }
    if (cmd == QLatin1String("--version") || cmd == QLatin1String("-v")) {
        out << "tutorix-course " << TUTORIX_VERSION << Qt::endl;
        return 0;
    }
    if (cmd.startsWith(QLatin1Char('-'))) {
        err << "tutorix-course: unknown option '" << cmd << "'\nTry 'tutorix-course --help'." << Qt::endl;
        return 2;
    }
    if (cmd == QLatin1String("results")) return runResultsCommand(args.mid(2), err);
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
        const QStringList problems = checkCourse(args[2]);
        for (const QString &p : problems) out << p << Qt::endl;
        if (!problems.isEmpty()) err << problems.size() << " problem(s) found" << Qt::endl;
        return problems.isEmpty() ? 0 : 1;
    }
    if ((cmd == QLatin1String("scramble") || cmd == QLatin1String("unscramble")) && args.size() == 4) {
        QFile in(args[2]);
        if (!in.open(QIODevice::ReadOnly)) {
            err << "tutorix-course: cannot read " << args[2] << Qt::endl;
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
