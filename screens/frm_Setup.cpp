#include "screens/frm_Setup.h"

#include "state/Misc.h"
#include "state/Navigation.h"
#include "state/Services.h"
#include "platform/codec.h"
#include "platform/sound.h"
#include "rules/ExerciseSpec.h"
#include "rules/RunLengths.h"
#include "screens/frm_Intro.h"
#include "screens/frm_Select.h"
#include "screens/ScreenKeys.h"
#include "screens/SlideIn.h"
#include "screens/frm_Intro.h"
#include "screens/frm_Select.h"

#include <QPointer>

using namespace Misc;

namespace screens {

QString cleanPupilName(const QString &text, int *cursor, bool pasted, bool *refused) {
    QString out;
    out.reserve(text.size());
    int newCursor = cursor ? *cursor : 0;
    bool leading = true;
    if (refused) *refused = false;
    for (int i = 0; i < text.size(); ++i) {
        QChar c = text.at(i);
        if (c == QLatin1Char('|') && pasted) c = QLatin1Char(' ');
        const bool refuse = c == QLatin1Char('|') || !platform::representableIn1250(QString(c));
        const bool drop = refuse || c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                          c == QChar::ParagraphSeparator || (leading && c == QLatin1Char(' '));
        if (drop) {
            if (refuse && refused) *refused = true;
            if (cursor && i < *cursor) --newCursor;
            continue;
        }
        leading = false;
        out.append(c);
    }
    if (cursor) *cursor = newCursor;
    return out;
}

bool continueWanted(const QString &name, int questionCount) { return !name.isEmpty() && questionCount != 0; }

bool printWanted(int questionCount, const QString &exerciseNumber) {
    if (questionCount == 0) return false;
    static const QStringList noPrint = {QStringLiteral("21"), QStringLiteral("22"), QStringLiteral("23"),
                                        QStringLiteral("24")};
    return !noPrint.contains(exerciseNumber);
}

}  // namespace screens

namespace {
const QString kChosen = QStringLiteral("1");
const QString kNotChosen = QStringLiteral("0");

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
}  // namespace

frm_Setup::frm_Setup() {
    TiskDialog = this;

    TJmeno = new ui::TextBox(this);
    TJmeno->setGeometry(382, 333, 195, 20);
    TJmeno->setMouseTracking(true);
    TJmeno->Change = [this](int) { TJmeno_Change(); };
    TJmeno->events.MouseDown = [this](int, Qt::MouseButton, int, int) { TJmeno_MouseDown(); };
    TJmeno->events.MouseMove = [this](int, Qt::MouseButtons, int, int) { TJmeno_MouseMove(); };

    static const int countPositions[6][2] = {{0, 0}, {133, 253}, {204, 293}, {203, 370}, {128, 409}, {52, 370}};
    for (int k = 1; k <= 5; ++k) {
        auto *img = new ui::Image(this);
        img->setGeometry(countPositions[k][0], countPositions[k][1], 35, 29);
        img->Tag = kNotChosen;
        ICislo.setElement(k, img);
        img->events.MouseDown = [this](int i, Qt::MouseButton, int, int) { ICislo_MouseDown(i); };
        img->events.MouseMove = [this](int i, Qt::MouseButtons, int, int) { ICislo_MouseMove(i); };
    }

    INapoveda = new ui::Image(this);
    INapoveda->setGeometry(561, 408, 26, 26);
    INapoveda->events.MouseDown = [this](int, Qt::MouseButton, int, int) { INapoveda_MouseDown(); };

    IHelp = new ui::Image(this);
    IHelp->setGeometry(5, 6, 539, 75);
    IHelp->events.Click = [this](int) { IHelp_Click(); };
    IHelp->events.MouseMove = [this](int, Qt::MouseButtons, int, int) { IHelp_MouseMove(); };

    IKonec = new ui::PictureBox(this);
    IKonec->setGeometry(546, 5, 91, 75);
    IKonec->events.MouseDown = [this](int, Qt::MouseButton, int, int) { IKonec_MouseDown(); };
    IKonec->events.MouseMove = [this](int, Qt::MouseButtons, int, int) { IKonec_MouseMove(); };

    picPokracuj = new ui::PictureBox(this);
    picPokracuj->setGeometry(526, 457, 94, 23);
    picPokracuj->hide();
    picPokracuj->events.Click = [this](int) { picPokracuj_Click(); };
    picPokracuj->events.MouseMove = [this](int, Qt::MouseButtons, int, int) { picPokracuj_MouseMove(); };

    picTiskni = new ui::PictureBox(this);
    picTiskni->setGeometry(24, 457, 96, 23);
    picTiskni->hide();
    picTiskni->events.Click = [this](int) { picTiskni_Click(); };
    picTiskni->events.MouseMove = [this](int, Qt::MouseButtons, int, int) { picTiskni_MouseMove(); };

    // The buffers lie below the 480 visible rows.
    for (int i = 1; i <= 3; ++i) {
        auto *buffer = new ui::PictureBox(this);
        buffer->setGeometry(0, 500 + 30 * (i - 1), 94, 23);
        buffer->QWidget::setEnabled(false);
        PomPic.setElement(i, buffer);
    }
    screens::setUpSetupKeys(*this);
}

