// The progress of a run on the exercise form: checking a page and marking
// its rows, the answer hint on a wrong mark, new pages, the results table
// during a run, the continue button and the hand-over of the result.
#include "state/Misc.h"
#include "state/Navigation.h"
#include "state/Services.h"
#include "exercise/AnswerRules.h"
#include "rules/Catalogue.h"
#include "rules/FocusRules.h"
#include "exercise/PageDraw.h"
#include "exercise/Toolbar.h"
#include "exercise/families/ExerciseFamily.h"
#include "exercise/frm_Game01.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "exercise/frm_Chybovy.h"
#include "ui/Keyboard.h"

#include <QCursor>
#include <QPointer>
#include <QThread>

using namespace Misc;

void frm_Game01::connectRunHandlers() {
    // Element 1 of each row array carries the handlers; the load's clones
    // copy them. A handler another part of the form set first keeps running.
    auto chainDown = [](ui::ControlEvents &ev, std::function<void(int)> mine) {
        auto before = ev.MouseDown;
        ev.MouseDown = [before, mine](int i, Qt::MouseButton b, int x, int y) {
            if (before) before(i, b, x, y);
            mine(i);
        };
    };
    auto chainMove = [](ui::ControlEvents &ev, std::function<void(int)> mine) {
        auto before = ev.MouseMove;
        ev.MouseMove = [before, mine](int i, Qt::MouseButtons b, int x, int y) {
            if (before) before(i, b, x, y);
            mine(i);
        };
    };
    chainDown(IHodnoceni(1)->events, [this](int i) { IHodnoceni_MouseDown(i); });
    chainMove(IHodnoceni(1)->events, [this](int i) { IHodnoceni_MouseMove(i); });
    {
        auto before = IHodnoceni(1)->events.MouseUp;
        IHodnoceni(1)->events.MouseUp = [this, before](int i, Qt::MouseButton b, int x, int y) {
            if (before) before(i, b, x, y);
            IHodnoceni_MouseUp(i);
        };
    }
    picPokracuj->events.Click = [this](int) { picPokracuj_Click(); };
    picPokracuj->events.MouseMove = [this](int, Qt::MouseButtons, int, int) { picPokracuj_MouseMove(); };

    ui::TextBox *box = TVstup(1);
    box->KeyDown = [this](int i, int &code, Qt::KeyboardModifiers shift) { TVstup_KeyDown(i, code, shift); };
    {
        // The layout must be US English before the first key reaches the box
        // (a key is translated before any key handler sees it).
        auto before = box->GotFocus;
        box->GotFocus = [before](int i) {
            SwitchToUsLayout();
            if (before) before(i);
        };
    }
    chainDown(box->events, [this](int i) { TVstup_MouseDown(i); });
    chainMove(box->events, [this](int i) { TVstup_MouseMove(i); });
    chainDown(TextPred(1)->events, [this](int i) { RowText_MouseDown(i); });
    chainDown(TextZa(1)->events, [this](int i) { RowText_MouseDown(i); });
    for (int k = 1; k <= 4; ++k) {
        Polozka(k)->Index = k;
        Polozka(k)->events.MouseDown = [this](int i, Qt::MouseButton, int, int) { Polozka_MouseDown(i); };
        Polozka(k)->events.MouseMove = [this](int i, Qt::MouseButtons, int, int) { Polozka_MouseMove(i); };
    }
}

// ---- Toolbar -------------------------------------------------------------

void frm_Game01::SetToolbarEnabled(const QString &mode) {
    bool on = false;
    if (mode == QLatin1String("zapnuto")) on = true;
    else if (mode != QLatin1String("vypnuto")) return;
    for (int i = 1; i <= 4; ++i)
        if (ui::PictureBox *b = PicTop(i)) b->QWidget::setEnabled(on);
}

bool frm_Game01::PageChecked() const { return PicTop(1) && !PicTop(1)->isEnabled(); }

// ---- Checking -------------------------------------------------------------

