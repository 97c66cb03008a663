// Exercise 18: picking entries from the lists, the overview of every list of
// the run, the check of the whole run at once, the checked overview whose
// wrong marks open the list with the right entry shown, and the continue
// button that leads through these screens to the end of the run.
#include "state/Misc.h"
#include "rules/ExerciseSpec.h"
#include "state/Services.h"
#include "exercise/AnswerRules.h"
#include "exercise/CheckedRow.h"
#include "exercise/frm_Game01.h"

#include <QFontMetrics>
#include <QPointer>

#include <algorithm>

using namespace Misc;

namespace {

QString withoutLeadingSpaces(const QString &text) {
    int i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' ')) ++i;
    return text.mid(i);
}

}  // namespace

// ---- Rules of the overview ------------------------------------------------

int frm_Game01::Ex18_OverviewColumns(int count) {
    if (count <= 10) return 1;
    if (count <= 20) return 2;
    return 3;
}

QRect frm_Game01::Ex18_OverviewLabel(int k, int count) {
    const int column = (k - 1) / 10 + 1;
    const int row = (k - 1) % 10 + 1;
    const int top = 106 + 36 * (row - 1);
    switch (Ex18_OverviewColumns(count)) {
    case 1: return QRect(87, 105 + 36 * (row - 1), 466, 20);
    case 2: return QRect(19 + 327 * (column - 1), top, 248, 20);
    default: return QRect(19 + 209 * (column - 1), top, 146, 20);
    }
}

QPoint frm_Game01::Ex18_OverviewMark(int k, int count) {
    const int column = (k - 1) / 10 + 1;
    const int top = 100 + 36 * ((k - 1) % 10);
    switch (Ex18_OverviewColumns(count)) {
    case 1: return QPoint(580, top);
    case 2: return QPoint(280 + 325 * (column - 1), top);
    default: return QPoint(183 + 209 * (column - 1), top);
    }
}

QString frm_Game01::Ex18_OverviewBackground(int count) {
    if (count <= 10) return QStringLiteral("Bitmap\\Games\\18_sum10.bmp");
    if (count <= 20) return QStringLiteral("Bitmap\\Games\\18_sum20.bmp");
    return QStringLiteral("Bitmap\\Games\\18_sum30.bmp");
}

std::pair<int, int> frm_Game01::Ex18_PairOf(int k, int count) {
    const int first = k % 2 == 1 ? k : k - 1;
    return {first, first >= count ? first : first + 1};
}

QString frm_Game01::Ex18_CutHeading(const QString &heading, int width,
                                    const std::function<int(const QString &)> &textWidth) {
    // Characters are added one at a time; the first one that makes the text
    // wider than the label less 25 pixels is the last one shown. A heading
    // whose very last character crosses that line is shown whole: nothing is
    // left out, so it gets no " ...".
    QString shown;
    for (qsizetype i = 0; i < heading.size(); ++i) {
        shown += heading.at(i);
        if (textWidth(shown) > width - 25 && i + 1 < heading.size()) return shown + QStringLiteral(" ...");
    }
    return shown;
}

// ---- Handlers ----------------------------------------------------------------

void frm_Game01::connectEx18Handlers() {
    // Rows, overview labels and marks are shared with the other exercises:
    // exercise 18's handlers come first and the handlers already set keep
    // working for every other exercise.
    ui::Label *row = TextPred(1);
    auto rowDown = row->events.MouseDown;
    row->events.MouseDown = [this, rowDown](int i, Qt::MouseButton b, int x, int y) {
        if (exercise::isWordLists(m_exercise)) TextPred_MouseDown(i);
        else if (rowDown) rowDown(i, b, x, y);
    };
    auto rowMove = row->events.MouseMove;
    row->events.MouseMove = [this, rowMove](int i, Qt::MouseButtons b, int x, int y) {
        if (exercise::isWordLists(m_exercise)) TextPred_MouseMove(i);
        else if (rowMove) rowMove(i, b, x, y);
    };
    ui::Label *label = Vzor(1);
    auto labelClick = label->events.Click;
    label->events.Click = [this, labelClick](int k) {
        if (exercise::isWordLists(m_exercise)) Vzor_Click(k);
        else if (labelClick) labelClick(k);
    };
    auto labelMove = label->events.MouseMove;
    label->events.MouseMove = [this, labelMove](int k, Qt::MouseButtons b, int x, int y) {
        if (exercise::isWordLists(m_exercise)) Vzor_MouseMove(k);
        else if (labelMove) labelMove(k, b, x, y);
    };
    ui::Image *mark = IHodnoceni(1);
    auto markDown = mark->events.MouseDown;
    mark->events.MouseDown = [this, markDown](int k, Qt::MouseButton b, int x, int y) {
        if (exercise::isWordLists(m_exercise)) Ex18_MarkMouseDown(k);
        else if (markDown) markDown(k, b, x, y);
    };
}

