// The results screen: the ten best results of the current exercise, the
// grade of a finished run, the exercise's results file and the results log.
//
// The exercise form loads it, then (at the end of a run) asks for the grade,
// inserts the new record, appends the log entry, sets Nadrazeny_form and
// shows it. During a run it is only shown, to view the stored table. Its one
// button, picKonec, returns to Nadrazeny_form.
#pragma once

#include "state/ResultsRules.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <QPixmap>
#include <QPointer>

namespace ui {
class TableArea;
}

#include <cstdint>
#include <vector>

class frm_Tabulka : public ui::SingleForm<frm_Tabulka> {
    Q_OBJECT
public:
    static constexpr int kRowsShown = 10;

    frm_Tabulka();

    // ---- Public interface ------------------------------------------------
    QPointer<ui::Form> Nadrazeny_form;  // the screen picKonec returns to

    // The grade for spravne right of celkove items as text ("" when no grade
    // band matches).
    QString Vlozeni_znamky(std::uint8_t spravne, std::uint8_t celkove);
    // Inserts a result (marked with ID), re-ranks the table, rewrites the
    // exercise's results file and shows the ten best.
    void Vloz_novy_zaznam(const QString &jmeno, const QString &spravne, const QString &spatne, const QString &Znamka,
                          std::uint8_t ID);
    // Appends the four-line entry of a finished run to Vysledky.dat.
    void Vloz_zaznam_do_souboru_vysledky_dat(const QString &jmeno, const QString &uloha, const QString &typulohy,
                                             const QString &spravne, const QString &spatne, const QString &Znamka);

    // ---- Controls ----------------------------------------------------------
    ui::ControlArray<ui::Label> LPoradi;   // rank "1." ... "10."
    ui::ControlArray<ui::Label> LJmeno;    // name
    ui::ControlArray<ui::Label> LSpravne;  // right count
    ui::ControlArray<ui::Label> LSpatne;   // wrong count
    ui::ControlArray<ui::Label> LZnamka;   // grade
    ui::PictureBox *picKonec = nullptr;    // back
    // Below the table, after a finished run: that run's place, name, right,
    // wrong and grade, shown even when it is not among the ten best.
    ui::Label *LVlastniPoradi = nullptr;
    ui::Label *LVlastniJmeno = nullptr;
    ui::Label *LVlastniSpravne = nullptr;
    ui::Label *LVlastniSpatne = nullptr;
    ui::Label *LVlastniZnamka = nullptr;
    // Top of the own result's row and the medal of place 1 ... 3.
    static constexpr int kOwnRowTop = 457;
    static QRect medalRect(int place);

    // ---- Table -------------------------------------------------------------
    std::vector<results::ResultRecord> Results;  // every record, ranked
    int ResultCount() const { return int(Results.size()); }
    // The results file of the current exercise (ResultsDir + number + ".res").
    static QString ResultsFilePath();
    // The data folder's table that a results folder of its own starts from
    // (empty when results are kept in the data folder).
    static QString SeedFilePath();

    // ---- Handlers (public so tests can drive them as the mouse does) -------
    void picKonec_Click();
    void picKonec_MouseMove();
    void Form_MouseMove(Qt::MouseButtons buttons, int x, int y) override;

protected:
    void Form_Load() override;

private:
    void LoadResultsFile(const QString &path);
    // The rows as a table, and the screen's name and description, for
    // screen readers.
    void setUpResultsTable(ui::TableArea &table);
    // Enters record under the file's lock and rewrites the file; Results then
    // holds the table as it is on disk. False (after telling the pupil) when
    // the result could not be saved.
    bool SaveResultsFile(const QString &path, const results::ResultRecord &record, std::uint8_t mark);
    // Shows records 1 ... 10 in the rows; the marked record in red when
    // highlightMarked, all others black.
    void showRows(bool highlightMarked);

    // Shows the run just finished below the table; place 0 when it was not
    // entered.
    void showOwnResult(int place, const QString &jmeno, const QString &spravne, const QString &spatne,
                       const QString &Znamka);

    QPixmap Background;  // the exercise's background without medals
    QPixmap CloseButtonNormal;
    QPixmap CloseButtonHover;
};
