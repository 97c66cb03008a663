// The screen and print font.
//
// The screens were designed for "MS Sans Serif", which Linux does not have.
// It maps to Liberation Sans (metric-compatible with Arial, installed by the
// README's set-up), falling back to DejaVu Sans and then the default sans.
#pragma once

#include <QFont>
#include <QString>

namespace ui {

// The family that stands in for "MS Sans Serif" on this system.
QString screenFontFamily();

// The screen font at a point size, drawn at the pixel size the points have at
// 96 dpi (12 points = 16 pixels) so screens look the same on every display.
QFont screenFont(double points = 12.0);

// Pixel size of a point size at 96 dpi.
int pixelsForPoints(double points);

}  // namespace ui
