#include "screens/ScreenKeys.h"

#include "state/Misc.h"
#include "state/Services.h"
#include "rules/ExerciseGroups.h"
#include "rules/PictureTexts.h"
#include "screens/frm_Intro.h"
#include "screens/frm_Select.h"
#include "screens/frm_Setup.h"
#include "ui/Accessible.h"
#include "ui/Keyboard.h"

namespace screens {

namespace {

ui::FocusItem item(QWidget *w) {
    ui::FocusItem i;
    i.widget = w;
    return i;
}

ui::FocusItem typingItem(QWidget *w) {
    ui::FocusItem i;
    i.widget = w;
    i.typing = true;
    return i;
}

bool describeAs(QString &name, QAccessible::Role &role, const QString &n, QAccessible::Role r) {
    name = n;
    role = r;
    return true;
}

// Sentences joined into one text to be read.
QString sentences(const QStringList &parts) {
    QStringList out;
    for (QString p : parts) {
        p = p.trimmed();
        if (p.isEmpty()) continue;
        if (!p.back().isPunct()) p += QLatin1Char('.');
        out << p;
    }
    return out.join(QLatin1Char(' '));
}

int exerciseNumber() { return Misc::ExerciseNumber.toInt(); }

// "Cvičení 3: Překlad slovíček" of the chosen exercise.
QString exerciseHeading() {
    return QStringLiteral("Cvičení %1: %2").arg(exerciseNumber()).arg(Misc::ExerciseTitle);
}

}  // namespace

// ---- Selection screen ----------------------------------------------------------

void setUpSelectKeys(frm_Select &f) {
    ui::FocusChain *keys = f.keys();
    // The banner and the exit button, then the groups' column, then the
    // exercises of the open group: the screen reads in two columns.
    keys->items = [&f] {
        QList<ui::FocusItem> items{item(f.IHelp), item(f.IKonec)};
        for (int g = 1; g <= 7; ++g) items << item(f.LI(g));
        for (int k = 1; k <= 6; ++k) items << item(f.RI(k));
        return items;
    };
    keys->escape = [&f] { f.IKonec_Click(); };
    keys->title = [] { return QStringLiteral("Tutorix Lingvana 1 – ") + picturetext::selectHeading(); };
    keys->description = [&f] {
        const int g = f.openGroup();
        const QString open = g > 0 ? QStringLiteral("Otevřená skupina %1: %2").arg(g).arg(Misc::Text(exerciseGroups().at(std::size_t(g)).titleText))
                                   : picturetext::selectHint();
        return sentences({picturetext::selectSubtitle(), open});
    };
    keys->describe = [&f](QWidget *w, QString &name, QAccessible::Role &role) {
        if (w == f.IHelp) return describeAs(name, role, QStringLiteral("Autoři programu"), QAccessible::Button);
        if (w == f.IKonec) return describeAs(name, role, QStringLiteral("Konec"), QAccessible::Button);
        const auto &groups = exerciseGroups();
        for (int g = 1; g <= 7; ++g)
            if (w == f.LI(g)) {
                ui::setAccessibleSelected(w, g == f.openGroup());
                const QString title = Misc::Text(groups.at(std::size_t(g)).titleText);
                return describeAs(name, role, title.isEmpty() ? QStringLiteral("Skupina %1").arg(g) : title,
                                  QAccessible::PageTab);
            }
        for (int k = 1; k <= 6; ++k)
            if (w == f.RI(k)) {
                const int g = f.openGroup();
                QString title;
                if (g > 0 && k <= int(groups.at(std::size_t(g)).nameTexts.size()))
                    title = Misc::Text(groups.at(std::size_t(g)).nameTexts[std::size_t(k - 1)]);
                return describeAs(name, role, title.isEmpty() ? QStringLiteral("Cvičení %1").arg(k) : title,
                                  QAccessible::Button);
            }
        return false;
    };
}

// ---- Setup screen --------------------------------------------------------------

void setUpSetupKeys(frm_Setup &f) {
    ui::FocusChain *keys = f.keys();
    // Title help and back along the top, the name, the count dial in its
    // order 10 ... 30, the help-first switch, then print and continue along
    // the bottom.
    keys->items = [&f] {
        QList<ui::FocusItem> items{item(f.IHelp), item(f.IKonec), typingItem(f.TJmeno)};
        for (int k = 1; k <= 5; ++k) items << item(f.ICislo(k));
        items << item(f.INapoveda) << item(f.picTiskni) << item(f.picPokracuj);
        return items;
    };
    keys->escape = [&f] { f.IKonec_MouseDown(); };
    keys->title = [] { return Misc::ExerciseTitle; };
    keys->description = [] {
        const int n = exerciseNumber();
        return sentences({QStringLiteral("Cvičení %1 · %2").arg(n).arg(Misc::GroupTitle), picturetext::taskLine(n),
                          picturetext::pageSizeLine(n), picturetext::setupHeading() + QLatin1Char(':'),
                          picturetext::setupHint()});
    };
    keys->describe = [&f](QWidget *w, QString &name, QAccessible::Role &role) {
        if (w == f.IHelp) return describeAs(name, role, QStringLiteral("Nápověda"), QAccessible::Button);
        if (w == f.IKonec) return describeAs(name, role, QStringLiteral("Zpět"), QAccessible::Button);
        if (w == f.TJmeno) return describeAs(name, role, QStringLiteral("Jméno"), QAccessible::EditableText);
        if (w == f.INapoveda) {
            w->setProperty("tutorixChecked", bool(Misc::ShowIntroHelp));
            return describeAs(name, role, QStringLiteral("Nejdřív ukázat nápovědu"), QAccessible::CheckBox);
        }
        if (w == f.picPokracuj) return describeAs(name, role, QStringLiteral("Pokračuj"), QAccessible::Button);
        if (w == f.picTiskni) return describeAs(name, role, QStringLiteral("Tiskni"), QAccessible::Button);
        for (int k = 1; k <= 5; ++k)
            if (w == f.ICislo(k)) {
                w->setProperty("tutorixChecked", f.ICislo(k)->Tag == QLatin1String("1"));
                return describeAs(name, role, QStringLiteral("%1 otázek").arg(countOfButton(k)),
                                  QAccessible::RadioButton);
            }
        return false;
    };
}

// ---- Intro form ----------------------------------------------------------------

namespace {
ui::Hotspot *pageArea(frm_Intro &f) { return f.findChild<ui::Hotspot *>(QStringLiteral("introPage")); }
}  // namespace

void setUpIntroKeys(frm_Intro &f) {
    auto *page = new ui::Hotspot(&f, QRect(0, 0, 640, 480), QString());
    page->setObjectName(QStringLiteral("introPage"));
    ui::FocusChain *keys = f.keys();
    keys->items = [&f, page] {
        if (f.STAV_FORMU != frm_Intro::kTopicScreen) {
            ui::FocusItem i;
            i.widget = page;
            i.press = [&f] { f.Form_MouseDown(Qt::LeftButton, 320, 240); };
            return QList<ui::FocusItem>{i};
        }
        QList<ui::FocusItem> items{item(f.IKonec)};
        for (int i = 1; i <= kAllTopicsButton; ++i)
            if (ui::Label *b = f.TlacitkoTema(i)) items << item(b);
        items << item(f.picTiskni) << item(f.picPokracuj);
        return items;
    };
    keys->escape = [&f] {
        if (f.STAV_FORMU == frm_Intro::kTopicScreen) {
            if (f.IKonec->isEnabled()) f.IKonec_MouseDown();
            return;
        }
        if (f.STAV_FORMU == frm_Intro::kExerciseHelp) {
            // The help page before an exercise: back to the setup screen,
            // as the exercise's own back button would.
            Misc::PlayClickSound();
            frm_Setup &setup = frm_Setup::get();
            setup.Show();
            Misc::CurrentScreen = &setup;
            f.Hide();
            frm_Intro::Unload();
            return;
        }
        // The title and the plain help pages: Esc is the page's click.
        f.Form_MouseDown(Qt::LeftButton, 320, 240);
    };
    // The page shown: the title, the topic screen, an exercise's help, the
    // setup screen's help or the authors' page (by the screen it returns to).
    keys->title = [&f] {
        if (f.STAV_FORMU == frm_Intro::kTitleScreen) return QStringLiteral("Tutorix Lingvana 1");
        if (f.STAV_FORMU == frm_Intro::kTopicScreen) return QStringLiteral("Vyber si témata");
        if (f.STAV_FORMU.isEmpty() && qobject_cast<frm_Select *>(f.Nadrazeny_form.data()))
            return QStringLiteral("Tutorix Lingvana 1 – O programu");
        if (f.STAV_FORMU.isEmpty() && qobject_cast<frm_Setup *>(f.Nadrazeny_form.data()))
            return picturetext::setupHeading() + QStringLiteral(" – Jak nastavit cvičení");
        return exerciseHeading() + QStringLiteral(" – Jak na to");
    };
    keys->description = [&f] {
        if (f.STAV_FORMU == frm_Intro::kTitleScreen)
            return sentences({picturetext::titleSubtitle(), picturetext::titleHint()});
        if (f.STAV_FORMU == frm_Intro::kTopicScreen) return sentences({exerciseHeading()});
        if (f.STAV_FORMU.isEmpty() && qobject_cast<frm_Select *>(f.Nadrazeny_form.data()))
            return sentences(QStringList{picturetext::titleSubtitle(), picturetext::authorsSummary()} +
                             picturetext::authorsLines() +
                             QStringList{picturetext::authorsWish(), picturetext::backFooter()});
        if (f.STAV_FORMU.isEmpty() && qobject_cast<frm_Setup *>(f.Nadrazeny_form.data()))
            return sentences(picturetext::setupHelpSteps() << picturetext::backFooter());
        return sentences(picturetext::howTo(exerciseNumber()) << picturetext::exerciseHelpFooter());
    };
    keys->describe = [&f, page](QWidget *w, QString &name, QAccessible::Role &role) {
        if (w == page) {
            const QString n = f.STAV_FORMU == frm_Intro::kTitleScreen    ? QStringLiteral("Pokračovat na výběr cvičení")
                              : f.STAV_FORMU == frm_Intro::kExerciseHelp ? QStringLiteral("Začít cvičení")
                                                                          : QStringLiteral("Zavřít nápovědu");
            return describeAs(name, role, n, QAccessible::Button);
        }
        if (w == f.IKonec) return describeAs(name, role, QStringLiteral("Zpět"), QAccessible::Button);
        if (w == f.picPokracuj) return describeAs(name, role, QStringLiteral("Pokračuj"), QAccessible::Button);
        if (w == f.picTiskni) return describeAs(name, role, QStringLiteral("Tiskni"), QAccessible::Button);
        for (int i = 1; i <= kAllTopicsButton; ++i)
            if (ui::Label *b = f.TlacitkoTema(i); b && w == b) {
                w->setProperty("tutorixChecked", b->Tag == QLatin1String("1"));
                return describeAs(name, role, b->Caption().trimmed(), QAccessible::CheckBox);
            }
        return false;
    };
}

void showIntroPageArea(frm_Intro &f, bool shown) {
    if (ui::Hotspot *page = pageArea(f)) page->setVisible(shown);
}

}  // namespace screens
