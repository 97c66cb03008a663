#include "screens/frm_Select.h"

#include "state/Misc.h"
#include "state/Navigation.h"
#include "state/Services.h"
#include "rules/ExerciseGroups.h"
#include "screens/ScreenKeys.h"
#include "screens/frm_Intro.h"
#include "screens/frm_Setup.h"

using namespace Misc;

namespace {
const QString kOpen = QStringLiteral("1");
}

frm_Select::frm_Select() {
    auto *li = new ui::PictureBox(this);
    li->setGeometry(8, 102, 300, 46);
    LI.setElement(1, li);
    auto *ri = new ui::PictureBox(this);
    ri->setGeometry(333, 140, 300, 57);
    ri->hide();
    RI.setElement(1, ri);
    IKonec = new ui::PictureBox(this);
    IKonec->setGeometry(546, 5, 91, 75);
    IHelp = new ui::Image(this);
    IHelp->setGeometry(5, 6, 539, 75);
    PicHelp = new ui::PictureBox(this);
    PicHelp->setGeometry(0, 499, 238, 80);

    li->events.MouseDown = [this](int g, Qt::MouseButton, int, int) { LI_MouseDown(g); };
    li->events.MouseMove = [this](int g, Qt::MouseButtons, int, int) { LI_MouseMove(g); };
    ri->events.MouseDown = [this](int k, Qt::MouseButton, int, int) { RI_MouseDown(k); };
    ri->events.MouseMove = [this](int k, Qt::MouseButtons, int, int) { RI_MouseMove(k); };
    IHelp->events.Click = [this](int) { IHelp_Click(); };
    IHelp->events.MouseMove = [this](int, Qt::MouseButtons, int, int) { IHelp_MouseMove(); };
    IKonec->events.Click = [this](int) { IKonec_Click(); };
    IKonec->events.MouseMove = [this](int, Qt::MouseButtons, int, int) { IKonec_MouseMove(); };
    screens::setUpSelectKeys(*this);
}

void frm_Select::Form_Load() {
    // The start-up of the whole program runs here, before any screen shows.
    if (!Go.loadConfiguration()) {
        m_startupFailed = true;
        endProgram(1);
        return;
    }
    RestoreKeyboardLayout();
    frm_Intro &intro = frm_Intro::get();
    intro.STAV_FORMU = frm_Intro::kTitleScreen;
    intro.Load();
    Go.setDisplayMode();
    // The title's ten seconds count from when the pupil can see it, not from
    // behind the notice that the display could not be switched.
    intro.TitleScreenDeadline = tickCount() + frm_Intro::kTitleMilliseconds;
    intro.Show();
    PrepareScreenWindow(this, 640, 480);
    setMouseIcon(CursorArrow);
    ExerciseNumber = QStringLiteral("0");
    HoverCode = 0;
    // The pupil sees this screen only after the title, so its controls and
    // pictures come once the title is on the screen (or when shown earlier).
    ui::afterFirstPicture(this, [this] { buildScreen(); });
    Hide();
}

void frm_Select::showEvent(QShowEvent *e) {
    buildScreen();
    ui::SingleForm<frm_Select>::showEvent(e);
}

void frm_Select::buildScreen() {
    if (m_built || m_startupFailed) return;
    m_built = true;
    for (int g = 2; g <= 7; ++g) {
        ui::PictureBox *p = LI.Load(g);
        p->setGeometry(LI(1)->x(), LI(1)->y() + (g - 1) * 54, LI(1)->width(), LI(1)->height());
        p->show();
    }
    for (int k = 2; k <= 6; ++k) {
        ui::PictureBox *p = RI.Load(k);
        p->setGeometry(RI(1)->x(), RI(k - 1)->y() + RI(k - 1)->height(), RI(1)->width(), RI(1)->height());
        p->hide();
    }
    ScaleScreenControls(this);
    setPicture(loadPicture(QStringLiteral("Bitmap\\Select\\bckg.bmp")));
    m_exitNormal = loadPicture(QStringLiteral("Bitmap\\Select\\mkone.bmp"));
    m_exitLit = loadPicture(QStringLiteral("Bitmap\\Select\\mkoneh.bmp"));
    for (int g = 1; g <= 7; ++g) {
        m_groupNormal[g] = loadPicture(QStringLiteral("Bitmap\\Select\\l_%1_0.bmp").arg(g));
        m_groupLit[g] = loadPicture(QStringLiteral("Bitmap\\Select\\l_%1_1.bmp").arg(g));
        LI(g)->setPicture(m_groupNormal[g]);
    }
    IKonec->setPicture(m_exitNormal);
    PicHelp->resize(238, 80);
}

int frm_Select::openGroup() const {
    for (int g = 1; g <= 7; ++g)
        if (LI(g) && LI(g)->Tag == kOpen) return g;
    return 0;
}

