#include "state/AnswersLog.h"

#include "rules/ExerciseSpec.h"
#include "state/DateText.h"
#include "state/ResultsRules.h"

#include <array>

namespace results {

namespace {

constexpr int kFields = 8;

}  // namespace

QString answerLogField(const QString &text) {
    QString out = text;
    for (QChar &c : out)
        if (c == QLatin1Char('|') || c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return out;
}

QString formatAnswerLine(const AnswerEntry &e) {
    return QStringList{e.when.date().toString(QStringLiteral("d.M.yyyy")),
                       e.when.time().toString(QStringLiteral("hh:mm:ss")),
                       answerLogField(e.name),
                       QString::number(e.exercise),
                       answerLogField(e.item),
                       answerLogField(e.answer),
                       answerLogField(e.expected),
                       e.right ? QStringLiteral("1") : QStringLiteral("0")}
        .join(QLatin1Char('|'));
}

std::optional<AnswerEntry> parseAnswerLine(const QString &line) {
    // Split into views first: only the fields kept become strings.
    std::array<QStringView, kFields> f;
    const QStringView all(line);
    qsizetype start = 0;
    for (int k = 0; k < kFields; ++k) {
        const qsizetype bar = k + 1 < kFields ? all.indexOf(QLatin1Char('|'), start) : all.size();
        if (bar < 0) return std::nullopt;
        f[std::size_t(k)] = all.mid(start, bar - start);
        start = bar + 1;
    }
    if (f[7].contains(QLatin1Char('|'))) return std::nullopt;
    AnswerEntry e;
    const QDate day = parseDayMonthYear(f[0]);
    const QTime time = parseClock(f[1], true);
    bool ok = false;
    e.exercise = f[3].toInt(&ok);
    if (!day.isValid() || !time.isValid() || !ok || !exercise::isExercise(e.exercise)) return std::nullopt;
    if (f[7] != QLatin1String("0") && f[7] != QLatin1String("1")) return std::nullopt;
    e.when = QDateTime(day, time);
    if (!e.when.isValid()) return std::nullopt;
    e.name = f[2].toString();
    e.item = f[4].toString();
    e.answer = f[5].toString();
    e.expected = f[6].toString();
    e.right = f[7] == QLatin1String("1");
    return e;
}

platform::WriteResult appendAnswers(const QString &nativePath, const std::vector<AnswerEntry> &entries, int waitMs) {
    QStringList lines;
    lines.reserve(qsizetype(entries.size()));
    for (const AnswerEntry &e : entries) lines << formatAnswerLine(e);
    return appendLogEntry(nativePath, lines, waitMs);
}

}  // namespace results
