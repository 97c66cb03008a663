// The topic screen of exercise 21, built over the intro form: a grid of up
// to twenty topic buttons captioned from 21.dat, the all-topics button, and
// continue and print buttons that slide in once a topic is chosen. The
// exercise form reads the choice from the buttons' Tag while this form is
// still loaded.
#include "screens/frm_Intro.h"

#include "state/Misc.h"
#include "state/Navigation.h"
#include "state/Services.h"
#include "content/Records.h"
#include "rules/Catalogue.h"
#include "platform/msgbox.h"
#include "screens/ScreenKeys.h"
#include "screens/SlideIn.h"
#include "screens/frm_Setup.h"

using namespace Misc;

namespace screens {

QPoint topicButtonOffset(int i) {
    if (i == kTopicGridButtons) return {410, 252};  // column 3 of row 7
    if (i == kAllTopicsButton) return {205, 294};   // under the grid, column 2
    if (i < 1 || i > kTopicGridButtons) return {};
    const int column = (i - 1) % 3, row = (i - 1) / 3;
    return {column * 205, row * 42};
}

QStringList topicCaptions(const QStringList &topicNames) {
    QStringList captions;
    for (const QString &name : topicNames) {
        if (!captions.isEmpty() && name == captions.last()) continue;
        // Topics past the twentieth have no button to name.
        if (captions.size() == kTopicGridButtons) break;
        captions.append(name);
    }
    return captions;
}

QString tooFewTopicItemsMessage(int items, int needed, int questionCount) {
    if (items >= needed) return {};
    const QString words = items == 1                ? QStringLiteral("slovíčko")
                          : items >= 2 && items <= 4 ? QStringLiteral("slovíčka")
                                                     : QStringLiteral("slovíček");
    return QStringLiteral("Vybraná témata mají dohromady jen %1 %2, ale pro %3 otázek je jich potřeba alespoň %4.\n"
                          "Vyber ještě další téma, nebo se vrať a zvol menší počet otázek.")
        .arg(items)
        .arg(words)
        .arg(questionCount)
        .arg(needed);
}

}  // namespace screens

namespace {
const QString kChosen = QStringLiteral("1");
const QString kNotChosen = QStringLiteral("0");
const QString kProgramTitle = QStringLiteral("Tutorix Lingvana 1");

// Where the background patch of a button lies relative to its label.
constexpr int kPatchLeft = -12, kPatchTop = -5;
}  // namespace

void frm_Intro::createTopicControls() {
    auto *first = new ui::Label(this);
    first->setGeometry(32, 105, 135, 20);
    first->setBackStyle(ui::BackStyle::Transparent);
    first->setForeColor(QColor(255, 255, 255));
    first->Tag = kNotChosen;
    first->hide();
    first->events.MouseDown = [this](int i, Qt::MouseButton, int, int) { TlacitkoTema_MouseDown(i); };
    first->events.MouseMove = [this](int i, Qt::MouseButtons, int, int) { TlacitkoTema_MouseMove(i); };
    TlacitkoTema.setElement(1, first);

    IKonec = new ui::Image(this);
    IKonec->setGeometry(546, 5, 91, 75);
    IKonec->hide();
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
}

content::CourseFileRead frm_Intro::LoadTopicList(const QString &path) {
    return content::loadCheckedContentFile(path, content::Layout::TopicList, 21);
}

