#include "results/ResultsMaintenance.h"

#include "platform/codec.h"
#include "state/AnswersLog.h"
#include "results/PupilKey.h"
#include "rules/ExerciseSpec.h"
#include "state/ResultsRules.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>

namespace results {

namespace {

// A line of the file as stored (with its line end) and as read.
struct RawLine {
    QByteArray bytes;
    QString text;
};

std::vector<RawLine> rawLines(const QByteArray &bytes) {
    std::vector<RawLine> out;
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', from);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArray line = bytes.mid(from, end - from);
        QByteArray bare = line;
        while (bare.endsWith('\n') || bare.endsWith('\r')) bare.chop(1);
        out.push_back({line, platform::decode1250(bare)});
        from = end;
    }
    return out;
}

QString trimmedRight(const QString &s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).isSpace()) --n;
    return s.left(n);
}

// The pupil of a log entry starting at line i (four lines: name, exercise,
// counts, separator), or nothing when no whole entry starts there.
std::optional<QString> logEntryName(const std::vector<RawLine> &lines, std::size_t i,
                                    const std::function<QString(int)> &label) {
    if (i + 3 >= lines.size() || label(35).isEmpty()) return std::nullopt;
    const QString c = QStringLiteral(": ");
    const QString &l1 = lines[i].text;
    if (!l1.startsWith(label(35) + c) || !lines[i + 1].text.startsWith(label(38) + c) ||
        !lines[i + 2].text.startsWith(label(40) + QStringLiteral(":  ")) ||
        lines[i + 3].text != QString(75, QLatin1Char('=')))
        return std::nullopt;
    const qsizetype start = label(35).size() + c.size();
    const qsizetype end = l1.lastIndexOf(QStringLiteral("   ") + label(36) + c);
    if (end < start) return std::nullopt;
    return trimmedRight(l1.mid(start, end - start));
}

platform::WriteResult failure(int error, const QString &message) {
    platform::WriteResult r;
    r.ok = false;
    r.error = error;
    r.message = message;
    return r;
}

bool readAll(const QString &path, QByteArray *bytes) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    *bytes = f.readAll();
    return f.error() == QFileDevice::NoError;
}

}  // namespace

std::vector<ResultsFile> resultsFileNames() {
    std::vector<ResultsFile> out;
    for (int n = 1; n <= exercise::kExerciseCount; ++n)
        out.push_back({QStringLiteral("%1.res").arg(n), ResultsFileKind::Table});
    out.push_back({QStringLiteral("Vysledky.dat"), ResultsFileKind::Log});
    out.push_back({QLatin1String(kAnswersFileName), ResultsFileKind::Answers});
    return out;
}

ForgetSplit forgetInBytes(const QByteArray &bytes, ResultsFileKind kind, const QString &key,
                          const std::function<QString(int)> &label) {
    ForgetSplit out;
    const std::vector<RawLine> lines = rawLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const RawLine &l = lines[i];
        if (kind == ResultsFileKind::Log) {
            const auto name = logEntryName(lines, i, label);
            if (name && pupilKeyOf(*name) == key) {
                out.removed << l.text.simplified();
                i += 3;
                continue;
            }
            if (name) {
                for (std::size_t k = i; k <= i + 3; ++k) out.kept += lines[k].bytes;
                i += 3;
                continue;
            }
        } else if (!l.text.isEmpty()) {
            QString name;
            bool readable = false;
            if (kind == ResultsFileKind::Table) {
                const auto r = parseResultLine(l.text);
                if (r) name = r->name;
                readable = r.has_value();
            } else {
                const auto a = parseAnswerLine(l.text);
                if (a) name = a->name;
                readable = a.has_value();
            }
            if (!readable) ++out.unreadable;
            if (readable && pupilKeyOf(name) == key) {
                out.removed << l.text;
                continue;
            }
        }
        out.kept += l.bytes;
    }
    return out;
}

ForgetOutcome forgetInFile(const QString &nativePath, ResultsFileKind kind, const QString &key,
                           const std::function<QString(int)> &label, bool dryRun, int waitMs) {
    ForgetOutcome out;
    if (!QFileInfo::exists(nativePath)) return out;
    platform::FileLock lock(nativePath, waitMs);
    if (!lock.isLocked()) {
        out.result = failure(EBUSY, QStringLiteral("%1: soubor právě zapisuje jiný počítač").arg(nativePath));
        return out;
    }
    QByteArray bytes;
    if (!readAll(nativePath, &bytes)) {
        out.result = failure(EACCES, QStringLiteral("%1: soubor nelze přečíst").arg(nativePath));
        return out;
    }
    const ForgetSplit split = forgetInBytes(bytes, kind, key, label);
    out.removed = split.removed;
    out.unreadable = split.unreadable;
    if (dryRun || split.removed.isEmpty()) return out;
    out.result = platform::writeFileAtomic(nativePath, split.kept, platform::InPlace::WhenFolderRefuses);
    if (!out.result) {
        out.removed.clear();
        out.result.message = QStringLiteral("%1: %2").arg(nativePath, platform::czechReason(out.result.error));
    }
    return out;
}

platform::WriteResult archiveFile(const QString &nativePath, const QString &archivePath, qint64 *bytes,
                                  int waitMs) {
    platform::FileLock lock(nativePath, waitMs);
    if (!lock.isLocked())
        return failure(EBUSY, QStringLiteral("%1: soubor právě zapisuje jiný počítač").arg(nativePath));
    QByteArray data;
    if (!readAll(nativePath, &data)) return failure(EACCES, QStringLiteral("%1: soubor nelze přečíst").arg(nativePath));
    platform::WriteResult w = platform::writeFileAtomic(archivePath, data);
    if (!w) return failure(w.error, QStringLiteral("%1: %2").arg(archivePath, platform::czechReason(w.error)));
    QByteArray copy;
    if (!readAll(archivePath, &copy) || copy != data)
        return failure(EIO, QStringLiteral("%1: kopie se neshoduje s originálem %2").arg(archivePath, nativePath));
    if (bytes) *bytes = data.size();
    if (data.isEmpty()) return {};
    w = platform::writeFileAtomic(nativePath, {}, platform::InPlace::WhenFolderRefuses);
    if (!w) return failure(w.error, QStringLiteral("%1: %2").arg(nativePath, platform::czechReason(w.error)));
    return {};
}

}  // namespace results
