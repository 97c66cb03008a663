// The shared state of the program (the module Misc).
//
// Everything that more than one screen reads lives here as plain globals for
// the whole run. Screens hand work to each other by setting these values
// before they load or show the next screen; there is no other channel.
// Switches are bool (true/false). Counts and grades that cross screens are
// kept as the types below and formatted as decimal text where shown.
#pragma once

#include "content/ContentTables.h"

#include <QCursor>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace ui {
class Form;
}

namespace Misc {

// ---- Directories, files and tables (filled once at start-up) -------------

inline QString WindowsDir;    // ends in "\"
inline QString MediaDir;      // key CD of Tutorix.ini, ends in "\"
inline QString DataDir;       // key HD of Tutorix.ini, ends in "\"
// Where N.res and Vysledky.dat are read and written, ends in "\": DataDir
// when the pupil can write there, else the INI's Vysledky key or a per-user
// folder. Chosen once at start-up (ChooseResultsDir).
inline QString ResultsDir;

inline constexpr int kTextTableSize = 1000;
// Entry k = line k of Texty.dat (1 ... 1000); entry 0 stays empty.
inline std::array<QString, kTextTableSize + 1> TextTable;

// One grade band of Znamky.dat: lower percent, upper percent, grade.
struct GradeBand {
    std::uint8_t lower = 0;
    std::uint8_t upper = 0;
    std::uint8_t grade = 0;
};
// Record n = line n of Znamky.dat (1 ... 5); record 0 is never filled.
inline std::array<GradeBand, 6> GradeTable;

inline QCursor CursorArrow;
inline QCursor CursorHand;
inline QCursor CursorHelp;

struct DisplaySettings {
    long width = 0;
    long height = 0;
    long bitsPerPixel = 0;
    long refreshRate = 0;
};
inline DisplaySettings SavedDisplayMode;

inline QString InitialKeyboardLayout;  // layout active at start-up
inline QString CurrentKeyboardLayout;  // scratch: the active layout
inline bool UsLayoutActive = false;

inline QImage ContinueButtonPicture;  // Bitmap\Setup\pokracuj.bmp
inline QImage PrintButtonPicture;     // Bitmap\Setup\tiskni.bmp

// ---- The pupil's choices -------------------------------------------------

inline QString ExerciseNumber = QStringLiteral("0");  // "1" ... "24" once chosen
inline QString GroupTitle;
inline QString ExerciseTitle;
inline QString PupilName;
inline std::uint8_t QuestionCount = 0;  // 0, 10, 15, 20, 25 or 30
inline bool ShowIntroHelp = false;
inline bool PrintMode = false;

// ---- Screen control ------------------------------------------------------

inline ui::Form *CurrentScreen = nullptr;
// Lets the forms clear CurrentScreen when the screen in front is unloaded or
// destroyed (ui knows nothing of this state); runs once, before main.
bool watchCurrentScreen();
inline const bool CurrentScreenWatched = watchCurrentScreen();
inline std::uint8_t HoverCode = 0;

// ---- Exercise run state --------------------------------------------------

// The content tables (ContentRecords, TopicRecords) and TempFilePath are
// declared with their loaders in content/ContentTables.h.

inline std::array<int, 61> DrawnItems{};  // 0 ... 60
// Record numbers of the run's checked pages: they count, so never come again.
inline std::vector<int> CheckedItems;
inline int ItemsOnPage = 0;
inline int ItemsRemaining = 0;
inline int CorrectCount = 0;
inline int WrongCount = 0;

inline long DragStartX = 0, DragStartY = 0, DropX = 0, DropY = 0;
inline std::array<std::array<long, 2>, 13> TileStart{};  // (X, Y) per tile 0 ... 12
inline bool DragActive = false;
inline int ListOptionCount = 0;

inline std::array<QString, 6> InstructionLines;  // 1 ... 5
inline int PrintPosition = 0;
inline int PrintPageCount = 0;

inline std::array<int, 61> PairOrder{};  // 1 ... 60

// ---- Helpers shared by every screen -------------------------------------

// Text k of the text table (empty outside 0 ... 1000).
QString Text(int index);
// ExerciseNumber written with two digits ("07").
QString exerciseNumber2();
// MediaDir + a relative media path.
QString mediaPath(const QString &relative);
// DataDir + a file name.
QString dataFilePath(const QString &name);
// ResultsDir (DataDir while none is chosen) + a file name.
QString resultsPath(const QString &name);

}  // namespace Misc
