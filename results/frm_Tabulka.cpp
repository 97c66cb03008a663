#include "results/frm_Tabulka.h"

#include "platform/logging.h"
#include "state/Misc.h"
#include "state/Services.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "results/ResultsKeys.h"
#include "results/SaveFailure.h"
#include "state/Navigation.h"
#include "ui/Accessible.h"
#include "ui/Keyboard.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>

#include <cerrno>
#include <functional>
#include <optional>

using namespace Misc;

namespace {

const QColor kNewRecordColour(227, 0, 0);

struct Column {
    int left;
    int width;
};
constexpr Column kRank{32, 50};
constexpr Column kName{91, 260};
constexpr Column kRight{376, 70};
constexpr Column kWrong{464, 70};
constexpr Column kGrade{544, 70};

int rowTop(int row) { return 135 + 30 * row; }

// Medals of places 1 ... 3: gold, silver, bronze.
const QColor kMedal[3] = {QColor(0xF4, 0xB9, 0x41), QColor(0xC9, 0xCF, 0xD3), QColor(0xDB, 0xA8, 0x7A)};

ui::Label *makeRowLabel(QWidget *parent, Column c) {
    auto *l = new ui::Label(parent);
    l->setGeometry(c.left, rowTop(1), c.width, 20);
    l->setBackStyle(ui::BackStyle::Transparent);
    return l;
}

// The pupil learns that the result was not saved, where and why: in one
// message for every file of the run that failed.
void reportWriteFailures(const std::vector<results::FailedSave> &failed) {
    if (failed.empty()) return;
    platform::msgBox(results::resultNotSavedText(failed), QStringLiteral("Chyba"), platform::MsgIcon::Exclamation,
                     platform::MsgButtons::Ok);
}

// A table that could not be saved is told together with the log entry that
// follows it at the end of a run; without one, once the event loop runs.
std::optional<results::FailedSave> g_unsavedTable;

void tellUnsavedTableLater(const results::FailedSave &failed) {
    g_unsavedTable = failed;
    QTimer::singleShot(0, qApp, [] {
        if (!g_unsavedTable) return;
        const results::FailedSave f = *g_unsavedTable;
        g_unsavedTable.reset();
        reportWriteFailures({f});
    });
}

// Runs a locked write; while another computer holds the lock the pupil may
// try again, and answering No leaves the result unsaved knowingly. Any other
// failure is returned for the caller to tell.
platform::WriteResult writeWithRetry(const QString &path, const std::function<platform::WriteResult()> &write) {
    for (;;) {
        const platform::WriteResult r = write();
        if (r.ok) return r;
        qCWarning(lcResults).noquote() << r.message;
        if (r.error != EBUSY) return r;
        const QString question =
            QStringLiteral("Soubor %1 právě zapisuje jiný počítač, výsledek zatím není uložen.\r\n"
                           "Zkusit to znovu? (Ne: výsledek se neuloží.)")
                .arg(platform::nativePath(path));
        if (platform::msgBox(question, QStringLiteral("Chyba"), platform::MsgIcon::Question,
                             platform::MsgButtons::YesNo) != platform::MsgResult::Yes)
            return r;
    }
}

// A failure the pupil has not been asked about yet.
bool untold(const platform::WriteResult &r) { return !r.ok && r.error != EBUSY; }

}  // namespace

frm_Tabulka::frm_Tabulka() {
    // The labels of the rows are the cells of one table for screen readers.
    auto *table = new ui::TableArea(this, QStringLiteral("Nejlepší výsledky"));
    table->setGeometry(0, 0, 640, 480);
    LPoradi.setElement(1, makeRowLabel(table, kRank));
    LJmeno.setElement(1, makeRowLabel(table, kName));
    LSpravne.setElement(1, makeRowLabel(table, kRight));
    LSpatne.setElement(1, makeRowLabel(table, kWrong));
    LZnamka.setElement(1, makeRowLabel(table, kGrade));
    LPoradi(1)->setCaption(QStringLiteral("1."));

    picKonec = new ui::PictureBox(this);
    picKonec->setGeometry(546, 5, 91, 75);
    picKonec->events.Click = [this](int) { picKonec_Click(); };
    picKonec->events.MouseMove = [this](int, Qt::MouseButtons, int, int) { picKonec_MouseMove(); };

    auto ownLabel = [table](Column c) {
        ui::Label *l = makeRowLabel(table, c);
        l->setTop(kOwnRowTop);
        l->setForeColor(kNewRecordColour);
        l->hide();
        return l;
    };
    LVlastniPoradi = ownLabel(kRank);
    LVlastniJmeno = ownLabel(kName);
    LVlastniSpravne = ownLabel(kRight);
    LVlastniSpatne = ownLabel(kWrong);
    LVlastniZnamka = ownLabel(kGrade);
    setUpResultsTable(*table);
    screens::setUpResultsKeys(*this);
}

