#include "results/ResultsKeys.h"

#include "results/frm_Tabulka.h"
#include "ui/Accessible.h"
#include "ui/Keyboard.h"

namespace screens {

void setUpResultsKeys(frm_Tabulka &f) {
    ui::FocusChain *keys = f.keys();
    keys->items = [&f] {
        ui::FocusItem back;
        back.widget = f.picKonec;
        return QList<ui::FocusItem>{back};
    };
    keys->escape = [&f] { f.picKonec_Click(); };
    keys->describe = [&f](QWidget *w, QString &name, QAccessible::Role &role) {
        if (w != f.picKonec) return false;
        name = QStringLiteral("Zpět");
        role = QAccessible::Button;
        return true;
    };
}

}  // namespace screens
