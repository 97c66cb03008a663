// The program's icons for the desktop: PNG files at the usual sizes and an
// SVG, laid out as an icon theme folder (hicolor/NxN/apps/NAME.png,
// hicolor/scalable/apps/NAME.svg).
#pragma once

#include <QString>

namespace course {

// Writes the icons under outDir. Returns false with a message on failure.
bool writeIcons(const QString &outDir, const QString &name, QString *error);

// The SVG form of the icon (the same drawing as the PNG files).
QByteArray programIconSvg();

}  // namespace course
