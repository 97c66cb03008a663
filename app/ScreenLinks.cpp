#include "app/ScreenLinks.h"

#include "app/Startup.h"
#include "exercise/frm_Game01.h"
#include "print/Worksheets.h"
#include "results/frm_Tabulka.h"
#include "screens/frm_Intro.h"
#include "screens/frm_Setup.h"
#include "state/Misc.h"
#include "state/Navigation.h"
#include "state/Services.h"

namespace Misc {

namespace {

ui::Form *showExerciseHelp(ui::Form *from) {
    frm_Intro &intro = frm_Intro::get();
    intro.STAV_FORMU.clear();
    intro.Load();
    intro.setPicture(loadPicture(QStringLiteral("Bitmap\\Help\\%1.bmp").arg(exerciseNumber2())));
    intro.Show();
    intro.Nadrazeny_form = from;
    return &intro;
}

ui::Form *showResultsTable(ui::Form *from) {
    frm_Tabulka &table = frm_Tabulka::get();
    table.Load();
    table.Show();
    table.Nadrazeny_form = from;
    return &table;
}

ui::Form *showRunResult() {
    frm_Tabulka &table = frm_Tabulka::get();
    table.Load();
    const QString correct = QString::number(CorrectCount);
    const QString wrong = QString::number(WrongCount);
    const QString grade = table.Vlozeni_znamky(std::uint8_t(CorrectCount), std::uint8_t(CorrectCount + WrongCount));
    table.Vloz_novy_zaznam(PupilName, correct, wrong, grade, 1);
    table.Vloz_zaznam_do_souboru_vysledky_dat(
        PupilName, GroupTitle, ExerciseTitle, correct, wrong,
        table.Vlozeni_znamky(std::uint8_t(CorrectCount), std::uint8_t(CorrectCount + WrongCount)));
    table.Nadrazeny_form = &frm_Setup::get();
    table.Show();
    return &table;
}

bool topicChosen(int t) {
    // The topic screen marks its chosen buttons with Tag "1"; without the
    // screen (or without a button of that number) no topic is chosen.
    const frm_Intro *intro = frm_Intro::existing();
    const ui::Label *button = intro ? intro->TlacitkoTema(t) : nullptr;
    return button && button->Tag == QLatin1String("1");
}

}  // namespace

void connectScreens() {
    Navigation &Go = links();
    Go.loadConfiguration = [] { return LoadConfiguration(); };
    Go.setDisplayMode = [] { SetDisplayMode(); };
    Go.showExercise = [] { frm_Game01::get().Show(); };
    Go.exerciseScreen = []() -> ui::Form * { return frm_Game01::loaded() ? frm_Game01::existing() : nullptr; };
    Go.topicChosen = topicChosen;
    Go.printWorksheets = [] { print::RunPrintJob(); };
    Go.exitProgram = [] { return runExitSequence(); };
    Go.setupScreen = []() -> ui::Form * { return &frm_Setup::get(); };
    Go.showExerciseHelp = showExerciseHelp;
    Go.showResultsTable = showResultsTable;
    Go.showRunResult = showRunResult;
}

}  // namespace Misc
