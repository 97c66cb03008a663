#include "screens/frm_Pozadi.h"

#include "state/Misc.h"
#include "state/Services.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

frm_Pozadi::frm_Pozadi() { setWindowFlag(Qt::FramelessWindowHint); }

void frm_Pozadi::Form_Load() {
    setWindowTitle(QStringLiteral("Tutorix Lingvana 1"));
    ui::setProgramIcon(this);
    if (QScreen *s = QGuiApplication::primaryScreen()) setGeometry(s->geometry());
}

void frm_Pozadi::Form_Activate() {
    // A click beside the screen window brings the current screen back in
    // front (also from minimised); deferred so the activation of this window
    // has finished first.
    QTimer::singleShot(0, this, [] {
        if (Misc::CurrentScreen && Misc::CurrentScreen != existing()) Misc::CurrentScreen->Show();
        Misc::WaitWithEvents(100);
    });
}

void frm_Pozadi::Form_MouseDown(Qt::MouseButton, int, int) {
    // The background may still be the active window (the screen was
    // minimised), so a click does not activate it again.
    if (Misc::CurrentScreen && Misc::CurrentScreen != existing()) Misc::CurrentScreen->Show();
}

void frm_Pozadi::paintEvent(QPaintEvent *) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x1F, 0x3A, 0x5F));
    g.setColorAt(1, QColor(0x10, 0x1E, 0x33));
    p.fillRect(rect(), g);
}
