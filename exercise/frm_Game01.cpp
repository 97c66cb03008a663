#include "exercise/frm_Game01.h"

#include "state/Misc.h"
#include "state/Navigation.h"
#include "state/Services.h"
#include "content/CourseFile.h"
#include "content/Records.h"
#include "rules/Catalogue.h"
#include "rules/FocusRules.h"
#include "exercise/GameKeys.h"
#include "exercise/TextFit.h"
#include "exercise/Toolbar.h"
#include "exercise/families/ExerciseFamily.h"
#include "exercise/families/RowLayout.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "exercise/frm_Chybovy.h"

#include <QPointer>
#include <QThread>
#include <QTimer>

using namespace Misc;

namespace {

constexpr QRgb kMagenta = 0xFF00FF;

ui::Label *makeLabel(QWidget *parent, int x, int y, int w, int h) {
    auto *l = new ui::Label(parent);
    l->setGeometry(x, y, w, h);
    return l;
}

// The exercise number as a number when ExerciseNumber is exactly "1" ...
// "24", else 0.
int exerciseFromText(const QString &text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return (ok && exercise::isExercise(n) && QString::number(n) == text) ? n : 0;
}

}  // namespace

frm_Game01::frm_Game01() {
    auto *textPred = makeLabel(this, 88, 95, 73, 20);
    textPred->setBackColor(Qt::white);
    TextPred.setElement(1, textPred);
    auto *tv = new ui::TextBox(this);
    tv->setGeometry(168, 95, 27, 20);
    tv->setLocked(true);
    TVstup.setElement(1, tv);
    auto *textZa = makeLabel(this, 232, 95, 73, 20);
    textZa->setBackColor(Qt::white);
    TextZa.setElement(1, textZa);
    auto *vzor = makeLabel(this, 29, 107, 70, 20);
    vzor->setBackStyle(ui::BackStyle::Transparent);
    Vzor.setElement(1, vzor);
    const int switchLefts[3] = {276, 324, 372};
    ui::ControlArray<ui::Label> *switches[3] = {&Prepinac1, &Prepinac2, &Prepinac3};
    for (int s = 0; s < 3; ++s) {
        auto *l = makeLabel(this, switchLefts[s], 150, 40, 20);
        l->setBackStyle(ui::BackStyle::Transparent);
        l->setAlignment(Qt::AlignHCenter);
        switches[s]->setElement(1, l);
    }
    Prepinac3(1)->hide();
    auto *mark = new ui::Image(this);
    mark->setGeometry(592, 90, 32, 32);
    mark->hide();
    IHodnoceni.setElement(1, mark);
    auto *listMark = new ui::Image(this);
    listMark->setGeometry(536, 96, 32, 32);
    listMark->hide();
    IPomHodnoceni.setElement(1, listMark);
    auto *speaker = new ui::Image(this);
    speaker->setGeometry(64, 152, 41, 28);
    speaker->setPicture(exercise::loudspeakerPicture());
    speaker->hide();
    Klakson.setElement(1, speaker);
    auto *top = new ui::PictureBox(this);
    top->setGeometry(273, 5, 91, 75);
    top->setDimmedWhenDisabled(true);
    PicTop.setElement(1, top);
    picPokracuj = new ui::PictureBox(this);
    picPokracuj->setGeometry(526, 457, 94, 23);
    picPokracuj->hide();
    ListBox = new ui::PictureBox(this);
    ListBox->setGeometry(472, 176, 76, 86);
    ListBox->setBackColor(Qt::black);
    ListBox->hide();
    for (int k = 1; k <= 4; ++k) {
        auto *option = makeLabel(ListBox, 2, 2 + 20 * (k - 1), 70, 20);
        option->setBackColor(Qt::white);
        Polozka.setElement(k, option);
    }
    for (int k = 1; k <= 12; ++k) {
        auto *tile = new ui::PictureBox(this);
        const QPoint place = exercise::designTilePlace(k);
        tile->setGeometry(place.x(), place.y(), 50, 20);
        picDown.setElement(k, tile);
        auto *word = makeLabel(tile, 0, 0, 50, 20);
        word->setBackStyle(ui::BackStyle::Transparent);
        word->setAlignment(Qt::AlignHCenter);
        LDown.setElement(k, word);
    }
    auto *main = new ui::PictureBox(this);
    main->setGeometry(0, 600, 45, 37);
    PicMain.setElement(1, main);
    Text1 = new ui::TextBox(this);
    Text1->setGeometry(104, 520, 77, 19);

    top->events.MouseDown = [this](int i, Qt::MouseButton, int, int) { PicTop_MouseDown(i); };
    top->events.DblClick = [this](int i) { PicTop_MouseDown(i); };
    top->events.MouseMove = [this](int i, Qt::MouseButtons, int, int) { PicTop_MouseMove(i); };

    connectRunHandlers();
    connectTileSwitchHandlers();
    connectEx18Handlers();
    exercise::setUpExerciseKeys(*this);
}

