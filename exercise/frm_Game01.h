// The exercise form: one screen that becomes any of the 24 exercises.
//
// Its load lays out the exercise's rows, tiles and pictures, reads the
// content file and fills the first page (or prints worksheets in print
// mode). The row controls are public control arrays (element 1 made with the
// form, further elements created by the load) so that the page filling,
// checking and tile code of the other exercise files can work on them.
#pragma once

#include "exercise/CheckedRow.h"
#include "exercise/ReplayRule.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <QImage>
#include <QPixmap>
#include <QRect>

#include <array>
#include <functional>
#include <map>
#include <vector>

namespace content {
struct CourseFileRead;
}

class frm_Game01 : public ui::SingleForm<frm_Game01> {
    Q_OBJECT
public:
    frm_Game01();

    // ---- Controls --------------------------------------------------------
    ui::ControlArray<ui::Label> TextPred;    // text before the answer, per row
    ui::ControlArray<ui::TextBox> TVstup;    // the answer box, per row
    ui::ControlArray<ui::Label> TextZa;      // text after the answer, per row
    ui::ControlArray<ui::Label> Vzor;        // model word beside a row
    ui::ControlArray<ui::Label> Prepinac1;   // switch choices of a row
    ui::ControlArray<ui::Label> Prepinac2;
    ui::ControlArray<ui::Label> Prepinac3;
    ui::ControlArray<ui::Image> IHodnoceni;     // evaluation mark of a row
    ui::ControlArray<ui::Image> IPomHodnoceni;  // marks of the list exercise (18)
    ui::ControlArray<ui::Image> Klakson;        // play button of a row (22 ... 24)
    ui::ControlArray<ui::PictureBox> picDown;   // word tiles 1 ... 12
    ui::ControlArray<ui::Label> LDown;          // the word on tile k (a child of picDown(k))
    ui::ControlArray<ui::PictureBox> PicMain;   // switch pictures; item 1 holds the hint background
    ui::ControlArray<ui::PictureBox> PicTop;    // the toolbar, buttons 1 ... 4
    ui::PictureBox *ListBox = nullptr;          // the drop-down list frame (7, 8, 10, 12)
    ui::ControlArray<ui::Label> Polozka;        // options 1 ... 4 of the drop-down list
    ui::PictureBox *picPokracuj = nullptr;      // the continue button
    ui::TextBox *Text1 = nullptr;               // off-screen box that takes the focus

    // Pictures of the switch exercises (2, 4, 11) and the list markers (18).
    std::map<int, QPixmap> SwitchPictures;

    // Exercise 18: number of the last list laid out (0 before the first page).
    int ListPos = 0;
    // Drop-down options of each row (7, 8, 10, 12): ListOptions[k][row].
    std::array<std::array<QString, 11>, 5> ListOptions;
    // Listening rows: normal or slow replay of the loudspeaker pressed.
    exercise::ReplayRule Replay;

    // The exercise as a number (ExerciseNumber as text is the shared value).
    int exercise() const { return m_exercise; }
    // True when the load found too few records for the run and went back to
    // the setup screen instead of showing a page.
    bool LoadAborted() const { return m_loadAborted; }

    // Shows the form, unless its load was given up.
    void Show();

    // ---- Handlers (public so tests and the other exercise files can drive
    // them as the mouse does) -----------------------------------------------
    void Form_Activate() override;
    void Form_MouseDown(Qt::MouseButton button, int x, int y) override;
    void Form_MouseMove(Qt::MouseButtons buttons, int x, int y) override;
    void PicTop_MouseDown(int index);
    void PicTop_MouseMove(int index);

    // Slides the continue button in (25 steps of 15 ms); afterwards it is
    // visible and enabled.
    void RevealContinueButton();
    // Toolbar button 4: back to the setup screen without a result.
    void GoBackToSetup();

    // ---- Page filling ----------------------------------------------------
    // Fills a page by the exercise's family; called for the first page by the
    // load and by the new-page action for later pages.
    void FillPage();
    // The fill routines of the families (exercise/families/).
    void FillGapSentences();        // 1, 5, 6, 15, 16, 17
    void FillSwitchRows();          // 2, 4, 11
    void FillTranslationRows();     // 3
    void FillListRows();            // 7, 8, 10, 12
    void FillModelRows();           // 9, 20
    void FillModelSentenceRows();   // 13
    void FillTwoLineRows();         // 14
    void FillEx18Screens();         // 18
    void FillClockRows();           // 19
    void FillTopicRows();           // 21
    void FillListeningRows();       // 22, 23, 24

