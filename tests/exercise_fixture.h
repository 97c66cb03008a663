// Shared set-up of the exercise form tests: a private copy of the built
// course made the active one with its configuration loaded, the form opened
// on an exercise, and the deferred deletions of an unloaded form run.
#pragma once

#include "testsupport.h"

#include "state/Misc.h"
#include "exercise/frm_Game01.h"
#include "screens/frm_Setup.h"

#include <QCoreApplication>

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
        copy = std::make_unique<testsupport::CourseCopy>();
        if (!copy->isValid()) return false;
        copy->activate();
        if (!testsupport::loadConfiguration()) return false;
        if (mute) testsupport::muteSounds();
        if (setup) frm_Setup::get().Load();
        return true;
    }
    QString dataDir() const { return copy->dataDir(); }
    std::unique_ptr<testsupport::CourseCopy> copy;
};

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