void frm_Game01::TextPred_MouseDown(int row) {
    if (Ex18Screen == Ex18View::SolutionDetails) return;
    if (row < 1 || row > 10 || !TextPred(row) || !TextPred(row)->Visible()) return;
    if (row != 1 && row != 6) {
        const int first = row <= 5 ? 2 : 7;
        for (int r = first; r < first + 4; ++r) Ex18_SetMarker(r, 0);
        PlayClickSound();
        Ex18_SetMarker(row, 1);
        const int list = (row <= 5 && ItemsOnPage == 2) ? ListPos - 1 : ListPos;
        if (list >= 1 && list <= 30) Ex18Chosen[std::size_t(list)] = withoutLeadingSpaces(TextPred(row)->Caption());
    }
    // Every list of the page picked: the pupil may go on.
    const bool allPicked =
        ItemsOnPage == 2
            ? ListPos >= 2 && !Ex18Chosen[std::size_t(ListPos - 1)].isEmpty() && !Ex18Chosen[std::size_t(ListPos)].isEmpty()
            : ListPos >= 1 && !Ex18Chosen[std::size_t(ListPos)].isEmpty();
    if (allPicked && !ContinueShown) {
        ContinueShown = true;
        RevealContinueButton();
    }
}

void frm_Game01::TextPred_MouseMove(int row) {
    ui::Label *entry = TextPred(row);
    if (!entry || row == 1 || row == 6) return;
    if (Ex18Screen == Ex18View::SolutionDetails) {
        entry->setMouseIcon(CursorArrow);
        return;
    }
    entry->setMouseIcon(CursorHand);
    if (HoverCode != 100 + row) {
        PlayHoverSound();
        HoverCode = std::uint8_t(100 + row);
    }
}

void frm_Game01::Vzor_Click(int k) {
    if (Ex18Screen != Ex18View::Overview) return;
    PlayClickSound();
    Ex18_OpenFromOverview(k);
}

void frm_Game01::Vzor_MouseMove(int k) {
    ui::Label *label = Vzor(k);
    if (!label) return;
    if (Ex18Screen != Ex18View::Overview) {
        label->setMouseIcon(CursorArrow);
        return;
    }
    label->setMouseIcon(CursorHand);
    if (HoverCode != 200 + k) {
        PlayHoverSound();
        HoverCode = std::uint8_t(200 + k);
    }
}

void frm_Game01::Ex18_MarkMouseDown(int k) {
    // Only the wrong marks of the checked overview open their list.
    if (Ex18Screen != Ex18View::Solution) return;
    ui::Image *mark = IHodnoceni(k);
    if (!mark || !mark->Visible() || !mark->Enabled()) return;
    PlayClickSound();
    Ex18_OpenFromSolution(k);
}

// ---- Screens ---------------------------------------------------------------

namespace {

void setToolbar(frm_Game01 &form, bool check, bool newPage, bool results, bool back) {
    const bool on[4] = {check, newPage, results, back};
    for (int i = 1; i <= 4; ++i)
        if (ui::PictureBox *b = form.PicTop(i)) b->QWidget::setEnabled(on[i - 1]);
}

}  // namespace

