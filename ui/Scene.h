// The scene: every screen is a 640 x 480 picture shown at one whole-number
// scale (1 where the display was switched to 640 x 480) and at one place,
// centred on the screen. The scale is Qt's device pixel ratio: screens,
// controls, pop-ups and message boxes keep laying out and painting in scene
// pixels, Qt multiplies geometry, draws text and shapes at the device
// resolution and divides mouse positions back into scene pixels.
//
// Pictures are drawn without smoothing, so at scale n every picture pixel is
// an exact n x n block (see drawing in ui::Form and the controls).
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

namespace ui {

inline constexpr QSize kSceneSize{640, 480};

// The largest whole-number scale (1 ... ) at which the scene fits a screen of
// the given size in device pixels; 1 when even scale 1 does not fit.
int fittingScale(QSize screenPixels);

// The scale to use: forced (0 = none) is honoured up to the fitting scale,
// otherwise the fitting scale.
int chooseScale(QSize screenPixels, int forced);

// Size of the primary screen in device pixels (whatever QT_SCALE_FACTOR or
// the platform's own ratio say).
QSize primaryScreenPixels();

// Makes one scene pixel cover scale x scale device pixels on the primary
// screen, overriding QT_SCALE_FACTOR and the platform's ratio. Call before a
// window is shown.
void applySceneScale(int scale);
// The scale applied last (1 before any).
int sceneScale();

// Whether the display was switched to the scene's size: the scene then sits
// at the screen's top-left corner even before Qt has seen the new size.
void setDisplaySwitched(bool switched);

// Top-left corner of every screen, in scene pixels of the desktop: the scene
// centred on the primary screen ((0, 0) on a 640 x 480 display).
QPoint sceneOrigin();
// The scene rectangle on the desktop (scene pixels).
inline QRect sceneRect() { return QRect(sceneOrigin(), kSceneSize); }
// Maps a point of the scene (0 ... 639, 0 ... 479) to device pixels of the
// screen: where the pupil sees it and where a click on it lands.
QPoint sceneToScreen(QPoint scenePoint);

// A rectangle of the desktop in the coordinates Qt gives widgets (scene
// pixels) in device pixels of its screen, where magnifiers and screen readers
// look, and a device point back.
QRect desktopToDevice(const QRect &rect);
QPoint deviceToDesktop(QPoint point);

}  // namespace ui
