// The procedures every screen shares: window frame, sounds, waits, drawing
// with a key colour, window shapes, pictures and keyboard layouts.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QRgb>
#include <QString>

#include <functional>

class QWidget;
namespace ui {
class Form;
class PictureBox;
}  // namespace ui

namespace Misc {

// Caption "Tutorix Lingvana 1", the shared icon and a fixed client size. A
// 640 x 480 form becomes a screen of the scene: frameless, always at the
// scene's place, Alt+F4 and the close button ask the exit question.
void PrepareScreenWindow(ui::Form *form, int width, int height);
// Gives every control of the form the 12-point screen font and takes it out
// of the tab order. Qt already lays widgets out in device-independent
// pixels, so positions and sizes stay as designed at every display density.
void ScaleScreenControls(QWidget *form);

void PlayHoverSound();
void PlayClickSound();

// Waits ms milliseconds on the event loop; clicks during the wait are
// handled.
void WaitWithEvents(int ms);
// Waits ms milliseconds; user input is held back until the wait ends.
void WaitBusy(int ms);
// Milliseconds since the program started (a steady clock).
qint64 tickCount();

// Copies the w x h rectangle at (sx, sy) of src to (dx, dy) of dst, leaving
// out the pixels of the key colour (where dst keeps its own). src is not
// changed.
void TransparentBlit(QImage &dst, int dx, int dy, int w, int h, const QImage &src, int sx, int sy, QRgb key);
// The same into a picture box's persistent image, shown at once.
void TransparentBlit(ui::PictureBox *dst, int dx, int dy, int w, int h, const QImage &src, int sx, int sy, QRgb key);
// Copies the w x h rectangle at (0, 0) of src into the form's persistent
// image at (x, y) and shows it.
void BlitToForm(ui::Form *form, int x, int y, int w, int h, const QImage &src);
// The region of an image without its key-coloured pixels, built row by row
// from runs in one pass.
QRegion regionWithoutKeyColour(const QImage &image, QRgb key);
// Gives the window the outline of its persistent image: key-coloured pixels
// are neither drawn nor hit by the mouse.
void ApplyWindowShape(ui::Form *form, QRgb key);

// Loads a picture from MediaDir + relative. A picture that cannot be read is
// a fault no check foresaw: it is reported in a "Chyba" box and the program
// ends.
QPixmap loadPicture(const QString &relative);

void SaveKeyboardLayout();
// Steps back through the installed layouts until the start-up layout is
// active again; at least one step, at most one full cycle.
void RestoreKeyboardLayout();
// RestoreKeyboardLayout when another layout than the start-up one is active
// (the way out of the program from any screen, a signal or a fatal error).
void restoreKeyboardLayoutIfChanged();
// Makes US English ("00000409") the active layout; nothing when it already is.
void SwitchToUsLayout();

// Reports a fault that the program cannot work past and ends the program.
void fatalError(const QString &text);
// Ends the program (after the exit sequence or a start-up failure). Tests
// replace it to see that the program would end.
void endProgram(int exitCode);
// True once EndProgram ran (main checks it after start-up).
bool programEnding(int *exitCode = nullptr);
void setEndProgramHook(std::function<void(int)> hook);

}  // namespace Misc