void frm_Game01::Ex18_ShowOverview() {
    const int count = std::clamp(int(QuestionCount), 1, 30);
    for (int row = 1; row <= 10; ++row)
        if (TextPred(row)) TextPred(row)->hide();
    IPomHodnoceni(1)->hide();
    IPomHodnoceni(2)->hide();
    setMouseIcon(CursorArrow);
    setPicture(Ex18_Picture(Ex18_OverviewBackground(count)));
    for (int k = 1; k <= count; ++k) {
        ui::Label *label = Vzor.Load(k);
        const QRect place = Ex18_OverviewLabel(k, count);
        label->setAutoSize(false);
        label->setBackStyle(ui::BackStyle::Transparent);
        label->setForeColor(Qt::black);
        label->setAlignment(Qt::AlignLeft);
        const QFontMetrics metrics(label->font());
        const int record = DrawnItems[std::size_t(k)];
        const QString heading = ContentRecords[std::size_t(std::max(record, 0))].field[0];
        label->setCaption(Ex18_CutHeading(heading, place.width(),
                                          [&metrics](const QString &s) { return metrics.horizontalAdvance(s); }));
        label->setGeometry(place);
        // A cut heading may end a little past the set width; the label grows
        // with it (as a label sizing itself would) instead of clipping " ...".
        label->resize(std::max(place.width(), label->captionSize().width()), place.height());
        label->show();
        ui::Image *mark = IHodnoceni.Load(k);
        mark->move(Ex18_OverviewMark(k, count));
        mark->hide();
    }
    picPokracuj->hide();
    setToolbar(*this, true, false, true, true);
    Ex18Screen = Ex18View::Overview;
}

void frm_Game01::Ex18_OpenFromOverview(int k) {
    const int count = std::clamp(int(QuestionCount), 1, 30);
    if (k < 1 || k > count) return;
    const auto [first, last] = Ex18_ShowPairOf(k, count);
    for (int list = first; list <= last; ++list) {
        const int slot = list - first + 1;
        const int b = slot == 1 ? 1 : 6;
        for (int row = b + 1; row <= b + 4; ++row)
            Ex18_SetMarker(row, withoutLeadingSpaces(TextPred(row)->Caption()) == Ex18Chosen[std::size_t(list)] ? 1 : 0);
    }
    for (int row = 6; row <= 10 && ItemsOnPage == 1; ++row) TextPred(row)->hide();
    ListPos = last;
    Ex18Screen = Ex18View::OverviewDetails;
    ContinueShown = true;
    RevealContinueButton();
}

std::pair<int, int> frm_Game01::Ex18_ShowPairOf(int k, int count) {
    for (int i = 1; i <= count; ++i) {
        if (Vzor(i)) Vzor(i)->hide();
        if (IHodnoceni(i)) IHodnoceni(i)->hide();
    }
    picPokracuj->hide();
    setToolbar(*this, false, false, false, true);
    const auto [first, last] = Ex18_PairOf(k, count);
    ItemsOnPage = last - first + 1;
    Ex18_SetPageBackground(ItemsOnPage);
    for (int list = first; list <= last; ++list) Ex18_LayOutList(list - first + 1, list);
    return {first, last};
}

void frm_Game01::Ex18_ShowOverview(int count, bool marks) {
    for (int row = 1; row <= 10; ++row)
        if (TextPred(row)) TextPred(row)->hide();
    IPomHodnoceni(1)->hide();
    IPomHodnoceni(2)->hide();
    setPicture(Ex18_Picture(Ex18_OverviewBackground(count)));
    for (int k = 1; k <= count; ++k) {
        if (Vzor(k)) Vzor(k)->show();
        if (IHodnoceni(k)) IHodnoceni(k)->QWidget::setVisible(marks);
    }
    picPokracuj->hide();
}

void frm_Game01::Ex18_ReturnToOverview() {
    Ex18_ShowOverview(std::clamp(int(QuestionCount), 1, 30), false);
    setToolbar(*this, true, false, true, true);
    Ex18Screen = Ex18View::Overview;
}

