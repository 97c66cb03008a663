// Shared set-up of the exercise form tests: a private copy of the built
// course made the active one with its configuration loaded, a clean run
// state, the form opened on an exercise (with chosen topics for 21), and the
// forms a test left unloaded with their deferred deletions run.
#pragma once

#include "testsupport.h"

#include "state/Misc.h"
#include "exercise/frm_Game01.h"
#include "results/frm_Tabulka.h"
#include "exercise/frm_Chybovy.h"
#include "screens/frm_Intro.h"
#include "screens/frm_Setup.h"

#include <QCoreApplication>

#include <initializer_list>
#include <memory>

namespace exercisetest {

// Runs what an unloaded form left for the event loop.
inline void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The course every exercise test runs on.
struct Course {
    // Copies and activates the course and loads the configuration; with
    // setup, the setup screen is loaded too (the form goes back to it).
    bool start(bool setup = false, bool mute = false) {
        if (!activate() || !testsupport::loadConfiguration()) return false;
        if (mute) testsupport::muteSounds();
        if (setup) frm_Setup::get().Load();
        keepSetup = setup;
        return true;
    }
    // Only copies and activates the course (the screen tests start the
    // program, which loads the configuration).
    bool activate() {
        copy = std::make_unique<testsupport::CourseCopy>();
        if (!copy->isValid()) return false;
        copy->activate();
        return true;
    }
    QString dataDir() const { return copy->dataDir(); }
    // Unloads every form a test may have opened (the setup screen only when
    // the course did not load it) and runs what they left behind.
    void closeForms() const {
        frm_Tabulka::Unload();
        frm_Game01::Unload();
        frm_Chybovy::Unload();
        frm_Intro::Unload();
        if (!keepSetup) frm_Setup::Unload();
        settle();
    }
    std::unique_ptr<testsupport::CourseCopy> copy;
    bool keepSetup = false;
};

// A run as the setup screen starts it: not printing, nothing hovered, no
// message boxes seen yet.
inline void resetRun() {
    testsupport::messageBoxes().clear();
    Misc::PrintMode = false;
    Misc::HoverCode = 0;
}

// Topics chosen on the topic screen of 21, as its buttons' tags say.
inline void chooseTopics(std::initializer_list<int> topics) {
    frm_Intro &intro = frm_Intro::get();
    for (int t : topics) {
        auto *button = new ui::Label(&intro);
        button->Tag = QStringLiteral("1");
        intro.TlacitkoTema.setElement(t, button);
    }
}

// The form on exercise n for a run of count items: shown (its load runs
// first), or only loaded.
enum class Open { Show, LoadOnly };
inline frm_Game01 &openExercise(int exercise, int count, Open how = Open::Show) {
    Misc::ExerciseNumber = QString::number(exercise);
    Misc::QuestionCount = std::uint8_t(count);
    frm_Game01 &f = frm_Game01::get();
    if (how == Open::Show) f.Show();
    else f.Load();
    return f;
}

}  // namespace exercisetest
