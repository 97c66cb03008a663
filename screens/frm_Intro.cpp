#include "screens/frm_Intro.h"

#include "platform/logging.h"
#include "rules/ExerciseSpec.h"
#include "state/Misc.h"
#include "state/Navigation.h"
#include "state/Services.h"
#include "screens/ScreenKeys.h"
#include "screens/frm_Select.h"
#include "screens/frm_Setup.h"

#include <QEventLoop>
#include <QTimer>

using namespace Misc;

frm_Intro::frm_Intro() {
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &frm_Intro::Timer1_Timer);
    createTopicControls();
    screens::setUpIntroKeys(*this);
}

void frm_Intro::Form_Load() {
    ScaleScreenControls(this);
    PrepareScreenWindow(this, 640, 480);
    setMouseIcon(CursorHand);
    screens::showIntroPageArea(*this, STAV_FORMU != kTopicScreen);
    if (STAV_FORMU == kTitleScreen) {
        setPicture(loadPicture(QStringLiteral("Bitmap\\Intro\\title.bmp")));
        Refresh();
        TitleSkipRequested = false;
        TitleScreenDeadline = tickCount() + kTitleMilliseconds;
    }
    CurrentScreen = this;
}

void frm_Intro::Form_Activate() {
    if (STAV_FORMU == kTitleScreen) {
        Timer1->start();
        setMouseIcon(CursorHand);
        qCInfo(lcScreens) << "title screen shown";
    }
}

void frm_Intro::Timer1_Timer() {
    Timer1->stop();
    // Wait on the event loop until the deadline, or until a click asks to
    // skip the rest of the title.
    const qint64 left = TitleScreenDeadline - tickCount();
    if (!TitleSkipRequested && left > 0) {
        QEventLoop loop;
        m_titleWait = &loop;
        QTimer::singleShot(int(left), &loop, &QEventLoop::quit);
        loop.exec();
        m_titleWait = nullptr;
    }
    CurrentScreen = &frm_Select::get();
    frm_Select::get().Show();
    Hide();
    Unload();
}

void frm_Intro::Form_MouseDown(Qt::MouseButton, int, int) {
    PlayClickSound();
    if (STAV_FORMU == kTitleScreen) {
        TitleSkipRequested = true;
        if (m_titleWait) m_titleWait->quit();
        return;
    }
    if (STAV_FORMU == kTopicScreen) return;
    if (STAV_FORMU.isEmpty()) {
        // A plain help page: back to the screen that opened it. Should that
        // screen be gone, the selection screen takes its place so that a
        // screen is always in front.
        ui::Form *back = Nadrazeny_form;
        if (!back) back = &frm_Select::get();
        back->Show();
        CurrentScreen = back;
        Nadrazeny_form = nullptr;
        Hide();
        Unload();
        return;
    }
    if (STAV_FORMU == kExerciseHelp) {
        const QString &n = ExerciseNumber;
        if (QString::number(n.toInt()) == n && exercise::isTopics(n.toInt())) {
            // The help page of exercise 21 turns into its topic screen;
            // without a usable 21.dat (the box said why) the pupil is back
            // on the setup screen.
            if (!Zobraz_formular_vyberova_obrazovka_21()) {
                frm_Setup &setup = frm_Setup::get();
                setup.Show();
                CurrentScreen = &setup;
                Hide();
                Unload();
                return;
            }
            STAV_FORMU = kTopicScreen;
            Show();
            CurrentScreen = this;
            return;
        }
        const int number = n.toInt();
        if (QString::number(number) != n || !exercise::isExercise(number)) return;
        Go.showExercise();
        WaitBusy(10);
        Hide();
        if (ui::Form *game = Go.exerciseScreen()) CurrentScreen = game;
        Unload();
    }
}
