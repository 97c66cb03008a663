// The intro form: the title screen at start-up, the plain help pages, the
// exercise help page shown before an exercise, and the topic screen of
// exercise 21. STAV_FORMU chooses the mode before the form is loaded.
#pragma once

#include "content/CourseFile.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QStringList>

class QEventLoop;
class QTimer;

// Rules of the topic screen of exercise 21.
namespace screens {

inline constexpr int kTopicGridButtons = 20;  // buttons 1 ... 20 name topics
inline constexpr int kAllTopicsButton = 22;   // "Všechna témata"

// Where topic button i (1 ... 20, or 22) stands, as an offset from button 1:
// three columns 205 apart and seven rows 42 apart, i = (row - 1) * 3 +
// column, with button 20 in column 3 of row 7 and button 22 under the grid
// in column 2. A null point for any other i.
QPoint topicButtonOffset(int i);
// The captions of the grid, from the topic names of the lines of 21.dat in
// file order: a new button starts wherever the name differs from the caption
// of the button before. At most 20 (the grid has no more buttons).
QStringList topicCaptions(const QStringList &topicNames);
// Items of the chosen topics: topicOfItem holds each line's topic number,
// chosen(t) whether topic button t is selected.
template <class Chosen>
int chosenItemCount(const QList<int> &topicOfItem, Chosen chosen) {
    int n = 0;
    for (int t : topicOfItem) n += chosen(t) ? 1 : 0;
    return n;
}
// The pupil's warning when the chosen topics hold fewer items than a run
// needs; empty when there are enough.
QString tooFewTopicItemsMessage(int items, int needed, int questionCount);

}  // namespace screens

class frm_Intro : public ui::SingleForm<frm_Intro> {
    Q_OBJECT
public:
    static inline const QString kTitleScreen = QStringLiteral("Je_to_uvodni_obrazovka");
    static inline const QString kExerciseHelp = QStringLiteral("Je_to_uvodni_napoveda");
    static inline const QString kTopicScreen = QStringLiteral("Je_to_vyberova_obrazovka_21");
    static constexpr int kTitleMilliseconds = 10000;

    frm_Intro();

    QString STAV_FORMU;                    // the mode
    QPointer<ui::Form> Nadrazeny_form;     // where a plain help page returns
    ui::ControlArray<ui::Label> TlacitkoTema;  // topic buttons of exercise 21 (Tag "1" = chosen)

    // Title mode state.
    qint64 TitleScreenDeadline = 0;
    bool TitleSkipRequested = false;
    QTimer *Timer1 = nullptr;

    // Turns this form into the topic screen of exercise 21. When 21.dat
    // cannot be used it says so in a "Chyba" box and returns false; the
    // caller then goes back to the setup screen.
    bool Zobraz_formular_vyberova_obrazovka_21();
    // Reads 21.dat with the topic-list layout into ContentRecords, after the
    // checks of a content file.
    content::CourseFileRead LoadTopicList(const QString &path);

    // Controls of the topic screen (hidden in the other modes).
    ui::Image *IKonec = nullptr;                // back to the setup screen
    ui::PictureBox *picPokracuj = nullptr;      // continue into the exercise
    ui::PictureBox *picTiskni = nullptr;        // print worksheets
    ui::ControlArray<ui::PictureBox> PomPic;    // drawing buffers 1 ... 3, below the visible area
    bool ContinueShown = false;
    bool PrintShown = false;
    // Topic buttons that name a topic of the course (1 ... 20).
    int topicCount() const { return m_topicCount; }

    // Event handlers (public so tests can drive them like the mouse does).
    void Timer1_Timer();
    void Form_MouseDown(Qt::MouseButton button, int x, int y) override;
    void Form_MouseMove(Qt::MouseButtons buttons, int x, int y) override;
    void TlacitkoTema_MouseDown(int i);
    void TlacitkoTema_MouseMove(int i);
    void IKonec_MouseDown();
    void IKonec_MouseMove();
    void picPokracuj_Click();
    void picTiskni_Click();
    void picPokracuj_MouseMove();
    void picTiskni_MouseMove();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void createTopicControls();
    void UpdateContinueButton();
    void UpdatePrintButton();
    // Slides a button in with the setup screen's background under it.
    bool slideTopicButtonIn(ui::PictureBox *button, const QImage &picture);
    // Selects or deselects button i and draws its background to match.
    void setTopicChosen(int i, bool chosen);
    // Draws button i's background normal or lit (the lit one is also the
    // chosen one); the hover leaves a chosen button lit.
    void drawTopicPatch(int i, bool lit);
    void clearTopicHover();
    bool anyTopicChosen() const;
    void TearDownTopicScreen();

    QEventLoop *m_titleWait = nullptr;
    QPixmap m_topicNormal, m_topicLit, m_backNormal, m_backLit;
    int m_topicCount = 0;
    QList<int> m_topicOfItem;  // topic number of each line of 21.dat
    int m_slidesRunning = 0;   // the back button waits while buttons slide in
    int m_hoverTopic = 0;      // the topic button shown lit under the mouse
};