void frm_Game01::Show() {
    Load();
    if (m_loadAborted) return;
    ui::Form::Show();
}

void frm_Game01::Form_Load() { ExerciseFormLoad(); }

void frm_Game01::ExerciseFormLoad() {
    m_exercise = exerciseFromText(ExerciseNumber);
    PrepareScreenWindow(this, 640, 480);
    ScaleScreenControls(this);
    setMouseIcon(CursorArrow);
    if (!exercise::isExercise(m_exercise)) {
        // Nothing chosen that this form knows: there is no exercise to show.
        m_loadAborted = true;
        if (!PrintMode) returnToSetupWhenIdle(QThread::currentThread()->loopLevel());
        return;
    }
    SetUpNavigationButtons(*this);
    ContinueButtonPicture = loadPicture(QStringLiteral("Bitmap\\Setup\\pokracuj.bmp")).toImage();
    picPokracuj->hide();

    HoverCode = 0;
    CorrectCount = 0;
    WrongCount = 0;
    ItemsRemaining = QuestionCount;
    ItemsOnPage = exercise::itemsOnFirstPage(m_exercise, QuestionCount);
    setPicture(loadPicture(exercise::backgroundOf(m_exercise, ItemsOnPage)));

    setUpExerciseControls();

    const bool enough = loadExerciseContent();
    if (const int options = exercise::listOptionCountOf(m_exercise)) ListOptionCount = options;
    if (exercise::isWordLists(m_exercise)) {
        ListPos = 0;
        for (int i = 1; i <= 3; ++i) PicTop(i)->QWidget::setEnabled(false);
    }

    // In print mode the form only reads its content; the print job prints
    // the worksheets from the content it loads itself (print/PrintContent.h).
    if (PrintMode) return;
    if (!enough) return;
    FillPage();
    frm_Chybovy::get().Load();  // the hint window of the answer marks, not shown yet
}

void frm_Game01::setUpExerciseControls() {
    const exercise::ExerciseSpec &spec = exercise::spec(m_exercise);
    if (const exercise::ExerciseFamily *family = exercise::familyOf(spec)) family->layOut(*this, spec, ItemsOnPage);
}

void frm_Game01::returnToSetupWhenIdle(int loopLevel) {
    // The screen that opened this form finishes its own change of screens
    // first (it may wait with events); the way back runs once control is
    // back at the event loop the load was started from.
    QTimer::singleShot(0, this, [this, loopLevel] {
        if (QThread::currentThread()->loopLevel() > loopLevel) {
            QTimer::singleShot(10, this, [this, loopLevel] { returnToSetupWhenIdle(loopLevel); });
            return;
        }
        GoBackToSetup();
    });
}

void frm_Game01::Form_Unload() {
    PicTop.UnloadCreated();
    TextPred.UnloadCreated();
    TVstup.UnloadCreated();
    TextZa.UnloadCreated();
    Vzor.UnloadCreated();
    Prepinac1.UnloadCreated();
    Prepinac2.UnloadCreated();
    Prepinac3.UnloadCreated();
    IHodnoceni.UnloadCreated();
    IPomHodnoceni.UnloadCreated();
    Klakson.UnloadCreated();
    PicMain.UnloadCreated();
    SwitchPictures.clear();
    frm_Chybovy::Unload();
}