    // ---- Checking, answer hints, page progress, typed answers and the
    // drop-down list (RunFlow.cpp, TypedAnswers.cpp) ----------------------
    void connectRunHandlers();
    // "zapnuto" enables toolbar buttons 1 ... 4, "vypnuto" disables them;
    // anything else does nothing.
    void SetToolbarEnabled(const QString &mode);
    // The page state: checked once button 1 (check) is disabled.
    bool PageChecked() const;
    void CheckPage();          // button 1: marks and counts every row
    // The one way out of a checked page: every check (exercise 18's
    // included) hands its rows here, in row order.
    void RowsChecked(const std::vector<exercise::CheckedRow> &rows);
    // The rows the last check handed on.
    std::vector<exercise::CheckedRow> m_lastCheckedRows;
    // The content record behind row index (1 ... 10) of the page: the one its
    // answer hint and its checked row are about.
    const Misc::ContentRecord &RowRecord(int index) const;
    void NewPage();            // button 2 and the continue button
    void ShowResultsTable();   // button 3: the stored table; the run stays
    void ContinueRun();        // the continue button: next page or the end
    void FinishRun();          // hands the result to the results screen
    void ShowAnswerHint(int index);
    void IHodnoceni_MouseDown(int index);
    void IHodnoceni_MouseUp(int index);
    void IHodnoceni_MouseMove(int index);
    void picPokracuj_Click();
    void picPokracuj_MouseMove();
    // Answer boxes and the drop-down list.
    void TVstup_KeyDown(int row, int &keyCode, Qt::KeyboardModifiers shift);
    void TVstup_MouseDown(int row);
    void TVstup_MouseMove(int row);
    void OpenList(int row);
    void Polozka_MouseDown(int k);
    void Polozka_MouseMove(int k);
    // A press on a row's before- or after-text closes the list (7, 8).
    void RowText_MouseDown(int row);
    int ListTargetRow = 0;  // the row whose list is open
    // The width of the widest option of a row as the list shows it.
    int ListOptionsWidth(int row);

    // What the continue button does next, by page group.
    enum class PageStep { NextPage, NextShortPage, Finish, Ex18Closing };
    struct PageProgress {
        int itemsRemaining = 0;
        int itemsOnPage = 0;
        PageStep step = PageStep::Finish;
    };
    static PageProgress NextPageProgress(int exercise, int itemsRemaining);
    // Where the drop-down list goes for an answer box: below it and
    // left-aligned when it fits the form, else above it and right-aligned.
    static QPoint ListPlacement(const QRect &box, const QSize &list, const QSize &form);

    // ---- Word tiles, switches and listening rows (Tiles.cpp, Switches.cpp,
    // Listening.cpp) -------------------------------------------------------
    void connectTileSwitchHandlers();
    // Tile k's label: press, drag, drop, double-click (mouse positions in the
    // label's own pixels).
    void LDown_MouseDown(int k, Qt::MouseButton button, int x, int y);
    void LDown_MouseMove(int k, Qt::MouseButtons buttons, int x, int y);
    void LDown_MouseUp(int k, Qt::MouseButton button, int x, int y);
    void LDown_DblClick(int k);
    // Empties the answer carriers of 19 and 21 and ends any drag (new page).
    void ClearPlacedTiles();
    // Switch position 1 ... 3 of row r (Prepinac1 ... Prepinac3).
    void Prepinac_MouseDown(int position, int r);
    void Prepinac_MouseMove(int position, int r);
    // Draws SwitchPictures[pictureIndex] as row r's switch on the form.
    void DrawSwitch(int r, int pictureIndex);
    void Klakson_MouseDown(int r);
    void Klakson_MouseMove(int r);
    // Chosen position per switch row (0 ... 5): "", "Prepinac1" ... "Prepinac3".
    std::array<QString, 6> SwitchState;

private:
    void connectSwitchHandlers();
    void connectListeningHandlers();
    bool pageUnchecked() const;
    bool endlessTiles() const;
    void returnTile(int k);
    ui::ControlBase *dropTarget(int r);
    QString &answerCarrier(int r);
    int tilesOnPage() const;
    void clearCarriersOf(int k);
    int switchPictureBase(int r) const;
    void DrawSwitchFromPicMain(int r);
    int m_dragTile = 0;  // the tile being dragged (0: none)
    // Exercises 19 and 21: the tile lying on row r (1 ... 10; 0: none). Two
    // tiles may carry the same word, so a row knows its tile, not only the word.
    std::array<int, 11> m_rowTile{};

public:

