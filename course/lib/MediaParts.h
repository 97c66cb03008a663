// The builders of the media tree, one per family of pictures and sounds.
// Each draws its files from code and the course texts and stores them with
// the writer; buildMedia runs them in turn.
#pragma once

#include "course/lib/MediaStyle.h"

#include <QString>
#include <QStringList>

namespace course::media {

// Bitmap\Select: background, group and exercise pictures, exit button.
void buildSelectPictures(Writer &w, const QStringList &texts);
// Bitmap\Intro\title.bmp and Bitmap\Help: authors, setup help, one help
// page per exercise.
void buildIntroAndHelpPictures(Writer &w, const QStringList &texts);
// Bitmap\Setup: backgrounds, dial pointers, count buttons, slide-in
// buttons, back button, help-first toggle, topic screen.
void buildSetupPictures(Writer &w, const QStringList &texts);
// Bitmap\Games: the backgrounds of the exercise screens.
void buildGameBackgrounds(Writer &w, const QStringList &texts);
// Bitmap\Games: toolbar, marks, hint bubbles, switches and list markers.
void buildGameControls(Writer &w);
// Bitmap\Tab: results backgrounds and the close button.
void buildResultsPictures(Writer &w, const QStringList &texts);
// Cur: the three mouse pointers.
void buildCursors(Writer &w);
// Sound: click and hover sounds, and the recordings of exercises 22 ... 24
// spoken from the content sources in srcDir.
void buildSounds(Writer &w, const QString &srcDir);

// Exercise name and group title texts of exercise n.
QString exerciseName(const QStringList &texts, int n);
QString groupTitle(const QStringList &texts, int n);

// The icon beside the line that tells what the pupil does in exercise n.
Icon taskIcon(int n);

// Slide-in buttons and their sizes, shared by the setup and topic screens.
QImage continueButton();
QImage printButton();

}  // namespace course::media