void frm_Game01::CheckPage() {
    QPointer<frm_Game01> self(this);
    SetToolbarEnabled(QStringLiteral("vypnuto"));
    PicTop(4)->QWidget::setEnabled(true);
    Text1->setFocus();
    const int n = m_exercise;
    if (exercise::spec(n).check == exercise::CheckRule::List) {
        Ex18_CheckPage();
        return;
    }
    // An open list would still write into a box that is already marked.
    if (exercise::listOptionCountOf(n) > 0) ListBox->hide();

    const QPixmap ok = loadPicture(QStringLiteral("Bitmap\\Games\\Check_ok.bmp"));
    const QPixmap ko = loadPicture(QStringLiteral("Bitmap\\Games\\Check_ko.bmp"));
    const exercise::ExerciseSpec &spec = exercise::spec(n);
    const exercise::ExerciseFamily *family = exercise::familyOf(spec);
    std::vector<exercise::CheckedRow> rows;
    std::vector<bool> rowRight;
    for (int i = 1; i <= ItemsOnPage && family; ++i) {
        exercise::CheckedRow row = family->checkRow(*this, spec, i);
        const bool correct = row.right;
        rows.push_back(std::move(row));
        ui::Image *mark = IHodnoceni(i);
        mark->setPicture(correct ? ok : ko);
        mark->show();
        mark->QWidget::setEnabled(!correct);  // only wrong marks can be pressed
        // A locked box would show the system's pointer.
        if (ui::TextBox *box = TVstup(i)) box->setMouseIcon(CursorArrow);
        rowRight.push_back(correct);
        if (correct) ++CorrectCount;
        else ++WrongCount;
    }
    noteCheckedPage();
    RowsChecked(rows);

    // The hint window is drawn once off screen, so the first press on a mark
    // shows it at once.
    frm_Chybovy &hint = frm_Chybovy::get();
    hint.Load();
    hint.move(-hint.width(), -hint.height());
    hint.Vykresli_hint_na_pozadi();
    hint.Show();
    hint.repaint();
    hint.hide();
    if (!self) return;
    RevealContinueButton();
    if (self) MoveFocusAfterCheck(rowRight);
}

void frm_Game01::MoveFocusAfterCheck(const std::vector<bool> &rowRight) {
    const int row = exercise::focusAfterCheck(rowRight);
    QWidget *target = row > 0 ? static_cast<QWidget *>(IHodnoceni(row)) : picPokracuj;
    if (target) keys()->moveFocus(target);
}

// ---- Rows and their answer hints -----------------------------------------

const ContentRecord &frm_Game01::RowRecord(int index) const {
    const int row = std::clamp(index, 0, 10);
    // The topic exercise shows its rows in shuffled order from the chosen
    // topics' records.
    if (exercise::spec(m_exercise).topicRecords) {
        const int record = DrawnItems[std::size_t(PairOrder[std::size_t(row)])];
        return TopicRecords[std::size_t(std::clamp(record, 0, kMaxRecords))];
    }
    const int record = DrawnItems[std::size_t(row)];
    return ContentRecords[std::size_t(std::clamp(record, 0, kMaxRecords))];
}

// ---- Answer hint ----------------------------------------------------------

void frm_Game01::IHodnoceni_MouseDown(int index) {
    // Only a checked page answers, and only its wrong (enabled) marks.
    if (!PageChecked()) return;
    ui::Image *mark = IHodnoceni(index);
    if (!exercise::isWordLists(m_exercise) && (!mark || !mark->isEnabled())) return;
    ShowAnswerHint(index);
}

void frm_Game01::ShowAnswerHint(int index) {
    PlayClickSound();
    // Exercise 18 opens the list's details from its own handlers instead.
    if (exercise::isWordLists(m_exercise)) return;
    if (index < 1 || index > 10 || !TextPred(index)) return;
    frm_Chybovy &hint = frm_Chybovy::get();
    hint.Load();
    hint.Vykresli_hint_na_pozadi();
    const QPoint cursor = QCursor::pos();
    hint.move(0, 0);
    const answers::HintText text =
        answers::answerHint(m_exercise, RowRecord(index), TextPred(index)->Caption(), TextPred(index)->Tag);
    hint.Label1(1)->setAlignment(text.alignment);
    if (hint.Label1.count() >= 2 && hint.Label1(2)) hint.Label1(2)->setAlignment(Qt::AlignLeft);
    hint.Vloz_Text(text.line1, text.line2);
    hint.move(answers::hintWindowPosition(cursor, hint.size()));
    hint.Show();
    hint.repaint();
}

void frm_Game01::IHodnoceni_MouseUp(int) {
    if (exercise::isWordLists(m_exercise)) return;
    if (frm_Chybovy *hint = frm_Chybovy::existing()) hint->hide();
}

void frm_Game01::IHodnoceni_MouseMove(int) {
    const bool checked = PageChecked();
    if (checked && HoverCode != 20) {
        PlayHoverSound();
        HoverCode = 20;
    }
    for (int i = 1; i <= IHodnoceni.UBound(); ++i)
        if (ui::Image *m = IHodnoceni(i)) m->setMouseIcon(checked ? CursorHand : CursorArrow);
}

// ---- New page ------------------------------------------------------------

