#include "results/ResultsExport.h"

#include "platform/codec.h"
#include "platform/paths.h"
#include "rules/ExerciseGroups.h"
#include "rules/ExerciseSpec.h"
#include "state/DateText.h"
#include "state/ResultsRules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace results {

namespace {

QString trimmedRight(const QString &s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).isSpace()) --n;
    return s.left(n);
}

// The text between `after` and `before` in line (the last `before` after
// `after`); nothing when either is missing.
bool between(const QString &line, const QString &after, const QString &before, QString *out) {
    const qsizetype from = line.indexOf(after);
    if (from < 0) return false;
    const qsizetype start = from + after.size();
    const qsizetype to = before.isEmpty() ? line.size() : line.lastIndexOf(before);
    if (to < start) return false;
    *out = line.mid(start, to - start).trimmed();
    return true;
}

// Quoted when it holds the separator, a quote or a line end, or when
// spaces around it would be lost.
QString csvField(const QString &s, QChar separator) {
    if (!s.contains(separator) && !s.contains(QLatin1Char('"')) && !s.contains(QLatin1Char('\n')) &&
        !s.contains(QLatin1Char('\r')) && s.trimmed() == s)
        return s;
    return QLatin1Char('"') + QString(s).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + QLatin1Char('"');
}

}  // namespace

std::optional<LoggedResult> parseLogEntry(const QString &l1, const QString &l2, const QString &l3,
                                         const std::function<QString(int)> &label) {
    const QString c = QStringLiteral(": ");
    const QString c2 = QStringLiteral(":  ");
    if (!l1.startsWith(label(35) + c) || !l2.startsWith(label(38) + c) || !l3.startsWith(label(40) + c2))
        return std::nullopt;
    LoggedResult r;
    QString date, time, right, wrong, grade;
    // The name is padded to 35 characters and may itself hold spaces.
    const qsizetype nameEnd = l1.lastIndexOf(QStringLiteral("   ") + label(36) + c);
    if (nameEnd < 0) return std::nullopt;
    r.name = trimmedRight(l1.mid(label(35).size() + c.size(), nameEnd - label(35).size() - c.size()));
    if (!between(l1, QStringLiteral("   ") + label(36) + c, QStringLiteral("   ") + label(37) + c, &date) ||
        !between(l1, QStringLiteral("   ") + label(37) + c, {}, &time))
        return std::nullopt;
    const qsizetype titleAt = l2.lastIndexOf(QLatin1Char(' ') + label(39) + c);
    if (titleAt < 0) return std::nullopt;
    r.exercise = trimmedRight(l2.mid(titleAt + 1 + label(39).size() + c.size()));
    if (!between(l3, QStringLiteral("   ") + label(41) + c2, QStringLiteral("    ") + label(42) + c2, &right) ||
        !between(l3, QStringLiteral("    ") + label(42) + c2, QStringLiteral("    ") + label(43) + c2, &wrong) ||
        !between(l3, QStringLiteral("    ") + label(43) + c2, {}, &grade))
        return std::nullopt;
    const auto rr = parseCount(right), ww = parseCount(wrong), gg = parseCount(grade);
    if (!rr || !ww || !gg) return std::nullopt;
    r.right = *rr;
    r.wrong = *ww;
    r.grade = *gg;
    r.when = QDateTime(parseDayMonthYear(date), parseClock(time, false));
    return r;
}

std::vector<LoggedResult> parseLogEntries(const QStringList &lines, const std::function<QString(int)> &label) {
    std::vector<LoggedResult> out;
    for (qsizetype i = 0; i + 2 < lines.size(); ++i) {
        if (auto r = parseLogEntry(lines.at(i), lines.at(i + 1), lines.at(i + 2), label)) {
            out.push_back(*r);
            i += 2;
        }
    }
    return out;
}

void matchLogDates(std::vector<ExportRow> &rows, const std::vector<LoggedResult> &log) {
    std::vector<bool> used(log.size(), false);
    for (ExportRow &row : rows) {
        for (std::size_t k = 0; k < log.size(); ++k) {
            const LoggedResult &e = log[k];
            if (used[k] || e.exercise != row.title || storableName(e.name) != trimmedRight(row.name) ||
                e.right != row.right || e.wrong != row.wrong || e.grade != row.grade)
                continue;
            used[k] = true;
            row.when = e.when;
            break;
        }
    }
}

QStringList exportHeaders() {
    return {QStringLiteral("Cvičení"), QStringLiteral("Název cvičení"), QStringLiteral("Jméno"),
            QStringLiteral("Správně"),  QStringLiteral("Špatně"),        QStringLiteral("Známka"),
            QStringLiteral("Datum a čas")};
}

QByteArray formatCsv(const std::vector<ExportRow> &rows, QChar separator) {
    QStringList header;
    for (const QString &h : exportHeaders()) header << csvField(h, separator);
    QString text = header.join(separator) + QStringLiteral("\r\n");
    for (const ExportRow &r : rows) {
        text += QStringList{QString::number(r.exercise), csvField(r.title, separator), csvField(r.name, separator),
                            QString::number(r.right), QString::number(r.wrong), QString::number(r.grade),
                            r.when.isValid() ? r.when.toString(QStringLiteral("yyyy-MM-dd hh:mm")) : QString()}
                    .join(separator);
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray formatJson(const std::vector<ExportRow> &rows) {
    QJsonArray array;
    for (const ExportRow &r : rows) {
        QJsonObject o;
        o.insert(QStringLiteral("exercise"), r.exercise);
        o.insert(QStringLiteral("title"), r.title);
        o.insert(QStringLiteral("name"), r.name);
        o.insert(QStringLiteral("right"), r.right);
        o.insert(QStringLiteral("wrong"), r.wrong);
        o.insert(QStringLiteral("grade"), r.grade);
        o.insert(QStringLiteral("date"), r.when.isValid()
                                             ? QJsonValue(r.when.toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")))
                                             : QJsonValue(QJsonValue::Null));
        array.append(o);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

std::vector<ExportRow> collectResults(const QString &dataDir, const QStringList &texts, int only,
                                      QStringList *warnings) {
    const auto text = [&](int k) { return k >= 1 && k <= texts.size() ? texts.at(k - 1) : QString(); };
    std::vector<ExportRow> rows;
    for (int n = 1; n <= exercise::kExerciseCount; ++n) {
        if (only != 0 && n != only) continue;
        const QString file = platform::nativePath(dataDir + QStringLiteral("/%1.res").arg(n));
        int skipped = 0;
        for (const ResultRecord &rec : readResultsFile(file, &skipped))
            rows.push_back({n, text(screens::nameTextOfExercise(n)), rec.name, rec.right, rec.wrong, rec.grade, {}});
        if (skipped > 0 && warnings)
            *warnings << QStringLiteral("%1: nečitelné řádky (%2) nejsou ve výpisu").arg(file).arg(skipped);
    }
    if (text(35).isEmpty() || text(43).isEmpty()) {
        if (warnings)
            *warnings << QStringLiteral("nenalezen soubor Texty.dat složky ani nastaveného kurzu: ve výpisu chybí "
                                        "názvy cvičení a data z deníku výsledků");
        return rows;
    }
    bool ok = false;
    const QStringList log = platform::readTextLines(platform::nativePath(dataDir + QStringLiteral("/Vysledky.dat")), &ok);
    if (ok) matchLogDates(rows, parseLogEntries(log, text));
    return rows;
}

}  // namespace results
