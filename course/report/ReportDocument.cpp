#include "course/report/ReportDocument.h"

namespace report {

QString ReportDocument::title(int exercise) const {
    const QString t = exercise >= 1 && exercise <= 24 ? titles[std::size_t(exercise)].trimmed() : QString();
    return t.isEmpty() ? QStringLiteral("Cvičení %1").arg(exercise) : t;
}

QString ReportDocument::scope() const {
    QStringList parts;
    const results::ClassReport &r = report;
    if (filter.from.isValid() || filter.to.isValid()) {
        parts << QStringLiteral("období %1 – %2")
                     .arg(filter.from.isValid() ? dateCs(filter.from) : QStringLiteral("…"),
                          filter.to.isValid() ? dateCs(filter.to) : QStringLiteral("…"));
    } else if (r.firstDay.isValid()) {
        parts << QStringLiteral("období %1 – %2").arg(dateCs(r.firstDay), dateCs(r.lastDay));
    }
    if (!filter.pupil.trimmed().isEmpty()) parts << QStringLiteral("jen žák %1").arg(filter.pupil.simplified());
    return parts.join(QStringLiteral(", "));
}

QString percentCs(double percent) { return QString::number(qRound(percent)) + QStringLiteral("\u00a0%"); }
QString dateCs(const QDate &date) { return date.isValid() ? date.toString(QStringLiteral("d.M.yyyy")) : QString(); }
QString shareCs(int part, int whole) { return percentCs(whole > 0 ? 100.0 * part / whole : 0); }
QString answerCs(const QString &answer) {
    return answer.trimmed().isEmpty() ? QStringLiteral("(bez odpovědi)") : answer;
}

QString countCs(int n, const char *one, const char *few, const char *many) {
    const char *word = n == 1 ? one : (n >= 2 && n <= 4) ? few : many;
    return QLocale(QLocale::Czech).toString(n) + QLatin1Char(' ') + QString::fromUtf8(word);
}

}  // namespace report
