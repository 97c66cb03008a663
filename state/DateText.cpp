#include "state/DateText.h"

namespace results {

namespace {

// Reads a number of minDigits ... maxDigits digits at pos; -1 when there is none.
int number(QStringView t, qsizetype &pos, int minDigits, int maxDigits) {
    int value = 0, digits = 0;
    while (pos < t.size() && digits < maxDigits && t[pos] >= QLatin1Char('0') && t[pos] <= QLatin1Char('9')) {
        value = value * 10 + (t[pos].unicode() - '0');
        ++pos;
        ++digits;
    }
    return digits >= minDigits ? value : -1;
}

bool separator(QStringView t, qsizetype &pos, char c) {
    if (pos >= t.size() || t[pos] != QLatin1Char(c)) return false;
    ++pos;
    return true;
}

}  // namespace

QDate parseDayMonthYear(QStringView t) {
    qsizetype pos = 0;
    const int d = number(t, pos, 1, 2);
    if (d < 0 || !separator(t, pos, '.')) return {};
    const int m = number(t, pos, 1, 2);
    if (m < 0 || !separator(t, pos, '.')) return {};
    const int y = number(t, pos, 4, 4);
    if (y < 0 || pos != t.size()) return {};
    return QDate(y, m, d);
}

QTime parseClock(QStringView t, bool withSeconds) {
    qsizetype pos = 0;
    const int h = number(t, pos, 2, 2);
    if (h < 0 || !separator(t, pos, ':')) return {};
    const int m = number(t, pos, 2, 2);
    if (m < 0) return {};
    int s = 0;
    if (withSeconds && (!separator(t, pos, ':') || (s = number(t, pos, 2, 2)) < 0)) return {};
    if (pos != t.size()) return {};
    return QTime(h, m, s);
}

}  // namespace results
