// Windows cursor files (.cur): reading into a QCursor with its hot spot, and
// writing a 32 x 32 cursor from an image (the course tool draws the
// pointers).
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPoint>

namespace platform {

struct CursorImage {
    QImage image;
    QPoint hotSpot;
    bool valid = false;
};

// Parses the first image of a .cur file held in memory. Every size and
// offset is checked against the data: a damaged or truncated file gives
// valid = false and nothing outside bytes is ever read.
CursorImage parseCursorFile(const QByteArray &bytes);
// Loads a cursor from a data path; an unreadable file gives the arrow cursor
// and ok = false.
QCursor loadCursorFile(const QString &dataPath, bool *ok = nullptr);
// Encodes an ARGB image (at most 256 x 256) as a .cur file with a 32-bit
// colour image and its AND mask.
QByteArray encodeCursorFile(const QImage &image, QPoint hotSpot);

}  // namespace platform
