// Shared set-up of the screen tests: the exercise tests' course (a private
// copy of the built course), the program started through its selection
// screen, the way back to it, and the mouse and keyboard input the tests
// send to real widgets.
#pragma once

#include "exercise_fixture.h"
#include "testsupport.h"

#include "state/Misc.h"
#include "state/Services.h"
#include "platform/sound.h"
#include "screens/frm_Intro.h"
#include "screens/frm_Select.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <memory>

namespace screentest {

// The built course with a private data folder, made the active one.
using exercisetest::Course;

// Starts the program as main does (the selection screen's load runs the
// start-up and shows the title) with message boxes, sounds and the end of
// the program caught. The title is left running.
inline bool startProgram() {
    if (!testsupport::loadConfiguration()) return false;
    frm_Select::get().Load();
    return !frm_Select::get().startupFailed();
}

// Unloads the exercise, help and setup screens and waits for the selection
// screen shown again.
inline bool backToSelection() {
    if (frm_Game01::existing()) frm_Game01::Unload();
    if (frm_Intro::existing()) frm_Intro::Unload();
    if (frm_Setup::existing()) frm_Setup::Unload();
    frm_Select::get().Show();
    return QTest::qWaitFor([] { return !frm_Setup::existing() && !frm_Intro::existing() && !frm_Game01::existing(); },
                           5000);
}

// Ends the title screen at once and waits for the selection screen.
inline bool skipTitle() {
    if (frm_Intro *intro = frm_Intro::existing()) intro->TitleScreenDeadline = Misc::tickCount();
    return QTest::qWaitFor([] { return frm_Select::get().isVisible() && !frm_Intro::existing(); }, 5000);
}

// The mouse moving over w (at its centre unless told).
inline void moveOver(QWidget *w, QPoint at = QPoint(-1, -1)) {
    if (at.x() < 0) at = w->rect().center();
    QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

// A left click on w (at its centre unless told).
inline void click(QWidget *w, QPoint at = QPoint(-1, -1)) {
    if (at.x() < 0) at = w->rect().center();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
}

// Typing text key by key (any letters, Czech ones included).
inline void type(QWidget *w, const QString &text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c == QLatin1Char(' ') ? Qt::Key_Space : Qt::Key_unknown, Qt::NoModifier,
                        QString(c));
        QCoreApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, c == QLatin1Char(' ') ? Qt::Key_Space : Qt::Key_unknown,
                          Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(w, &release);
    }
}

inline void backspace(QWidget *w, int times) {
    for (int i = 0; i < times; ++i) QTest::keyClick(w, Qt::Key_Backspace);
}

// How many hover and click sounds were asked for since the log was cleared.
inline int hoverSounds() {
    int n = 0;
    for (const QString &s : platform::Sounds::log()) n += s.endsWith(QLatin1String("enter.wav"), Qt::CaseInsensitive);
    return n;
}
inline int clickSounds() {
    int n = 0;
    for (const QString &s : platform::Sounds::log()) n += s.endsWith(QLatin1String("click.wav"), Qt::CaseInsensitive);
    return n;
}

}  // namespace screentest
