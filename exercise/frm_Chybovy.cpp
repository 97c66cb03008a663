#include "exercise/frm_Chybovy.h"

#include "state/Misc.h"
#include "state/Services.h"
#include "ui/Keyboard.h"

using namespace Misc;

frm_Chybovy::frm_Chybovy() {
    // A bubble over the exercise form: no frame, above it, never focused.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto *line1 = new ui::Label(this);
    line1->setGeometry(hint::kLineLeft, hint::kBaseTop, 490, hint::kLineHeight);
    Label1.setElement(1, line1);
    // Read as a tool tip with the answer it shows.
    ui::setAccessible(this, QString(), QAccessible::ToolTip);
}

void frm_Chybovy::Form_Load() {
    ScaleScreenControls(this);
    setWindowTitle(QStringLiteral("Tutorix Lingvana 1"));
    Label1(1)->setBackStyle(ui::BackStyle::Transparent);
    move(0, 0);

    m_layout = hint::layoutFor(ExerciseNumber.toInt());
    // The bubble is read straight from the media folder; the window keeps its
    // own copy for every redraw.
    HintBackground = loadPicture(m_layout.bitmap);
    PrepareScreenWindow(this, m_layout.width, m_layout.height);

    Label1(1)->Move(hint::kLineLeft, hint::kBaseTop, m_layout.lineWidth, hint::kLineHeight);
    if (m_layout.lines == 2) {
        ui::Label *line2 = Label1.Load(2);
        line2->Move(hint::kLineLeft, hint::kBaseTop + hint::kSecondLineStep, m_layout.lineWidth, hint::kLineHeight);
        line2->show();
    }
    HintBaseTop = hint::kBaseTop;

    image().fill(Qt::black);
    Vykresli_hint_na_pozadi();
    Refresh();
}

void frm_Chybovy::Form_Unload() { Label1.UnloadCreated(); }

void frm_Chybovy::Vykresli_hint_na_pozadi() {
    const QImage bubble = HintBackground.toImage();
    BlitToForm(this, 0, 0, m_layout.width, m_layout.height, bubble);
    ApplyWindowShape(this, image().pixel(1, 1));
}

void frm_Chybovy::fitLine(int line, const QString &text) {
    ui::Label *l = Label1(line);
    if (!l) return;
    const int base = HintBaseTop + (line - 1) * hint::kSecondLineStep;
    const hint::Fit fit = hint::fitHintLine(l->fontPoints(), base, l->Width(),
                                        [&text](double points) { return hint::hintNeededWidth(text, points); });
    if (!qFuzzyCompare(fit.points, l->fontPoints())) l->setFontPoints(fit.points);
    l->setTop(fit.top);
    l->setCaption(text);
}

void frm_Chybovy::Vloz_Text(const QString &text1, const QString &text2) {
    fitLine(1, text1);
    const bool second = Label1.exists(2) && !text2.isEmpty();
    setAccessibleName(QStringLiteral("Správná odpověď: ") +
                      (second ? text1.trimmed() + QLatin1Char(' ') + text2.trimmed() : text1.trimmed()));
    if (!Label1.exists(2)) return;  // one-line bubbles have no room for text2
    if (text2.isEmpty()) {
        // Nothing for line 2: it must not keep the previous hint's text.
        Label1(2)->setCaption(QString());
        return;
    }
    fitLine(2, text2);
}

void frm_Chybovy::Show() {
    Load();
    show();
    raise();
}