void frm_Game01::Form_Activate() {
    if (!TVstup(1)) return;
    bool boxFocused = false;
    for (int r = 1; r <= std::min(int(ItemsOnPage), 10); ++r)
        boxFocused = boxFocused || (TVstup(r) && focusWidget() == TVstup(r));
    const bool fresh = m_freshPage;
    m_freshPage = false;
    switch (exercise::focusOnActivate(exercise::focusRuleOf(m_exercise), !PicTop(1)->isEnabled(), fresh, boxFocused)) {
    case exercise::FocusTarget::HiddenBox: Text1->setFocus(); break;
    case exercise::FocusTarget::FirstAnswerBox: TVstup(1)->setFocus(); break;
    case exercise::FocusTarget::Unchanged: break;
    }
}

void frm_Game01::Form_MouseDown(Qt::MouseButton, int x, int y) {
    if (exercise::inHelpArea(x, y)) {
        PlayClickSound();
        CurrentScreen = Go.showExerciseHelp(this);
        Hide();
    }
    if (exercise::listOptionCountOf(m_exercise) > 0 && ListBox->Visible()) ListBox->hide();
}

void frm_Game01::Form_MouseMove(Qt::MouseButtons, int x, int y) {
    picPokracuj->setLit(false);
    if (!exercise::inHelpArea(x, y)) {
        setMouseIcon(CursorArrow);
        if (HoverCode != 0) {
            HighlightToolbarButton(*this, 0);
            HoverCode = 0;
        }
    } else if (HoverCode != 5) {
        PlayHoverSound();
        setMouseIcon(CursorHelp);
        HoverCode = 5;
    }
}

void frm_Game01::PicTop_MouseDown(int index) {
    // A disabled button does nothing (a double-click repeats the press and
    // must not check a page twice).
    if (!PicTop(index) || !PicTop(index)->isEnabled()) return;
    PlayClickSound();
    switch (index) {
    case 1: CheckPage(); break;
    case 2: NewPage(); break;
    case 3: ShowResultsTable(); break;
    case 4: GoBackToSetup(); break;
    default: break;
    }
}

void frm_Game01::PicTop_MouseMove(int index) {
    picPokracuj->setLit(false);
    if (index == HoverCode) return;
    PlayHoverSound();
    HighlightToolbarButton(*this, index);
    HoverCode = std::uint8_t(index);
}

void frm_Game01::GoBackToSetup() {
    ui::Form *setup = Go.setupScreen();
    setup->Show();
    CurrentScreen = setup;
    Hide();
    Unload();  // this form is gone from here on
    WaitBusy(100);
    RestoreKeyboardLayout();
}

void frm_Game01::RevealContinueButton() {
    QPointer<frm_Game01> self(this);
    constexpr int w = 94, h = 23;
    m_revealBackground = image().copy(picPokracuj->x(), picPokracuj->y(), w, h).convertToFormat(QImage::Format_RGB32);
    const QImage button = ContinueButtonPicture.convertToFormat(QImage::Format_RGB32);
    picPokracuj->QWidget::setEnabled(false);
    picPokracuj->image() = m_revealBackground;
    picPokracuj->show();
    picPokracuj->repaint();
    for (int k = 0; k <= 24; ++k) {
        TransparentBlit(picPokracuj, 0, 24 - k, w, h, button, 0, 0, kMagenta);
        WaitWithEvents(15);
        // A click during the slide may have left the exercise (back button).
        if (!self || !isFormLoaded()) return;
    }
    picPokracuj->QWidget::setEnabled(true);
}

int frm_Game01::tileGapBoxWidth() {
    const QFontMetrics metrics(TVstup(1)->font());
    return exercise::tileGapBoxWidth(m_exercise,
                                     [&metrics](const QString &t) { return metrics.horizontalAdvance(t); });
}

void frm_Game01::sizeToText(ui::Label *label, const QString &text) { exercise::sizeToText(label, text); }

void frm_Game01::FillPage() {
    const exercise::ExerciseSpec &spec = exercise::spec(m_exercise);
    if (const exercise::ExerciseFamily *family = exercise::familyOf(spec)) family->fillPage(*this, spec);
    m_freshPage = true;
    exercise::updateKeyAreas(*this);
}