    // ---- Exercise 18: lists, overview and its check (Ex18.cpp) ----------
    void connectEx18Handlers();
    // The check of the whole run (toolbar button 1 on the overview).
    void Ex18_CheckPage();
    // The continue button of exercise 18: counts the lists of the page off,
    // lays out the next page, and once every list is done steps through the
    // overview screens to the end of the run. It reads the run's position from
    // ListPos, so it does not matter whether the caller already counted
    // ItemsRemaining down.
    void Ex18_ContinueRun();

    // Which screen of exercise 18 is up.
    enum class Ex18View { Lists, Overview, OverviewDetails, Solution, SolutionDetails };
    Ex18View Ex18Screen = Ex18View::Lists;
    std::array<QString, 31> Ex18Correct;             // per list 1 ... 30: the right entry
    std::array<QString, 31> Ex18Chosen;              // per list: the pick, "" when none
    std::array<std::array<int, 5>, 31> Ex18Order{};  // per list: record field 5 + p of entry 1 ... 4
    bool ContinueShown = false;  // the continue button was revealed for this page

    // Mouse handlers of the lists, the overview labels and the overview marks.
    void TextPred_MouseDown(int row);
    void TextPred_MouseMove(int row);
    void Vzor_Click(int k);
    void Vzor_MouseMove(int k);
    void Ex18_MarkMouseDown(int k);
    // The screens: the overview, a pair opened from it and back, a wrong
    // list opened from the checked overview and back.
    void Ex18_ShowOverview();
    void Ex18_OpenFromOverview(int k);
    void Ex18_ReturnToOverview();
    void Ex18_OpenFromSolution(int k);
    void Ex18_ReturnToSolution();

    // Rules of the overview: columns for a run of count lists, the place of
    // list k's label (x, y, width) and mark, the background, the pair of
    // lists (first, last) that holds list k, and a heading cut to fit a label
    // of the given width (characters are added while the text is no wider
    // than width - 25; the first one past that is followed by " ..." unless
    // it is the heading's last character).
    static int Ex18_OverviewColumns(int count);
    static QRect Ex18_OverviewLabel(int k, int count);
    static QPoint Ex18_OverviewMark(int k, int count);
    static QString Ex18_OverviewBackground(int count);
    static std::pair<int, int> Ex18_PairOf(int k, int count);
    static QString Ex18_CutHeading(const QString &heading, int width, const std::function<int(const QString &)> &textWidth);

    // Page helpers (FillEx18Screens.cpp): the list page background for one or
    // two lists, list number `list` laid out in slot 1 (rows 1 ... 5) or 2
    // (rows 6 ... 10) in its stored order, the marker (0 not picked, 1 picked
    // or right, 2 wrong pick) of an entry row with its text colour, and the
    // pictures of the screens, loaded once per run.
    void Ex18_SetPageBackground(int lists);
    // Leaves the overview for the page that holds list k and lays out its
    // lists; returns the first and last list of that page.
    std::pair<int, int> Ex18_ShowPairOf(int k, int count);
    // Puts the overview back with its marks shown or hidden.
    void Ex18_ShowOverview(int count, bool marks);
    void Ex18_LayOutList(int slot, int list);
    void Ex18_SetMarker(int row, int state);
    const QPixmap &Ex18_Picture(const QString &relative);
    std::map<QString, QPixmap> Ex18Pictures;

protected:
    void Form_Load() override;
    void Form_Unload() override;

public:
    // Helpers of the families' layouts: the tiles of the exercise at their
    // places, the switch pictures, the gap box of 1, 5 and 6, wide enough
    // for every word of the tiles.
    void setUpTiles();
    void loadSwitchPictures();
    int tileGapBoxWidth();

private:
    void ExerciseFormLoad();
    void setUpExerciseControls();
    bool loadExerciseContent();
    void reportTooFewRecords(const QString &file, int have, int need);
    // A content file that is missing, unreadable or garbled: named in a
    // "Chyba" box, then back to the setup screen (in print mode the print
    // job fails with the same words).
    void reportUnusableContent(const content::CourseFileRead &read);
    void returnToSetupWhenIdle(int loopLevel);
    // Helpers of the fill routines: a label sized to its caption and kept so.
    static void sizeToText(ui::Label *label, const QString &text);

    int m_exercise = 0;
    bool m_loadAborted = false;
    QImage m_revealBackground;  // the 94 x 23 background under the continue button
};