void frm_Select::LI_MouseDown(int g) {
    PlayClickSound();
    const screens::ExerciseGroup &group = screens::exerciseGroups().at(g);
    if (LI(g)->Tag != kOpen) {
        const int n = int(group.exercises.size());
        for (int k = 1; k <= n; ++k) {
            const QString nn = QStringLiteral("%1").arg(group.exercises[k - 1], 2, 10, QLatin1Char('0'));
            m_exerciseNormal[k] = loadPicture(QStringLiteral("Bitmap\\Select\\r_%1_0.bmp").arg(nn));
            m_exerciseLit[k] = loadPicture(QStringLiteral("Bitmap\\Select\\r_%1_1.bmp").arg(nn));
        }
        const std::vector<int> tops = screens::rightColumnTops(g);
        for (int k = 1; k <= n; ++k) {
            ui::PictureBox *p = RI(k);
            p->hide();
            p->setPicture(m_exerciseNormal[k]);
            p->setHeight(group.heights[k - 1]);
            p->setTop(tops[k - 1]);
            p->show();
        }
        for (int k = n + 1; k <= 6; ++k) RI(k)->hide();
    }
    for (int h = 1; h <= 7; ++h) {
        if (h == g) continue;
        LI(h)->Tag = QStringLiteral("0");
        LI(h)->setPicture(m_groupNormal[h]);
    }
    LI(g)->Tag = kOpen;
    LI(g)->setPicture(m_groupLit[g]);
    IKonec->setPicture(m_exitNormal);
}

void frm_Select::RI_MouseDown(int k) {
    PlayClickSound();
    const int g = openGroup();
    if (g == 0) return;
    const screens::ExerciseGroup &group = screens::exerciseGroups().at(g);
    if (k < 1 || k > int(group.exercises.size())) return;
    ExerciseNumber = QString::number(group.exercises[k - 1]);
    GroupTitle = Text(group.titleText);
    ExerciseTitle = Text(group.nameTexts[k - 1]);
    frm_Setup::get().Show();
    CurrentScreen = &frm_Setup::get();
    for (int i = 1; i <= 6; ++i) {
        RI(i)->Tag = QStringLiteral("0");
        if (!m_exerciseNormal[i].isNull()) RI(i)->setPicture(m_exerciseNormal[i]);
    }
    Hide();
}

void frm_Select::IHelp_Click() {
    PlayClickSound();
    frm_Intro &intro = frm_Intro::get();
    intro.STAV_FORMU.clear();
    intro.Load();
    intro.setPicture(loadPicture(QStringLiteral("Bitmap\\Help\\autori.bmp")));
    intro.Show();
    intro.Nadrazeny_form = this;
    CurrentScreen = &intro;
    Hide();
}

void frm_Select::IKonec_Click() { Go.exitProgram(); }

void frm_Select::Form_QueryClose() { Go.exitProgram(); }

void frm_Select::resetPictures(int groupsUpTo, int exercisesUpTo) {
    for (int g = 1; g <= groupsUpTo; ++g)
        if (LI(g) && LI(g)->Tag != kOpen) LI(g)->setPicture(m_groupNormal[g]);
    for (int k = 1; k <= exercisesUpTo; ++k)
        if (RI(k) && RI(k)->Tag != kOpen && !m_exerciseNormal[k].isNull()) RI(k)->setPicture(m_exerciseNormal[k]);
}

void frm_Select::LI_MouseMove(int g) {
    if (HoverCode != g + 1) {
        PlayHoverSound();
        HoverCode = std::uint8_t(g + 1);
    }
    IKonec->setPicture(m_exitNormal);
    for (int h = 1; h <= 7; ++h)
        if (h != g && LI(h)->Tag != kOpen) LI(h)->setPicture(m_groupNormal[h]);
    LI(g)->setPicture(m_groupLit[g]);
}

void frm_Select::RI_MouseMove(int k) {
    resetPictures(7, 0);
    if (HoverCode != k + 8) {
        PlayHoverSound();
        HoverCode = std::uint8_t(k + 8);
        IKonec->setPicture(m_exitNormal);
        for (int i = 1; i <= 6; ++i)
            if (i != k && RI(i)->Tag != kOpen && !m_exerciseNormal[i].isNull())
                RI(i)->setPicture(m_exerciseNormal[i]);
        RI(k)->setPicture(m_exerciseLit[k]);
    }
}

void frm_Select::IKonec_MouseMove() {
    if (HoverCode == 1) return;
    PlayHoverSound();
    resetPictures(5, 5);
    IKonec->setPicture(m_exitLit);
    HoverCode = 1;
}

void frm_Select::IHelp_MouseMove() {
    if (HoverCode == 12) return;
    PlayHoverSound();
    IKonec->setPicture(m_exitNormal);
    HoverCode = 12;
}

void frm_Select::Form_MouseMove(Qt::MouseButtons, int, int) {
    if (HoverCode == 0) return;
    IKonec->setPicture(m_exitNormal);
    resetPictures(7, 6);
    HoverCode = 0;
}