bool frm_Intro::Zobraz_formular_vyberova_obrazovka_21() {
    setMouseIcon(CursorArrow);
    screens::showIntroPageArea(*this, false);
    setPicture(loadPicture(QStringLiteral("Bitmap\\Setup\\bg21_set.bmp")));
    Refresh();

    if (const content::CourseFileRead read = LoadTopicList(dataFilePath(QStringLiteral("21.dat"))); !read.ok()) {
        platform::msgBox(content::courseFileMessage(read, content::exerciseCannotStart()), QStringLiteral("Chyba"),
                         platform::MsgIcon::Critical, platform::MsgButtons::Ok);
        return false;
    }
    QStringList names;
    m_topicOfItem.clear();
    for (int b = 1; b <= RecordCount; ++b) {
        const auto &row = ContentRecords[std::size_t(b)];
        names.append(row.field[9]);
        bool ok = false;
        const int t = row.field[8].trimmed().toInt(&ok);
        m_topicOfItem.append(ok ? t : 0);
    }
    const QStringList captions = screens::topicCaptions(names);
    m_topicCount = int(captions.size());

    m_topicNormal = loadPicture(QStringLiteral("Bitmap\\Setup\\tema_0.bmp"));
    m_topicLit = loadPicture(QStringLiteral("Bitmap\\Setup\\tema_1.bmp"));
    m_backNormal = loadPicture(QStringLiteral("Bitmap\\Games\\mzpet.bmp"));
    m_backLit = loadPicture(QStringLiteral("Bitmap\\Games\\mzpeth.bmp"));
    IKonec->setPicture(m_backNormal);
    IKonec->setMouseIcon(CursorHand);
    picPokracuj->setMouseIcon(CursorHand);
    picTiskni->setMouseIcon(CursorHand);

    // Buttons 1 ... 20 and the all-topics button, each on its background
    // patch. Buttons past the course's topics are created (the exercise
    // asks every topic number for its button) but stay hidden, without a
    // patch, and can never be chosen.
    ui::Label *first = TlacitkoTema(1);
    const QPoint origin(first->Left(), first->Top());
    const QImage normal = m_topicNormal.toImage();
    for (int i = 1; i <= screens::kAllTopicsButton; ++i) {
        if (i == screens::kTopicGridButtons + 1) continue;
        ui::Label *button = TlacitkoTema.Load(i);
        const QPoint at = origin + screens::topicButtonOffset(i);
        button->setLeft(at.x());
        button->setTop(at.y());
        button->setForeColor(QColor(255, 255, 255));
        button->setBackStyle(ui::BackStyle::Transparent);
        button->Tag = kNotChosen;
        const bool used = i == screens::kAllTopicsButton ? m_topicCount > 0 : i <= m_topicCount;
        if (i == screens::kAllTopicsButton) button->setCaption(QStringLiteral("Všechna témata"));
        else button->setCaption(used ? captions.at(i - 1) : QString());
        if (used) BlitToForm(this, at.x() + kPatchLeft, at.y() + kPatchTop, normal.width(), normal.height(), normal);
        button->QWidget::setVisible(used);
    }

    IKonec->show();
    IKonec->QWidget::setEnabled(true);
    m_slidesRunning = 0;
    picPokracuj->hide();
    picTiskni->hide();
    ContinueShown = false;
    PrintShown = false;
    Refresh();
    return true;
}

void frm_Intro::setTopicChosen(int i, bool chosen) {
    ui::Label *button = TlacitkoTema(i);
    if (!button) return;
    button->Tag = chosen ? kChosen : kNotChosen;
    drawTopicPatch(i, chosen || i == m_hoverTopic);
}

void frm_Intro::drawTopicPatch(int i, bool lit) {
    ui::Label *button = TlacitkoTema(i);
    if (!button) return;
    const QImage patch = (lit ? m_topicLit : m_topicNormal).toImage();
    if (patch.isNull()) return;
    BlitToForm(this, button->Left() + kPatchLeft, button->Top() + kPatchTop, patch.width(), patch.height(), patch);
    button->update();
}

void frm_Intro::clearTopicHover() {
    const int was = m_hoverTopic;
    m_hoverTopic = 0;
    if (ui::Label *b = TlacitkoTema(was); b && b->isVisibleTo(this) && b->Tag != kChosen) drawTopicPatch(was, false);
    picPokracuj->setLit(false);
    picTiskni->setLit(false);
}

bool frm_Intro::anyTopicChosen() const {
    for (int i = 1; i <= screens::kTopicGridButtons; ++i)
        if (const ui::Label *b = TlacitkoTema(i); b && b->Tag == kChosen) return true;
    return false;
}

void frm_Intro::TlacitkoTema_MouseDown(int i) {
    ui::Label *button = TlacitkoTema(i);
    if (!button || !button->Visible()) return;
    if (i >= 1 && i <= screens::kTopicGridButtons) {
        setTopicChosen(i, button->Tag != kChosen);
        if (ui::Label *all = TlacitkoTema(screens::kAllTopicsButton); all && all->Tag == kChosen)
            setTopicChosen(screens::kAllTopicsButton, false);
    } else if (i == screens::kAllTopicsButton) {
        const bool on = button->Tag != kChosen;
        for (int k = 1; k <= m_topicCount; ++k) setTopicChosen(k, on);
        setTopicChosen(screens::kAllTopicsButton, on);
    } else {
        return;
    }

    // The back button waits until every button that is sliding in stands;
    // clicks on other topics during a slide start slides of their own.
    QPointer<frm_Intro> self(this);
    ++m_slidesRunning;
    IKonec->QWidget::setEnabled(false);
    UpdateContinueButton();
    if (self && isFormLoaded()) UpdatePrintButton();
    if (!self) return;
    if (--m_slidesRunning == 0) IKonec->QWidget::setEnabled(true);
}

