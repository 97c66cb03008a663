// The widget-free rules of the word tiles and clocks: the fixed tile words,
// capitals at a sentence start, where a dropped tile lands, and the clock
// hands' angles.
#include "exercise/TileRules.h"

#include "rules/ExerciseSpec.h"

#include <cmath>

namespace exercise {

QString fixedTileWord(int exercise, int tile) {
    const auto &words = spec(exercise).tiles.words;
    if (tile < 1 || tile > int(words.size()) || !words[std::size_t(tile - 1)]) return {};
    return QString::fromLatin1(words[std::size_t(tile - 1)]);
}

bool startsSentence(const QString &before) {
    if (before.isEmpty()) return true;
    const int dot = before.lastIndexOf(QLatin1Char('.'));
    // (length - 1-based position of the last ".") < 3
    return dot >= 0 && before.size() - (dot + 1) < 3;
}

QString withUpperAt(const QString &text, int i) {
    if (i < 0 || i >= text.size()) return text;
    QString out = text;
    out.replace(i, 1, text.mid(i, 1).toUpper());
    return out;
}

QString withLowerAt(const QString &text, int i) {
    if (i < 0 || i >= text.size()) return text;
    QString out = text;
    out.replace(i, 1, text.mid(i, 1).toLower());
    return out;
}

QString withCapital(const QString &text) { return withUpperAt(text, 0); }

std::array<QPoint, 25> tileSamplePoints(const QRect &tile) {
    std::array<QPoint, 25> points;
    int n = 0;
    for (int a = 1; a <= 5; ++a)
        for (int b = 1; b <= 5; ++b)
            points[std::size_t(n++)] = QPoint(int(std::lround(tile.x() + tile.width() * (a - 1) / 4.0)),
                                              int(std::lround(tile.y() + tile.height() * (b - 1) / 4.0)));
    return points;
}

int dropRow(const std::vector<QRect> &targets, const QRect &tile, QPoint drop) {
    const auto samples = tileSamplePoints(tile);
    auto inside = [](const QRect &r, QPoint p) {
        return r.x() <= p.x() && p.x() <= r.x() + r.width() && r.y() <= p.y() && p.y() <= r.y() + r.height();
    };
    for (std::size_t r = 0; r < targets.size(); ++r) {
        if (inside(targets[r], drop)) return int(r) + 1;
        for (const QPoint &p : samples)
            if (inside(targets[r], p)) return int(r) + 1;
    }
    return 0;
}

double minuteHandAngle(int minutes) { return 6.0 * minutes + 180.0; }
double hourHandAngle(int hours, int minutes) { return 30.0 * hours + 0.5 * minutes + 180.0; }

QPointF clockHandEnd(QPointF centre, double degrees, double length) {
    const double a = degrees * M_PI / 180.0;
    return {centre.x() - length * std::sin(a), centre.y() + length * std::cos(a)};
}

SwitchChoice chooseSwitchPosition(int exercise, int position, const QString &word, const QString &before,
                                  const QString &after) {
    SwitchChoice c{word, after, true};
    const auto &words = ::exercise::spec(exercise).switches.words;
    if (position < 1 || position > int(words.size())) return c;
    const bool first = before.isEmpty();  // the word begins the sentence
    switch (words[std::size_t(position - 1)]) {
    case SwitchWord::AsIs: break;
    case SwitchWord::Capitalised:
        if (first) {
            c.gap = withCapital(word);
            // The after-text begins with a space; its first letter follows
            // the capitalised word and so is put in lower case.
            c.after = withLowerAt(after, 1);
        }
        break;
    case SwitchWord::Closes:
        c.gapShown = false;
        if (first) c.after = withUpperAt(after, 1);
        break;
    }
    return c;
}

}  // namespace exercise