void frm_Setup::Form_Load() {
    RestoreKeyboardLayout();
    ScaleScreenControls(this);
    PrepareScreenWindow(this, 640, 480);
    setMouseIcon(CursorArrow);
    setPicture(loadPicture(QStringLiteral("Bitmap\\Setup\\bg%1.bmp").arg(exerciseNumber2())));

    TJmeno->move(382, 333);
    ContinueButtonPicture = loadPicture(QStringLiteral("Bitmap\\Setup\\pokracuj.bmp")).toImage();
    PrintButtonPicture = loadPicture(QStringLiteral("Bitmap\\Setup\\tiskni.bmp")).toImage();
    for (int k = 1; k <= 5; ++k) {
        const QString nn = twoDigits(screens::countOfButton(k));
        m_arrowPictures[k] = loadPicture(QStringLiteral("Bitmap\\Setup\\Sipka_%1.bmp").arg(nn));
        m_numberPictures[k] = loadPicture(QStringLiteral("Bitmap\\Setup\\%1_0.bmp").arg(nn));
        m_numberPicturesSelected[k] = loadPicture(QStringLiteral("Bitmap\\Setup\\%1_1.bmp").arg(nn));
    }
    m_backNormal = loadPicture(QStringLiteral("Bitmap\\Setup\\mzpet.bmp"));
    m_backHover = loadPicture(QStringLiteral("Bitmap\\Setup\\mzpeth.bmp"));
    m_helpFirstOff = loadPicture(QStringLiteral("Bitmap\\Setup\\nap_0.bmp"));
    m_helpFirstOn = loadPicture(QStringLiteral("Bitmap\\Setup\\nap_1.bmp"));
    picPokracuj->hide();
    picTiskni->hide();
    PrintMode = false;

    TJmeno->clear();
    QuestionCount = 0;
    HoverCode = 0;
    IKonec->setPicture(m_backNormal);
    INapoveda->setPicture(m_helpFirstOff);
    INapoveda->setMouseIcon(CursorHand);
    ShowIntroHelp = false;

    // Everything the pupil clicks shows the hand.
    for (ui::ControlBase *c : std::initializer_list<ui::ControlBase *>{IKonec, IHelp, picPokracuj, picTiskni})
        c->setMouseIcon(CursorHand);
    for (int k = 1; k <= 5; ++k) {
        ICislo(k)->Tag = kNotChosen;
        ICislo(k)->setPicture(m_numberPictures[k]);
        ICislo(k)->setMouseIcon(CursorHand);
    }
    m_continueShown = false;
    m_printShown = false;
}

void frm_Setup::Form_Activate() { TJmeno->setFocus(Qt::OtherFocusReason); }

// ---- Name --------------------------------------------------------------

void frm_Setup::TJmeno_Change() {
    if (m_cleaningName) return;
    int cursor = TJmeno->cursorPosition();
    // More than one character arriving at once is a paste.
    const bool pasted = TJmeno->text().size() - m_lastName.size() > 1;
    bool refused = false;
    const QString clean = screens::cleanPupilName(TJmeno->text(), &cursor, pasted, &refused);
    if (clean != TJmeno->text()) {
        m_cleaningName = true;
        TJmeno->setText(clean);
        TJmeno->setCursorPosition(cursor);
        m_cleaningName = false;
    }
    m_lastName = clean;
    if (refused) platform::Sounds::beep();
    UpdateContinueButton();
}

void frm_Setup::TJmeno_MouseDown() { PlayClickSound(); }

void frm_Setup::TJmeno_MouseMove() { hoverOnly(13); }

// ---- Count -------------------------------------------------------------

void frm_Setup::ICislo_MouseDown(int k) {
    if (k < 1 || k > 5) return;
    PlayClickSound();
    QuestionCount = std::uint8_t(screens::countOfButton(k));
    const QImage arrow = m_arrowPictures[k].toImage();
    BlitToForm(this, kPointerX, kPointerY, arrow.width(), arrow.height(), arrow);
    for (int i = 1; i <= 5; ++i) {
        ICislo(i)->Tag = kNotChosen;
        ICislo(i)->setPicture(m_numberPictures[i]);
    }
    ICislo(k)->Tag = kChosen;
    ICislo(k)->setPicture(m_numberPicturesSelected[k]);

    QPointer<frm_Setup> self(this);
    WaitWithEvents(100);
    if (!self || !isFormLoaded()) return;
    UpdateContinueButton();
    if (!self || !isFormLoaded()) return;
    UpdatePrintButton();
}

// ---- Continue and print buttons ------------------------------------------

bool frm_Setup::slideIn(ui::PictureBox *button, int bufferIndex, const QImage &picture) {
    // The patch of background the button stands on.
    return screens::slideButtonIn(this, button, PomPic(1), PomPic(bufferIndex), image().copy(button->geometry()),
                                  picture);
}