void frm_Game01::NewPage() {
    QPointer<frm_Game01> self(this);
    const int n = m_exercise;
    SetToolbarEnabled(QStringLiteral("zapnuto"));
    if (exercise::listOptionCountOf(n) > 0 && ListBox->Visible()) ListBox->hide();
    const int marks = exercise::isWordLists(n) ? 1 : ItemsOnPage;
    for (int i = 1; i <= marks; ++i)
        if (ui::Image *m = IHodnoceni(i)) m->hide();
    picPokracuj->hide();
    if (exercise::isWordLists(n)) {
        SetToolbarEnabled(QStringLiteral("vypnuto"));
        PicTop(4)->QWidget::setEnabled(true);
    }
    FillPage();
    if (!self) return;
    // The draw leaves a row at 0 when every record of the file is among the
    // last sixty drawn (pages skipped with the new-page button count too):
    // the run cannot go on with items of its own.
    if (!exercise::isWordLists(n) && !exercise::isClocks(n)) {
        for (int r = 1; r <= ItemsOnPage; ++r) {
            if (DrawnItems[std::size_t(r)] != 0) continue;
            m_loadAborted = true;
            platform::msgBox(QStringLiteral("Soubor %1 nemá další nevylosované položky; cvičení končí bez "
                                            "výsledku.")
                                 .arg(platform::nativePath(dataFilePath(exercise::contentFileOf(n)))),
                             QStringLiteral("Chyba"), platform::MsgIcon::Critical, platform::MsgButtons::Ok);
            if (self) returnToSetupWhenIdle(QThread::currentThread()->loopLevel());
            return;
        }
    }
    Form_Activate();
}

// ---- Results table during a run --------------------------------------------

void frm_Game01::ShowResultsTable() {
    ui::Form *table = Go.showResultsTable(this);
    Hide();
    CurrentScreen = table;
}

// ---- Continue ------------------------------------------------------------

frm_Game01::PageProgress frm_Game01::NextPageProgress(int exercise, int itemsRemaining) {
    PageProgress p;
    switch (exercise::pageGroupOf(exercise)) {
    case exercise::PageGroup::Ten:
        p.itemsRemaining = itemsRemaining - 10;
        p.itemsOnPage = p.itemsRemaining;
        if (p.itemsRemaining >= 10) {
            p.itemsOnPage = 10;
            p.step = PageStep::NextPage;
        } else if (p.itemsRemaining == 5) {
            p.step = PageStep::NextShortPage;
        } else {
            p.step = PageStep::Finish;
        }
        break;
    case exercise::PageGroup::Five:
        p.itemsRemaining = itemsRemaining - 5;
        p.itemsOnPage = p.itemsRemaining;
        if (p.itemsRemaining > 4) {
            p.itemsOnPage = 5;
            p.step = PageStep::NextPage;
        } else {
            p.step = PageStep::Finish;
        }
        break;
    case exercise::PageGroup::Two:
        p.itemsRemaining = itemsRemaining - 2;
        p.itemsOnPage = p.itemsRemaining <= 0 ? 0 : std::min(p.itemsRemaining, 2);
        p.step = p.itemsOnPage > 0 ? PageStep::NextPage : PageStep::Ex18Closing;
        break;
    }
    return p;
}

void frm_Game01::picPokracuj_Click() { ContinueRun(); }

void frm_Game01::picPokracuj_MouseMove() {
    picPokracuj->setLit(true);  // no lit picture of its own: drawn lit
    if (HoverCode == 8) return;
    PlayHoverSound();
    HoverCode = 8;
}

void frm_Game01::ContinueRun() {
    PlayClickSound();
    const int n = m_exercise;
    // Exercise 18 counts its lists off itself and, once every list is done,
    // steps through its closing screens to the end of the run.
    if (exercise::isWordLists(n)) {
        Ex18_ContinueRun();
        return;
    }
    const PageProgress p = NextPageProgress(n, ItemsRemaining);
    ItemsRemaining = p.itemsRemaining;
    ItemsOnPage = p.itemsOnPage;
    switch (p.step) {
    case PageStep::NextPage:
        picPokracuj->QWidget::setEnabled(false);
        NewPage();
        break;
    case PageStep::NextShortPage: {
        QPointer<frm_Game01> self(this);
        picPokracuj->QWidget::setEnabled(false);
        NewPage();
        if (!self || m_loadAborted) return;
        setPicture(loadPicture(exercise::backgroundOf(n, 5)));
        std::vector<ui::ControlBase *> hidden;
        for (int r = 6; r <= 10; ++r) {
            auto add = [&](ui::ControlBase *c) {
                if (c) hidden.push_back(c);
            };
            add(TextPred(r));
            add(TVstup(r));
            add(IHodnoceni(r));
            if (exercise::spec(n).form != exercise::RowForm::Translation && !exercise::isTopics(n)) add(TextZa(r));
            if (exercise::spec(n).form == exercise::RowForm::Model) add(Vzor(r));
            if (exercise::isListening(n)) add(Klakson(r));
            if (exercise::isTopics(n)) add(picDown(r));
        }
        for (ui::ControlBase *c : hidden) c->setVisible(false);
        break;
    }
    case PageStep::Finish: FinishRun(); break;
    case PageStep::Ex18Closing: Ex18_ContinueRun(); break;
    }
}

void frm_Game01::FinishRun() {
    CurrentScreen = Go.showRunResult();
    Hide();
    frm_Chybovy::Unload();
    Unload();
}

