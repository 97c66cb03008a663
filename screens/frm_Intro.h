// The intro form: the title screen at start-up, the plain help pages, the
// exercise help page shown before an exercise, and the topic screen of
// exercise 21. STAV_FORMU chooses the mode before the form is loaded.
#pragma once

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <QPointer>

class QEventLoop;
class QTimer;

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

    // Turns this form into the topic screen of exercise 21.
    void Zobraz_formular_vyberova_obrazovka_21();

    // Event handlers (public so tests can drive them like the mouse does).
    void Timer1_Timer();
    void Form_MouseDown(Qt::MouseButton button, int x, int y) override;

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    QEventLoop *m_titleWait = nullptr;
};