void frm_Setup::UpdateContinueButton() {
    if (!screens::continueWanted(TJmeno->text(), QuestionCount)) {
        picPokracuj->hide();
        m_continueShown = false;
        return;
    }
    if (m_continueShown) return;
    m_continueShown = true;
    slideIn(picPokracuj, 3, ContinueButtonPicture);
}

// Exercises 21 ... 24 never show the print button on this screen.
void frm_Setup::UpdatePrintButton() {
    if (!screens::printWanted(QuestionCount, ExerciseNumber)) {
        picTiskni->hide();
        m_printShown = false;
        return;
    }
    if (m_printShown) return;
    m_printShown = true;
    slideIn(picTiskni, 2, PrintButtonPicture);
}

// ---- Help first, continue, print, help, back ------------------------------

void frm_Setup::INapoveda_MouseDown() {
    ShowIntroHelp = !ShowIntroHelp;
    INapoveda->setPicture(ShowIntroHelp ? m_helpFirstOn : m_helpFirstOff);
}

void frm_Setup::picPokracuj_Click() {
    PlayClickSound();
    PupilName = TJmeno->text();
    PrintMode = false;
    const int n = ExerciseNumber.toInt();
    const bool known = QString::number(n) == ExerciseNumber && exercise::isExercise(n);
    if (!known) return;

    if (ShowIntroHelp) {
        frm_Intro &intro = frm_Intro::get();
        intro.STAV_FORMU = frm_Intro::kExerciseHelp;
        intro.Load();
        intro.setPicture(loadPicture(QStringLiteral("Bitmap\\Help\\%1.bmp").arg(exerciseNumber2())));
        intro.setMouseIcon(CursorHand);
        intro.Show();
        intro.Nadrazeny_form = this;
        CurrentScreen = &intro;
        Hide();
        return;
    }
    if (exercise::isTopics(n)) {
        frm_Intro &intro = frm_Intro::get();
        intro.STAV_FORMU = frm_Intro::kTopicScreen;
        intro.Show();
        if (!intro.Zobraz_formular_vyberova_obrazovka_21()) {
            // 21.dat cannot be used (the box said why): the setup screen stays.
            frm_Intro::Unload();
            CurrentScreen = this;
            return;
        }
        WaitBusy(10);
        Hide();
        CurrentScreen = frm_Intro::existing();
        return;
    }
    Go.showExercise();
    WaitBusy(10);
    Hide();
    // The exercise form may already have gone (a run that ends at once).
    if (ui::Form *game = Go.exerciseScreen()) CurrentScreen = game;
}

void frm_Setup::picTiskni_Click() {
    PlayClickSound();
    PupilName = TJmeno->text();
    Go.printWorksheets();
}

void frm_Setup::IHelp_Click() {
    PlayClickSound();
    frm_Intro &intro = frm_Intro::get();
    intro.STAV_FORMU.clear();
    intro.Load();
    intro.setPicture(loadPicture(QStringLiteral("Bitmap\\Help\\setup.bmp")));
    intro.Show();
    intro.Nadrazeny_form = this;
    CurrentScreen = &intro;
    Hide();
}

void frm_Setup::IKonec_MouseDown() {
    PlayClickSound();
    frm_Select::get().Show();
    CurrentScreen = &frm_Select::get();
    Unload();
}

// ---- Hover ---------------------------------------------------------------

void frm_Setup::hoverOnly(int code) {
    // Continue and print have no lit pictures: they are drawn lit instead.
    picPokracuj->setLit(code == 11);
    picTiskni->setLit(code == 12);
    if (HoverCode == code) return;
    PlayHoverSound();
    HoverCode = std::uint8_t(code);
}

void frm_Setup::resetCountPictures() {
    for (int k = 1; k <= 5; ++k)
        if (ICislo(k)->Tag == kNotChosen) ICislo(k)->setPicture(m_numberPictures[k]);
}

void frm_Setup::ICislo_MouseMove(int k) {
    hoverOnly(k);
    IKonec->setPicture(m_backNormal);
    // The count under the mouse shows lit (in its chosen picture), like the
    // group cards of the selection screen.
    for (int i = 1; i <= 5; ++i)
        if (ICislo(i)->Tag == kNotChosen) ICislo(i)->setPicture(i == k ? m_numberPicturesSelected[i] : m_numberPictures[i]);
}

void frm_Setup::IKonec_MouseMove() {
    picPokracuj->setLit(false);
    picTiskni->setLit(false);
    if (HoverCode == 6) return;
    PlayHoverSound();
    IKonec->setPicture(m_backHover);
    resetCountPictures();
    HoverCode = 6;
}

void frm_Setup::picPokracuj_MouseMove() { hoverOnly(11); }

void frm_Setup::picTiskni_MouseMove() { hoverOnly(12); }

void frm_Setup::IHelp_MouseMove() { hoverOnly(15); }

void frm_Setup::Form_MouseMove(Qt::MouseButtons, int, int) {
    picPokracuj->setLit(false);
    picTiskni->setLit(false);
    if (HoverCode == 0) return;
    IKonec->setPicture(m_backNormal);
    resetCountPictures();
    HoverCode = 0;
}
