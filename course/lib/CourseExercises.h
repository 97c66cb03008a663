// What the course tool alone needs to know about each exercise, one row per
// exercise: the icon of its setup page, where its background puts the white
// row bands and the tinted boxes, why a run needs as many records as it
// does, and the fixed words of its switches. Everything the program itself
// knows about an exercise comes from exercise::spec(n) instead.
#pragma once

#include "course/lib/MediaStyle.h"

#include <QString>

namespace course {

// The white bands of a page of rows on the exercise background: one band
// per row, the mark slot beside it.
struct RowBands {
    int left = 0, right = 0;   // band
    int top = 0, height = 0;   // band of row 1
    int step = 0;              // row step; 0 when the background draws no bands
    int markLeft = 0, markTop = 0;
    int numberLeft = -1;       // row number badge (none when -1)
};

// A tinted box inside each band (model words, Czech words), moving with
// the row step.
struct RowTint {
    enum Colour { None, Teal, TealLight };
    Colour colour = None;
    int left = 0, top = 0, width = 0, height = 0;  // in row 1
};

struct CourseExercise {
    int number = 0;
    media::Icon icon = media::Icon::Pencil;  // the task icon of the setup page
    RowBands bands;
    RowTint tint;
    // Why a run needs kRunRecords records (completes the checker's message).
    const char *recordsReason = "";
    // Switch rows: the two words every row must offer (in either order),
    // empty when the rows choose their own.
    const char *fixedSwitchWords[2] = {"", ""};
    // Switch rows: the last position closes the gap and so carries no word.
    bool lastSwitchCloses = false;
};

// The row of exercise n (1 ... 24); an empty row (number 0) for any other.
const CourseExercise &courseExercise(int exercise);

}  // namespace course
