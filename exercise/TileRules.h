// The rules behind word tiles, switch rows and clocks, free of widgets so
// they can be tested alone: the fixed words of the endless tiles, where a
// dropped tile lands, when a dropped word gets a capital, the clock hands and
// what choosing a switch position writes into a row.
#pragma once

#include <QPointF>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

namespace exercise {

// The word of endless tile k (1 ... 12) in exercises 1, 5 and 6; "" for a
// tile or exercise without a fixed word.
QString fixedTileWord(int exercise, int tile);

// Whether a word dropped after this before-text starts a sentence: the
// before-text is empty, or its last "." is among its last three characters.
bool startsSentence(const QString &before);
// The text with its first character in upper case (lower case).
QString withCapital(const QString &text);
// The text with the character at index i (0-based) put in upper / lower case;
// a text too short to have it is returned unchanged.
QString withUpperAt(const QString &text, int i);
QString withLowerAt(const QString &text, int i);

// The 25 sample points of a tile: corners, edge quarter points and the inner
// grid, rounded to whole pixels.
std::array<QPoint, 25> tileSamplePoints(const QRect &tile);
// The first row (1-based) whose target rectangle holds a sample point of the
// tile or the drop point, bounds included (left <= x <= left + width); 0 when
// no row is hit. targets[0] is row 1.
int dropRow(const std::vector<QRect> &targets, const QRect &tile, QPoint drop);

// Clock hands: the angle in degrees (0 points straight down, growing
// clockwise on screen: 180 is up) and the end point of a hand of the given
// length from the centre.
double minuteHandAngle(int minutes);
double hourHandAngle(int hours, int minutes);
QPointF clockHandEnd(QPointF centre, double degrees, double length);

// What choosing switch position (1 ... 3) of a row writes: the gap's text,
// the after-text, and whether the gap stays shown (exercise 2's position 2
// closes the gap).
struct SwitchChoice {
    QString gap;
    QString after;
    bool gapShown = true;
};
SwitchChoice chooseSwitchPosition(int exercise, int position, const QString &word, const QString &before,
                                  const QString &after);

}  // namespace exercise
