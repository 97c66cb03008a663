// The setup screen: the pupil types a name, chooses how many items the run
// has (10 ... 30), may ask for the exercise's help page first, and then
// continues into the exercise or prints worksheets. Continue and print slide
// in from below once their conditions hold. The screen stays loaded while
// the exercise, its help page or the results are in front, so name, count
// and buttons are as the pupil left them on coming back.
#pragma once

#include "rules/RunLengths.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <QPixmap>
#include <QRgb>
#include <QString>

#include <array>

namespace screens {

// The name box's text as it may stand: every control character removed (the
// name is a field of "|"-separated result records, one record per line, in
// Windows-1250), every character Windows-1250 cannot store and every typed
// "|" refused (refused is set), a pasted "|" turned into a space so pasted
// words stay apart, then the leading spaces removed. When cursor is given it
// is moved left by the characters removed in front of it.
QString cleanPupilName(const QString &text, int *cursor = nullptr, bool pasted = false, bool *refused = nullptr);

// The continue button is wanted with a name and a chosen count.
bool continueWanted(const QString &name, int questionCount);
// The print button is wanted once a count is chosen, except for exercises
// 21 ... 24, which print from elsewhere or not at all.
bool printWanted(int questionCount, const QString &exerciseNumber);

// Key colour of the sliding button pictures.
inline constexpr QRgb kSlideKey = 0xFF00FF;

}  // namespace screens

class frm_Setup : public ui::SingleForm<frm_Setup> {
    Q_OBJECT
public:
    frm_Setup();

    ui::TextBox *TJmeno = nullptr;              // the pupil's name
    ui::ControlArray<ui::Image> ICislo;         // count buttons 1 ... 5
    ui::Image *INapoveda = nullptr;             // help page first, on / off
    ui::Image *IHelp = nullptr;                 // help for this screen (title area)
    ui::PictureBox *IKonec = nullptr;           // back to the selection screen
    ui::PictureBox *picPokracuj = nullptr;      // continue
    ui::PictureBox *picTiskni = nullptr;        // print worksheets
    ui::ControlArray<ui::PictureBox> PomPic;    // drawing buffers 1 ... 3, below the visible area
    // The print job opens its dialog over this widget (title: text 34).
    QWidget *TiskDialog = nullptr;

    bool ContinueShown() const { return m_continueShown; }
    bool PrintShown() const { return m_printShown; }
    // Top-left corner of the dial pointer on the background.
    static constexpr int kPointerX = 100, kPointerY = 293;

    // Event handlers (public so tests and other screens can drive them like
    // the mouse does).
    void TJmeno_Change();
    void TJmeno_MouseDown();
    void TJmeno_MouseMove();
    void ICislo_MouseDown(int k);
    void ICislo_MouseMove(int k);
    void INapoveda_MouseDown();
    void IHelp_Click();
    void IHelp_MouseMove();
    void IKonec_MouseDown();
    void IKonec_MouseMove();
    void picPokracuj_Click();
    void picPokracuj_MouseMove();
    void picTiskni_Click();
    void picTiskni_MouseMove();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_MouseMove(Qt::MouseButtons, int x, int y) override;

private:
    void UpdateContinueButton();
    void UpdatePrintButton();
    // Slides picture up into button over 25 frames; false when the screen
    // was unloaded during the animation.
    bool slideIn(ui::PictureBox *button, int bufferIndex, const QImage &picture);
    void hoverOnly(int code);
    void resetCountPictures();

    std::array<QPixmap, 6> m_arrowPictures, m_numberPictures, m_numberPicturesSelected;
    QPixmap m_backNormal, m_backHover, m_helpFirstOff, m_helpFirstOn;
    bool m_continueShown = false;
    bool m_printShown = false;
    bool m_cleaningName = false;
    QString m_lastName;  // the name box's text after the last change
};