void frm_Tabulka::setUpResultsTable(ui::TableArea &table) {
    auto heading = [](int text, const char *fallback) {
        const QString t = Text(text);
        return t.isEmpty() ? QString::fromUtf8(fallback) : t;
    };
    table.columns = {QStringLiteral("Pořadí"), heading(35, "Jméno"), heading(41, "Správně"), heading(42, "Špatně"),
                     heading(43, "Známka")};
    // The places that hold a result, then the run just finished.
    auto places = [this] { return qMin(ResultCount(), kRowsShown); };
    table.rows = [this, places] { return places() + (LVlastniJmeno->isVisibleTo(this) ? 1 : 0); };
    table.cell = [this, places](int row, int column) -> QWidget * {
        if (row >= places()) {
            ui::Label *own[5] = {LVlastniPoradi, LVlastniJmeno, LVlastniSpravne, LVlastniSpatne, LVlastniZnamka};
            return own[column];
        }
        ui::ControlArray<ui::Label> *arrays[5] = {&LPoradi, &LJmeno, &LSpravne, &LSpatne, &LZnamka};
        return (*arrays[column])(row + 1);
    };
    keys()->title = [] { return QStringLiteral("Nejlepší výsledky"); };
    keys()->description = [this] {
        QString d = QStringLiteral("Cvičení %1: %2.").arg(ExerciseNumber.toInt()).arg(ExerciseTitle);
        if (LVlastniJmeno->isVisibleTo(this))
            d += QStringLiteral(" Tvůj výsledek: %1 správně, %2 špatně, známka %3.")
                     .arg(LVlastniSpravne->Caption(), LVlastniSpatne->Caption(), LVlastniZnamka->Caption());
        return d;
    };
}

QRect frm_Tabulka::medalRect(int place) { return QRect(64, rowTop(place) + 2, 16, 16); }

QString frm_Tabulka::ResultsFilePath() { return resultsPath(ExerciseNumber + QStringLiteral(".res")); }

QString frm_Tabulka::SeedFilePath() {
    const QString installed = dataFilePath(ExerciseNumber + QStringLiteral(".res"));
    return installed == ResultsFilePath() ? QString() : installed;
}

void frm_Tabulka::Form_Load() {
    ScaleScreenControls(this);
    PrepareScreenWindow(this, 640, 480);
    RestoreKeyboardLayout();

    Background = loadPicture(QStringLiteral("Bitmap\\Tab\\%1.bmp").arg(exerciseNumber2()));
    setPicture(Background);
    CloseButtonNormal = loadPicture(QStringLiteral("Bitmap\\Tab\\back_0.bmp"));
    CloseButtonHover = loadPicture(QStringLiteral("Bitmap\\Tab\\back_1.bmp"));
    picKonec->setPicture(CloseButtonNormal);
    setMouseIcon(CursorArrow);
    picKonec->setMouseIcon(CursorHand);

    // Qt lays text out in device-independent pixels, so the 12-point size
    // keeps its pixel size on every display density.
    for (auto *arr : {&LPoradi, &LJmeno, &LSpravne, &LSpatne, &LZnamka}) {
        ui::Label *first = (*arr)(1);
        first->setBackStyle(ui::BackStyle::Transparent);
        first->setFontPoints(12.0);
        for (int i = 2; i <= kRowsShown; ++i) {
            ui::Label *l = arr->Load(i);
            l->Move(first->Left(), rowTop(i), first->Width(), first->Height());
            l->setCaption(QString());
            l->show();
        }
    }
    for (int i = 1; i <= kRowsShown; ++i) LPoradi(i)->setCaption(QString::number(i) + QLatin1Char('.'));
    for (ui::Label *l : {LVlastniPoradi, LVlastniJmeno, LVlastniSpravne, LVlastniSpatne, LVlastniZnamka}) {
        l->setFontPoints(12.0);
        l->hide();
    }

    LoadResultsFile(ResultsFilePath());
    showRows(false);
    HoverCode = 0;
}

void frm_Tabulka::LoadResultsFile(const QString &path) {
    // Until the first result is saved in a results folder of its own, the
    // table installed in the data folder is shown.
    const QString seed = SeedFilePath();
    const QString from = seed.isEmpty() || platform::fileExists(path) ? path : seed;
    int skipped = 0;
    Results = results::readResultsFile(platform::nativePath(from), &skipped);
    if (skipped > 0) qCWarning(lcResults) << from << ":" << skipped << "unreadable lines (kept in the file)";
}

bool frm_Tabulka::SaveResultsFile(const QString &path, const results::ResultRecord &record, std::uint8_t mark) {
    const QString seed = SeedFilePath();
    const platform::WriteResult r = writeWithRetry(path, [&] {
        return results::saveNewResult(platform::nativePath(path), seed.isEmpty() ? QString() : platform::nativePath(seed),
                                      record, mark, &Results);
    });
    if (untold(r)) tellUnsavedTableLater({platform::nativePath(path), r.error});
    return r.ok;
}

