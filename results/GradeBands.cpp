#include "results/GradeBands.h"

#include "rules/RunLengths.h"
#include "state/GradeBands.h"
#include "state/ResultsRules.h"

#include <array>

namespace results {

int wholeNumber(const QString &field) {
    const QString t = field.trimmed();
    if (t.isEmpty() || t.size() > 6) return -1;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return -1;
    return t.toInt();
}

namespace {

QString percent(double p) {
    QString s = QString::number(p, 'f', 1);
    if (s.endsWith(QLatin1String(".0"))) s.chop(2);
    return s.replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" %");
}

}  // namespace

std::vector<int> runLengths() { return {exercise::kRunLengths.begin(), exercise::kRunLengths.end()}; }

std::vector<std::pair<int, int>> scoresWithoutGrade(const std::array<Misc::GradeBand, 6> &bands) {
    std::vector<std::pair<int, int>> missing;
    for (int total : exercise::kRunLengths)
        for (int right = 0; right <= total; ++right)
            if (gradeFor(right, total, bands).isEmpty()) missing.emplace_back(right, total);
    return missing;
}

std::optional<content::LineFault> findBadGradeLine(const QStringList &lines) {
    std::array<Misc::GradeBand, 6> bands{};
    for (int n = 1; n <= 5; ++n) {
        if (n > lines.size())
            return content::LineFault{n, QStringLiteral("chybí (soubor má mít pět řádků, jeden pro každou známku)")};
        const QString &line = lines.at(n - 1);
        if (line.trimmed().isEmpty()) return content::LineFault{n, QStringLiteral("je prázdný")};
        const QStringList fields = line.split(QLatin1Char('|'));
        const int lower = wholeNumber(fields.value(0));
        const int upper = wholeNumber(fields.value(1));
        const int grade = wholeNumber(fields.value(2));
        if (lower < 0 || upper < 0 || grade < 0)
            return content::LineFault{n, QStringLiteral("nemá tři celá čísla oddělená znakem | (dolní mez v procentech, "
                                                        "horní mez v procentech, známku)")};
        for (int bound : {lower, upper})
            if (bound > 100)
                return content::LineFault{n, QStringLiteral("má mez %1 %, meze musí být od 0 do 100 %").arg(bound)};
        if (lower > upper)
            return content::LineFault{n, QStringLiteral("má dolní mez %1 % vyšší než horní mez %2 %").arg(lower).arg(upper)};
        if (grade < 1 || grade > 5)
            return content::LineFault{n, QStringLiteral("má známku %1, známky jsou jen 1 až 5").arg(grade)};
        bands[std::size_t(n)] = Misc::parseGradeLine(line);
    }
    const auto missing = scoresWithoutGrade(bands);
    if (!missing.empty()) {
        const auto [right, total] = missing.front();
        // The band the gap follows, or the one it comes before.
        const double p = double(right) / double(total) * 100.0;
        int before = 0, after = 0;
        for (int n = 1; n <= 5; ++n) {
            const Misc::GradeBand &b = bands[std::size_t(n)];
            if (b.upper < p && (before == 0 || b.upper > bands[std::size_t(before)].upper)) before = n;
            if (b.lower > p && (after == 0 || b.lower < bands[std::size_t(after)].lower)) after = n;
        }
        const QString score = QStringLiteral("výsledek %1 z %2 otázek (%3) nedostane žádnou známku")
                                  .arg(right)
                                  .arg(total)
                                  .arg(percent(p));
        if (before != 0)
            return content::LineFault{before, QStringLiteral("končí na %1 %, další pásmo na něj nenavazuje a %2")
                                                  .arg(bands[std::size_t(before)].upper)
                                                  .arg(score)};
        return content::LineFault{after, QStringLiteral("začíná až na %1 % a %2")
                                             .arg(bands[std::size_t(after)].lower)
                                             .arg(score)};
    }
    return std::nullopt;
}

}  // namespace results
