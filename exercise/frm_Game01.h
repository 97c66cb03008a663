// The exercise form: one screen that becomes any of the 24 exercises.
//
// Its load lays out the exercise's rows, tiles and pictures, reads the
// content file and fills the first page (or prints worksheets in print
// mode). The row controls are public control arrays (element 1 made with the
// form, further elements created by the load) so that the page filling,
// checking and tile code of the other exercise files can work on them.
#pragma once

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <QImage>
#include <QPixmap>

#include <array>
#include <map>

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

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void ExerciseFormLoad();
    void setUpExerciseControls();
    void setUpTiles();
    void loadSwitchPictures();
    bool loadExerciseContent();
    void reportTooFewRecords(const QString &file, int have, int need);
    void returnToSetupWhenIdle(int loopLevel);
    // Helpers of the fill routines: a label sized to its caption and kept so.
    static void sizeToText(ui::Label *label, const QString &text);

    int m_exercise = 0;
    bool m_loadAborted = false;
    QImage m_revealBackground;  // the 94 x 23 background under the continue button
};
