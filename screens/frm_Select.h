// The selection screen: the program's start-up form and main screen. Its
// load runs the start-up; it shows the seven exercise groups on the left and
// the exercises of the open group on the right, the authors' page behind the
// banner and the exit button.
#pragma once

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <array>

class frm_Select : public ui::SingleForm<frm_Select> {
    Q_OBJECT
public:
    frm_Select();

    ui::ControlArray<ui::PictureBox> LI;  // groups 1 ... 7
    ui::ControlArray<ui::PictureBox> RI;  // exercises of the open group 1 ... 6
    ui::PictureBox *IKonec = nullptr;     // exit
    ui::Image *IHelp = nullptr;           // the banner: the authors' page
    ui::PictureBox *PicHelp = nullptr;    // drawing buffer for the setup screen

    // The open group (0 before any was opened).
    int openGroup() const;
    // True while the start-up failed and the program is ending.
    bool startupFailed() const { return m_startupFailed; }

    // Event handlers (public so tests can drive them like the mouse does).
    void LI_MouseDown(int g);
    void LI_MouseMove(int g);
    void RI_MouseDown(int k);
    void RI_MouseMove(int k);
    void IHelp_Click();
    void IHelp_MouseMove();
    void IKonec_Click();
    void IKonec_MouseMove();

protected:
    void Form_Load() override;
    void Form_MouseMove(Qt::MouseButtons, int x, int y) override;
    void Form_QueryClose() override;
    void showEvent(QShowEvent *e) override;

private:
    void buildScreen();
    void resetPictures(int groupsUpTo, int exercisesUpTo);

    std::array<QPixmap, 8> m_groupNormal, m_groupLit;
    std::array<QPixmap, 7> m_exerciseNormal, m_exerciseLit;
    QPixmap m_exitNormal, m_exitLit;
    bool m_startupFailed = false;
    bool m_built = false;
};