void frm_Tabulka::showRows(bool highlightMarked) {
    for (int i = 1; i <= kRowsShown; ++i) {
        LJmeno(i)->setCaption(QString());
        LSpravne(i)->setCaption(QString());
        LSpatne(i)->setCaption(QString());
        LZnamka(i)->setCaption(QString());
    }
    const int shown = qMin(ResultCount(), kRowsShown);
    for (int i = 1; i <= shown; ++i) {
        const results::ResultRecord &r = Results[std::size_t(i - 1)];
        const QColor colour = highlightMarked && r.mark == 1 ? kNewRecordColour : QColor(Qt::black);
        for (auto *arr : {&LPoradi, &LJmeno, &LSpravne, &LSpatne, &LZnamka}) (*arr)(i)->setForeColor(colour);
        LJmeno(i)->setCaption(r.name);
        LSpravne(i)->setCaption(QString::number(r.right));
        LSpatne(i)->setCaption(QString::number(r.wrong));
        LZnamka(i)->setCaption(QString::number(r.grade));
    }
    // A medal stands only beside a place that holds a result.
    QPixmap picture = Background;
    if (!picture.isNull()) {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int i = 1; i <= qMin(shown, 3); ++i) {
            p.setBrush(kMedal[i - 1]);
            p.drawEllipse(medalRect(i));
        }
    }
    setPicture(picture);
}

void frm_Tabulka::showOwnResult(int place, const QString &jmeno, const QString &spravne, const QString &spatne,
                                const QString &Znamka) {
    LVlastniPoradi->setCaption(place > 0 ? QString::number(place) + QLatin1Char('.') : QString());
    LVlastniJmeno->setCaption(jmeno);
    LVlastniSpravne->setCaption(spravne);
    LVlastniSpatne->setCaption(spatne);
    LVlastniZnamka->setCaption(Znamka);
    for (ui::Label *l : {LVlastniPoradi, LVlastniJmeno, LVlastniSpravne, LVlastniSpatne, LVlastniZnamka}) l->show();
}

QString frm_Tabulka::Vlozeni_znamky(std::uint8_t spravne, std::uint8_t celkove) {
    return results::gradeFor(spravne, celkove, GradeTable);
}

void frm_Tabulka::Vloz_novy_zaznam(const QString &jmeno, const QString &spravne, const QString &spatne,
                                   const QString &Znamka, std::uint8_t ID) {
    const auto right = results::parseCount(spravne);
    const auto wrong = results::parseCount(spatne);
    const auto grade = results::parseCount(Znamka);
    if (right && wrong && grade) {
        results::ResultRecord r;
        r.name = results::storableName(jmeno);
        r.right = *right;
        r.wrong = *wrong;
        r.grade = *grade;
        // The table is read again under the file's lock (other pupils may
        // have saved since it was shown) and the record entered there. When
        // it could not be saved, the table shows what is on disk, without it.
        SaveResultsFile(ResultsFilePath(), r, ID);
    } else {
        // Without a grade (no grade band matched) the record could not be
        // ranked, and a later load would skip it: it is not entered.
        qCWarning(lcResults) << "result not entered, counts or grade not numeric:" << spravne << spatne << Znamka;
        for (auto &rec : Results) rec.mark = 0;
    }
    showRows(true);
    int place = 0;
    for (int i = 0; i < ResultCount() && !place; ++i)
        if (Results[std::size_t(i)].mark == ID && ID != 0) place = i + 1;
    showOwnResult(place, jmeno, spravne, spatne, Znamka);
}

void frm_Tabulka::Vloz_zaznam_do_souboru_vysledky_dat(const QString &jmeno, const QString &uloha,
                                                      const QString &typulohy, const QString &spravne,
                                                      const QString &spatne, const QString &Znamka) {
    results::LogEntry e;
    e.name = jmeno;
    e.group = uloha;
    e.exercise = typulohy;
    e.questionCount = QuestionCount;
    e.right = spravne;
    e.wrong = spatne;
    e.grade = Znamka;
    e.when = QDateTime::currentDateTime();
    const QString path = resultsPath(QStringLiteral("Vysledky.dat"));
    const QStringList lines = results::logEntryLinesOf(e, &Misc::Text);
    const platform::WriteResult r =
        writeWithRetry(path, [&] { return results::appendLogEntry(platform::nativePath(path), lines); });
    std::vector<results::FailedSave> failed;
    if (g_unsavedTable) failed.push_back(*g_unsavedTable);
    g_unsavedTable.reset();
    if (untold(r)) failed.push_back({platform::nativePath(path), r.error});
    reportWriteFailures(failed);
}

void frm_Tabulka::picKonec_Click() {
    PlayClickSound();
    ui::Form *back = Nadrazeny_form;
    if (!back) back = Go.setupScreen();  // the parent is gone: the run's start screen
    back->Show();
    CurrentScreen = back;
    Unload();
}

void frm_Tabulka::picKonec_MouseMove() {
    if (HoverCode == 4) return;
    PlayHoverSound();
    picKonec->setPicture(CloseButtonHover);
    HoverCode = 4;
}

void frm_Tabulka::Form_MouseMove(Qt::MouseButtons, int, int) {
    if (HoverCode == 0) return;
    picKonec->setPicture(CloseButtonNormal);
    HoverCode = 0;
}