void frm_Intro::TlacitkoTema_MouseMove(int i) {
    ui::Label *button = TlacitkoTema(i);
    if (!button) return;
    button->setMouseIcon(CursorHand);
    // Lit under the mouse, as the group cards are; the sound once per entry.
    if (HoverCode == 100 + i) return;
    clearTopicHover();
    IKonec->setPicture(m_backNormal);
    PlayHoverSound();
    HoverCode = std::uint8_t(100 + i);
    m_hoverTopic = i;
    drawTopicPatch(i, true);
}

void frm_Intro::picPokracuj_MouseMove() {
    if (HoverCode == 11) return;
    clearTopicHover();
    IKonec->setPicture(m_backNormal);
    PlayHoverSound();
    HoverCode = 11;
    picPokracuj->setLit(true);
}

void frm_Intro::picTiskni_MouseMove() {
    if (HoverCode == 12) return;
    clearTopicHover();
    IKonec->setPicture(m_backNormal);
    PlayHoverSound();
    HoverCode = 12;
    picTiskni->setLit(true);
}

bool frm_Intro::slideTopicButtonIn(ui::PictureBox *button, const QImage &picture) {
    // The background under the button is the same on the setup screen,
    // which stays loaded behind this one.
    frm_Setup *setup = frm_Setup::existing();
    const QImage background =
        setup && setup->isFormLoaded() ? setup->image().copy(button->geometry()) : image().copy(button->geometry());
    return screens::slideButtonIn(this, button, PomPic(1), PomPic(3), background, picture);
}

void frm_Intro::UpdateContinueButton() {
    if (!anyTopicChosen()) {
        picPokracuj->hide();
        ContinueShown = false;
        return;
    }
    if (ContinueShown) return;
    ContinueShown = true;
    if (ContinueButtonPicture.isNull())
        ContinueButtonPicture = loadPicture(QStringLiteral("Bitmap\\Setup\\pokracuj.bmp")).toImage();
    slideTopicButtonIn(picPokracuj, ContinueButtonPicture);
}

void frm_Intro::UpdatePrintButton() {
    if (!anyTopicChosen()) {
        picTiskni->hide();
        PrintShown = false;
        return;
    }
    if (PrintShown) return;
    PrintShown = true;
    if (PrintButtonPicture.isNull())
        PrintButtonPicture = loadPicture(QStringLiteral("Bitmap\\Setup\\tiskni.bmp")).toImage();
    slideTopicButtonIn(picTiskni, PrintButtonPicture);
}

void frm_Intro::picPokracuj_Click() {
    PlayClickSound();
    // The exercise draws QuestionCount different items from the chosen
    // topics and needs one more left over; with fewer it could never finish
    // its draw, so the pupil is asked to choose more instead.
    const int needed = exercise::recordsNeeded(21, QuestionCount, exercise::itemsOnFirstPage(21, QuestionCount));
    const int items = screens::chosenItemCount(m_topicOfItem, [this](int t) {
        const ui::Label *b = TlacitkoTema(t);
        return b && b->Tag == kChosen;
    });
    const QString problem = screens::tooFewTopicItemsMessage(items, needed, QuestionCount);
    if (!problem.isEmpty()) {
        platform::msgBox(problem, kProgramTitle, platform::MsgIcon::Exclamation, platform::MsgButtons::Ok);
        return;
    }

    PrintMode = false;
    Go.showExercise();  // its load reads the chosen topics from this form
    WaitBusy(10);
    Hide();
    TearDownTopicScreen();
    Unload();
    if (ui::Form *game = Go.exerciseScreen()) CurrentScreen = game;
}

void frm_Intro::picTiskni_Click() {
    PlayClickSound();
    if (frm_Setup *setup = frm_Setup::existing()) PupilName = setup->TJmeno->Text();
    Go.printWorksheets();
}

void frm_Intro::IKonec_MouseDown() {
    PlayClickSound();
    frm_Setup &setup = frm_Setup::get();
    setup.Show();
    CurrentScreen = &setup;
    if (STAV_FORMU == kTopicScreen) TearDownTopicScreen();
    Unload();
}

void frm_Intro::IKonec_MouseMove() {
    if (HoverCode == 6) return;
    clearTopicHover();
    PlayHoverSound();
    IKonec->setPicture(m_backLit);
    HoverCode = 6;
}

void frm_Intro::Form_MouseMove(Qt::MouseButtons, int, int) {
    if (STAV_FORMU != kTopicScreen || HoverCode == 0) return;
    clearTopicHover();
    IKonec->setPicture(m_backNormal);
    HoverCode = 0;
}

void frm_Intro::TearDownTopicScreen() {
    m_hoverTopic = 0;
    m_topicNormal = QPixmap();
    m_topicLit = QPixmap();
    m_backNormal = QPixmap();
    m_backLit = QPixmap();
    IKonec->setPicture(QPixmap());
    for (int i = 2; i <= screens::kAllTopicsButton; ++i) TlacitkoTema.Unload(i);
}