void frm_Game01::Ex18_CheckPage() {
    // The run is checked once, from the overview; a second request (a
    // double click on the button) must not count the lists again.
    if (Ex18Screen != Ex18View::Overview) return;
    setToolbar(*this, false, false, false, true);
    Text1->setFocus();
    const int count = std::clamp(int(QuestionCount), 1, 30);
    const QPixmap &ok = Ex18_Picture(QStringLiteral("Bitmap\\Games\\Check_ok.bmp"));
    const QPixmap &ko = Ex18_Picture(QStringLiteral("Bitmap\\Games\\Check_ko.bmp"));
    std::vector<exercise::CheckedRow> rows;
    std::vector<bool> listRight;
    for (int k = 1; k <= count; ++k) {
        // A list never picked has an empty pick and counts as wrong.
        const QString &chosen = Ex18Chosen[std::size_t(k)];
        const bool right = answers::checkListAnswer(chosen, Ex18Correct[std::size_t(k)]);
        const int record = std::clamp(DrawnItems[std::size_t(k)], 0, kMaxRecords);
        rows.push_back({exercise::itemKeyOf(18, ContentRecords[std::size_t(record)]), chosen,
                        Ex18Correct[std::size_t(k)], right});
        ui::Image *mark = IHodnoceni.Load(k);
        mark->move(Ex18_OverviewMark(k, count));
        mark->setPicture(right ? ok : ko);
        mark->resize(mark->picture().size());
        mark->show();
        mark->QWidget::setEnabled(!right);
        listRight.push_back(right);
        if (right) ++CorrectCount;
        else ++WrongCount;
    }
    Ex18Screen = Ex18View::Solution;
    QPointer<frm_Game01> self(this);
    RowsChecked(rows);  // may tell of a failed write in a box
    if (!self) return;
    RevealContinueButton();
    if (self) MoveFocusAfterCheck(listRight);
}

void frm_Game01::Ex18_OpenFromSolution(int k) {
    const int count = std::clamp(int(QuestionCount), 1, 30);
    if (k < 1 || k > count) return;
    const auto [first, last] = Ex18_ShowPairOf(k, count);
    const QPixmap &ok = Ex18_Picture(QStringLiteral("Bitmap\\Games\\Check_ok.bmp"));
    const QPixmap &ko = Ex18_Picture(QStringLiteral("Bitmap\\Games\\Check_ko.bmp"));
    for (int list = first; list <= last; ++list) {
        const int slot = list - first + 1;
        const QString &chosen = Ex18Chosen[std::size_t(list)];
        const QString &correct = Ex18Correct[std::size_t(list)];
        const bool wrongPick = chosen != correct;
        const int b = slot == 1 ? 1 : 6;
        for (int row = b + 1; row <= b + 4; ++row) {
            const QString entry = withoutLeadingSpaces(TextPred(row)->Caption());
            if (entry == correct) Ex18_SetMarker(row, 1);
            else if (entry == chosen) Ex18_SetMarker(row, 2);
            else Ex18_SetMarker(row, 0);
        }
        ui::Image *listMark = IPomHodnoceni(slot);
        listMark->setPicture(wrongPick ? ko : ok);
        listMark->resize(listMark->picture().size());
        listMark->QWidget::setEnabled(false);
        listMark->show();
    }
    for (int row = 6; row <= 10 && ItemsOnPage == 1; ++row) TextPred(row)->hide();
    ListPos = last;
    Ex18Screen = Ex18View::SolutionDetails;
    RevealContinueButton();
}

void frm_Game01::Ex18_ReturnToSolution() {
    Ex18_ShowOverview(std::clamp(int(QuestionCount), 1, 30), true);
    setToolbar(*this, false, false, false, true);
    Ex18Screen = Ex18View::Solution;
    RevealContinueButton();
}

void frm_Game01::Ex18_ContinueRun() {
    switch (Ex18Screen) {
    case Ex18View::Lists: {
        // Lists still to be laid out after this page.
        const int left = std::max(int(QuestionCount) - ListPos, 0);
        ItemsRemaining = left;
        ItemsOnPage = std::min(left, 2);
        if (left > 0) {
            ContinueShown = false;
            picPokracuj->QWidget::setEnabled(false);
            NewPage();
        } else {
            Ex18_ShowOverview();
        }
        break;
    }
    case Ex18View::OverviewDetails: Ex18_ReturnToOverview(); break;
    case Ex18View::SolutionDetails: Ex18_ReturnToSolution(); break;
    case Ex18View::Solution: FinishRun(); break;
    case Ex18View::Overview: break;  // the overview has no continue button
    }
}
