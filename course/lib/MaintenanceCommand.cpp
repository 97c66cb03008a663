#include "course/lib/MaintenanceCommand.h"

#include "course/lib/CourseLookup.h"
#include "platform/paths.h"
#include "platform/safefile.h"
#include "results/PupilKey.h"
#include "results/ResultsMaintenance.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace course {

namespace {

// "1 záznam", "2 záznamy", "5 záznamů".
QString count(qsizetype n, const char *one, const char *few, const char *many) {
    const char *word = n == 1 ? one : (n >= 2 && n <= 4) ? few : many;
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(word));
}

QString records(qsizetype n) { return count(n, "záznam", "záznamy", "záznamů"); }

QString pathIn(const QString &folder, const QString &name) {
    return platform::nativePath(folder + QLatin1Char('/') + name);
}

}  // namespace

int runForgetCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    QCommandLineParser parser;
    const QCommandLineOption pupil(QStringLiteral("pupil"), QStringLiteral("name"), QStringLiteral("NAME"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), QStringLiteral("jen vypsat"));
    parser.addOptions({pupil, dryRun});
    const auto usage = [&](const QString &why) {
        err << "tutorix-course forget: " << why << "\n"
            << "použití / usage: tutorix-course forget SLOŽKA --pupil JMÉNO [--dry-run]" << Qt::endl;
        return 2;
    };
    if (!parser.parse(QStringList{QStringLiteral("forget")} + args)) return usage(parser.errorText());
    if (parser.positionalArguments().size() != 1) return usage(QStringLiteral("čekána jedna složka výsledků"));
    const QString key = results::pupilKeyOf(parser.value(pupil));
    if (key.isEmpty()) return usage(QStringLiteral("chybí jméno žáka: --pupil JMÉNO"));
    const QString dir = QDir::cleanPath(parser.positionalArguments().constFirst());
    if (!QFileInfo(dir).isDir()) {
        err << "tutorix-course forget: složka neexistuje: " << dir << Qt::endl;
        return 1;
    }
    const bool dry = parser.isSet(dryRun);
    const QStringList texts = courseTextsFor(dir);
    const auto label = [&](int k) { return texts.value(k - 1); };
    const QString log = pathIn(dir, QStringLiteral("Vysledky.dat"));
    if (label(35).isEmpty() && QFileInfo(log).size() > 0) {
        err << "tutorix-course forget: " << log
            << ": bez souboru Texty.dat (ve složce ani v nastaveném kurzu) nelze v deníku výsledků poznat jména; "
               "nic nebylo změněno"
            << Qt::endl;
        return 1;
    }
    out << (dry ? "Zkouška nanečisto, nic se nemění. Ze složky " : "Ze složky ") << dir
        << (dry ? " by se odstranilo" : " odstraněno") << " (žák „" << parser.value(pupil).simplified() << "“):\n";
    qsizetype total = 0;
    for (const results::ResultsFile &f : results::resultsFileNames()) {
        const QString path = pathIn(dir, f.name);
        const results::ForgetOutcome o = results::forgetInFile(path, f.kind, key, label, dry);
        if (!o.result) {
            out.flush();
            err << "tutorix-course forget: " << o.result.message << "; soubor zůstal beze změny" << Qt::endl;
            return 1;
        }
        if (o.removed.isEmpty()) continue;
        total += o.removed.size();
        if (f.kind == results::ResultsFileKind::Answers) {
            out << "  " << f.name << ": " << count(o.removed.size(), "řádek", "řádky", "řádků") << " odpovědí\n";
            continue;
        }
        out << "  " << f.name << ": " << records(o.removed.size()) << "\n";
        for (const QString &line : o.removed) out << "    " << line << "\n";
    }
    if (total == 0) out << "  nic, žák s tímto jménem ve složce nemá žádný záznam\n";
    out.flush();
    return 0;
}

int runArchiveCommand(const QStringList &args, QTextStream &out, QTextStream &err) {
    const auto fail = [&](const QString &why) {
        out.flush();
        err << "tutorix-course archive: " << why << Qt::endl;
        return 1;
    };
    if (args.size() != 2 || args[0].startsWith(QLatin1Char('-')) || args[1].startsWith(QLatin1Char('-'))) {
        err << "použití / usage: tutorix-course archive SLOŽKA ARCHIV" << Qt::endl;
        return 2;
    }
    const QString dir = QDir::cleanPath(args[0]);
    const QString archive = QDir::cleanPath(args[1]);
    if (!QFileInfo(dir).isDir()) return fail(QStringLiteral("složka neexistuje: %1").arg(dir));
    if (!QDir().mkpath(archive)) return fail(QStringLiteral("složku archivu nelze vytvořit: %1").arg(archive));
    if (QFileInfo(dir).canonicalFilePath() == QFileInfo(archive).canonicalFilePath())
        return fail(QStringLiteral("archiv musí být jiná složka než %1").arg(dir));
    if (holdsResults(archive))
        return fail(QStringLiteral("%1 už obsahuje výsledky; zvolte prázdnou složku archivu").arg(archive));
    // The texts the folder is read with go along, so the archive shows its
    // titles and dates even after the course has changed.
    const QString texts = courseTextsPathFor(dir);
    out << "Archivace " << dir << " do " << archive << ":\n";
    int archived = 0;
    for (const results::ResultsFile &f : results::resultsFileNames()) {
        const QString path = pathIn(dir, f.name);
        if (!QFileInfo::exists(path)) continue;
        qint64 bytes = 0;
        const platform::WriteResult w =
            results::archiveFile(path, archive + QLatin1Char('/') + f.name, &bytes);
        if (!w) return fail(w.message + QStringLiteral("; tento a další soubory zůstaly ve složce beze změny"));
        out << "  " << f.name << ": " << count(bytes, "bajt", "bajty", "bajtů")
            << (bytes > 0 ? ", zkopírováno, ověřeno bajt po bajtu a ve složce vyprázdněno\n" : ", prázdný, zkopírován\n");
        ++archived;
    }
    if (!texts.isEmpty()) {
        QFile t(texts);
        const platform::WriteResult w = t.open(QIODevice::ReadOnly)
                                            ? platform::writeFileAtomic(archive + QStringLiteral("/Texty.dat"), t.readAll())
                                            : platform::WriteResult{false, EACCES, {}};
        if (!w) return fail(QStringLiteral("%1/Texty.dat: %2").arg(archive, platform::czechReason(w.error)));
        out << "  Texty.dat: přiložen z " << texts << " (názvy cvičení a slova deníku)\n";
    }
    out << "Hotovo: " << count(archived, "soubor", "soubory", "souborů") << " v archivu, složka " << dir
        << " je připravena na nový školní rok.\n";
    out.flush();
    return 0;
}

}  // namespace course
