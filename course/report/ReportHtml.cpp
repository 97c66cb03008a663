#include "course/report/ReportHtml.h"

#include "course/report/ReportCharts.h"

#include <QLocale>

namespace report {

namespace {

QString esc(const QString &s) { return s.toHtmlEscaped(); }
QString num(int n) { return QLocale(QLocale::Czech).toString(n); }

const char kStyle[] = R"CSS(
:root { --ink: #1d2733; --muted: #5b6673; --line: #d5dbe1; --accent: #1f5fa8; --paper: #ffffff; }
* { box-sizing: border-box; }
html { background: #eef1f4; }
body { margin: 0 auto; max-width: 1060px; padding: 24px 28px 48px; background: var(--paper); color: var(--ink);
       font: 14px/1.45 "DejaVu Sans", "Liberation Sans", Arial, sans-serif; }
header.top { border-bottom: 3px solid var(--accent); padding-bottom: 10px; margin-bottom: 8px; }
header.top h1 { margin: 0; font-size: 26px; letter-spacing: .2px; }
header.top .sub { color: var(--muted); margin-top: 2px; }
.figures { display: flex; flex-wrap: wrap; gap: 10px; margin: 14px 0 6px; padding: 0; list-style: none; }
.figures li { border: 1px solid var(--line); border-radius: 6px; padding: 6px 12px; min-width: 120px; }
.figures b { display: block; font-size: 20px; }
.figures span { color: var(--muted); font-size: 12px; }
.notes { background: #fff8e1; border-left: 4px solid #f9a825; padding: 8px 12px; margin: 12px 0; }
.notes p { margin: 2px 0; }
nav.toc { margin: 10px 0 4px; font-size: 13px; }
nav.toc a { color: var(--accent); margin-right: 14px; text-decoration: none; }
h2 { font-size: 20px; margin: 30px 0 8px; padding-bottom: 4px; border-bottom: 1px solid var(--line); }
h3 { font-size: 16px; margin: 20px 0 6px; }
h3 .group, .muted { color: var(--muted); font-weight: normal; font-size: 13px; }
p.lead { color: var(--muted); margin: 4px 0 10px; font-size: 13px; }
table { border-collapse: collapse; width: 100%; margin: 6px 0 12px; font-size: 13px; }
caption { text-align: left; font-weight: bold; padding: 4px 0; caption-side: top; }
th, td { border: 1px solid var(--line); padding: 4px 6px; vertical-align: top; text-align: left; }
thead th { background: #f3f5f8; font-weight: bold; }
tbody th { font-weight: normal; white-space: nowrap; }
td.n, th.n { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
th button { all: unset; cursor: pointer; display: block; width: 100%; }
th button:focus-visible { outline: 2px solid var(--accent); }
th[aria-sort="ascending"] button::after { content: " ▲"; font-size: 10px; }
th[aria-sort="descending"] button::after { content: " ▼"; font-size: 10px; }
table.glance { table-layout: auto; }
table.glance th.ex { text-align: center; vertical-align: bottom; padding: 4px 2px; min-width: 46px; }
table.glance th.ex .vt { display: block; writing-mode: vertical-rl; transform: rotate(180deg); margin: 0 auto 4px;
                         max-height: 120px; overflow: hidden; font-weight: normal; font-size: 11px; white-space: nowrap; }
table.glance td.cell { text-align: center; padding: 3px 2px; white-space: nowrap; }
td.cell .last { display: block; font-size: 16px; font-weight: bold; line-height: 1.1; }
td.cell .sub { display: block; font-size: 10.5px; color: #333; }
td.none { background: #fafafa; color: #aaa; text-align: center; }
.g1 { background: #c8e6c9; } .g2 { background: #e6f2d2; } .g3 { background: #fff3b8; }
.g4 { background: #ffdcb3; } .g5 { background: #ffcdd2; }
.legend { font-size: 12px; color: var(--muted); margin: 4px 0 10px; }
.legend .chip { display: inline-block; padding: 0 6px; border: 1px solid var(--line); margin-right: 4px; color: var(--ink); }
.exlist { columns: 2; font-size: 12px; color: var(--muted); margin: 4px 0 8px; padding-left: 18px; }
.charts { display: flex; flex-wrap: wrap; gap: 12px; align-items: flex-start; }
figure { margin: 0; flex: 1 1 300px; }
figure.wide { flex-basis: 100%; }
figcaption { font-size: 12px; color: var(--muted); }
svg.chart { width: 100%; height: auto; display: block; }
section.exercise, section.items { break-inside: avoid; }
.bar { display: inline-block; height: 8px; background: #c62828; vertical-align: middle; margin-right: 6px; border-radius: 1px; }
.wrongs { color: #8e1b1b; }
.right-answer { color: #1b5e20; }
section.pupil { border-top: 2px solid var(--accent); margin-top: 28px; padding-top: 4px; }
section.pupil h3 { font-size: 19px; margin-top: 8px; }
.empty { color: var(--muted); font-style: italic; }
.sr { position: absolute; width: 1px; height: 1px; overflow: hidden; clip: rect(0 0 0 0); white-space: nowrap; }
footer { margin-top: 36px; font-size: 11px; color: var(--muted); border-top: 1px solid var(--line); padding-top: 6px; }
@page { size: A4; margin: 14mm 12mm 16mm; }
@media print {
  html { background: none; }
  body { max-width: none; padding: 0; font-size: 10.5pt; }
  nav.toc, th button::after { display: none; }
  h2 { break-after: avoid; margin-top: 18px; }
  h3 { break-after: avoid; }
  tr, figure { break-inside: avoid; }
  table { font-size: 9pt; }
  table.glance { font-size: 8pt; }
  td.cell .last { font-size: 11pt; }
  section.pupil { break-before: page; border-top: none; margin-top: 0; }
  .g1, .g2, .g3, .g4, .g5, thead th { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
)CSS";

// Sorting the tables whose headers hold buttons: numbers by value, texts
// the Czech way, empty cells always last.
const char kScript[] = R"JS(
(function () {
  'use strict';
  var collator = new Intl.Collator('cs');
  function key(cell) { var k = cell.getAttribute('data-sort'); return k === null ? cell.textContent.trim() : k; }
  Array.prototype.forEach.call(document.querySelectorAll('table.sortable'), function (table) {
    var heads = table.tHead.rows[0].cells;
    Array.prototype.forEach.call(heads, function (th, column) {
      var button = th.querySelector('button');
      if (!button) return;
      button.addEventListener('click', function () {
        var ascending = th.getAttribute('aria-sort') !== 'ascending';
        Array.prototype.forEach.call(heads, function (h) { h.removeAttribute('aria-sort'); });
        th.setAttribute('aria-sort', ascending ? 'ascending' : 'descending');
        var body = table.tBodies[0];
        var rows = Array.prototype.slice.call(body.rows);
        rows.sort(function (a, b) {
          var x = key(a.cells[column]), y = key(b.cells[column]);
          if (x === '' || y === '') return x === y ? 0 : (x === '' ? 1 : -1);
          var nx = Number(x), ny = Number(y);
          var c = (!isNaN(nx) && !isNaN(ny)) ? nx - ny : collator.compare(x, y);
          return ascending ? c : -c;
        });
        rows.forEach(function (r) { body.appendChild(r); });
      });
    });
  });
  document.documentElement.setAttribute('data-report-script', 'ok');
})();
)JS";

class Html {
public:
    explicit Html(const ReportDocument &doc) : d(doc), r(doc.report) {}
    QByteArray write();

private:
    void header();
    void glance();
    void activity();
    void exercises();
    void hardest();
    void pupils();
    void pupil(const results::PupilReport &p);
    QString wrongList(const results::WrongAnswers &w) const;
    QString exerciseName(int n) const { return QStringLiteral("%1 · %2").arg(n).arg(esc(d.title(n))); }
    void chart(const Chart &c, const char *cls = "") {
        o += QStringLiteral("<figure class=\"%1\">").arg(QLatin1String(cls));
        flush();
        bytes += c.svg();
        o += QStringLiteral("<figcaption>%1</figcaption></figure>\n").arg(esc(c.title()));
    }

    // The page so far in UTF-8; o collects the part being written.
    void flush() {
        bytes += o.toUtf8();
        o.clear();
    }

    const ReportDocument &d;
    const results::ClassReport &r;
    QString o;
    QByteArray bytes;
};

QString Html::wrongList(const results::WrongAnswers &w) const {
    QStringList parts;
    for (const auto &[text, count] : w)
        parts << QStringLiteral("%1&nbsp;%2×").arg(text.trimmed().isEmpty() ? QStringLiteral("<i>(bez odpovědi)</i>")
                                                                              : QStringLiteral("<q>%1</q>").arg(esc(text)),
                                                    QString::number(count));
    return parts.join(QStringLiteral(", "));
}

void Html::header() {
    o += QStringLiteral("<header class=\"top\"><h1>Výsledky třídy</h1><div class=\"sub\">Tutorix Lingvana 1");
    if (!d.scope().isEmpty()) o += QStringLiteral(" · ") + esc(d.scope());
    o += QStringLiteral("</div></header>\n<ul class=\"figures\">");
    const auto fig = [&](const QString &value, const char *label) {
        o += QStringLiteral("<li><b>%1</b><span>%2</span></li>").arg(value, QString::fromUtf8(label));
    };
    fig(num(int(r.pupils.size())), "žáků");
    fig(num(r.runs), "běhů cvičení");
    fig(num(int(r.exercises.size())), "cvičení");
    if (d.answersRead) fig(num(r.answers), "zkontrolovaných odpovědí");
    o += QStringLiteral("</ul>\n");
    if (!d.notes.isEmpty()) {
        o += QStringLiteral("<div class=\"notes\" role=\"note\">");
        for (const QString &n : d.notes) o += QStringLiteral("<p>") + esc(n) + QStringLiteral("</p>");
        o += QStringLiteral("</div>\n");
    }
    o += QStringLiteral("<nav class=\"toc\" aria-label=\"Obsah\"><a href=\"#trida\">Třída na první pohled</a>"
                        "<a href=\"#aktivita\">Aktivita</a><a href=\"#cviceni\">Cvičení</a>");
    if (d.answersRead) o += QStringLiteral("<a href=\"#polozky\">Nejtěžší položky</a>");
    o += QStringLiteral("<a href=\"#zaci\">Žáci</a></nav>\n");
}

void Html::glance() {
    o += QStringLiteral("<section id=\"trida\"><h2>Třída na první pohled</h2>\n");
    if (r.pupils.empty()) {
        o += QStringLiteral("<p class=\"empty\">Ve vybraných výsledcích zatím není žádný běh cvičení.</p></section>\n");
        return;
    }
    o += QStringLiteral("<p class=\"legend\">V každém políčku: <b>velké číslo</b> = poslední známka, "
                        "„nejl.“ = nejlepší známka, „×“ = počet běhů. Barva podle poslední známky: ");
    for (int g = 1; g <= 5; ++g) o += QStringLiteral("<span class=\"chip g%1\">%1</span>").arg(g);
    o += QStringLiteral(". Tabulku seřadíte kliknutím na záhlaví sloupce.</p>\n");
    o += QStringLiteral("<table class=\"glance sortable\"><caption>Žáci a cvičení: běhy, poslední a nejlepší "
                        "známka</caption>\n<thead><tr><th scope=\"col\"><button type=\"button\">Žák</button></th>");
    for (const results::ExerciseReport &e : r.exercises)
        o += QStringLiteral("<th scope=\"col\" class=\"ex\" title=\"%2\"><button type=\"button\"><span class=\"vt\">%2</span>"
                            "<span class=\"sr\">Cvičení </span>%1</button></th>")
                 .arg(e.exercise)
                 .arg(esc(d.title(e.exercise)));
    o += QStringLiteral("<th scope=\"col\" class=\"n\"><button type=\"button\">Běhů</button></th>"
                        "<th scope=\"col\" class=\"n\"><button type=\"button\">Průměr</button></th></tr></thead>\n<tbody>\n");
    for (const results::PupilReport &p : r.pupils) {
        o += QStringLiteral("<tr><th scope=\"row\"><a href=\"#zak-%1\">%2</a></th>").arg(QString::number(&p - r.pupils.data()), esc(p.name));
        for (const results::ExerciseReport &e : r.exercises) {
            const results::GradeCell &c = p.cells[std::size_t(e.exercise)];
            if (c.runs == 0) {
                o += QStringLiteral("<td class=\"none\" data-sort=\"\">–</td>");
                continue;
            }
            const QString last = c.lastGrade > 0 ? QString::number(c.lastGrade) : QStringLiteral("–");
            const QString best = c.bestGrade > 0 ? QString::number(c.bestGrade) : QStringLiteral("–");
            o += QStringLiteral("<td class=\"cell g%1\" data-sort=\"%1\" title=\"%2: poslední známka %3, nejlepší %4, %5\">"
                                "<span class=\"last\">%3</span><span class=\"sub\">nejl.&nbsp;%4 · %6×</span></td>")
                     .arg(c.lastGrade)
                     .arg(esc(d.title(e.exercise)), last, best, countCs(c.runs, "běh", "běhy", "běhů"))
                     .arg(c.runs);
        }
        o += QStringLiteral("<td class=\"n\" data-sort=\"%1\">%1</td><td class=\"n\" data-sort=\"%2\">%3</td></tr>\n")
                 .arg(p.runs)
                 .arg(qRound(p.averagePercent))
                 .arg(percentCs(p.averagePercent));
    }
    o += QStringLiteral("</tbody></table>\n<ol class=\"exlist\">");
    for (const results::ExerciseReport &e : r.exercises)
        o += QStringLiteral("<li value=\"%1\">%2</li>").arg(e.exercise).arg(esc(d.title(e.exercise)));
    o += QStringLiteral("</ol></section>\n");
}

void Html::activity() {
    if (r.activity.empty()) return;
    o += QStringLiteral("<section id=\"aktivita\"><h2>Aktivita</h2>\n<div class=\"charts\">");
    chart(activityChart(r.activity), "wide");
    o += QStringLiteral("</div></section>\n");
}

void Html::exercises() {
    o += QStringLiteral("<section id=\"cviceni\"><h2>Cvičení</h2>\n");
    o += QStringLiteral("<table class=\"sortable\"><caption>Přehled cvičení</caption><thead><tr>"
                        "<th scope=\"col\"><button type=\"button\">Cvičení</button></th>"
                        "<th scope=\"col\" class=\"n\"><button type=\"button\">Běhů</button></th>"
                        "<th scope=\"col\" class=\"n\"><button type=\"button\">Průměrné skóre</button></th>");
    for (int g = 1; g <= 5; ++g)
        o += QStringLiteral("<th scope=\"col\" class=\"n\"><button type=\"button\">Známka %1</button></th>").arg(g);
    o += QStringLiteral("</tr></thead><tbody>\n");
    for (const results::ExerciseReport &e : r.exercises) {
        o += QStringLiteral("<tr><th scope=\"row\" data-sort=\"%1\"><a href=\"#cv-%1\">%2</a></th><td class=\"n\">%3</td>"
                            "<td class=\"n\" data-sort=\"%4\">%5</td>")
                 .arg(e.exercise)
                 .arg(exerciseName(e.exercise), num(e.runs))
                 .arg(qRound(e.averagePercent))
                 .arg(e.runs > 0 ? percentCs(e.averagePercent) : QStringLiteral("–"));
        for (int g = 1; g <= 5; ++g) o += QStringLiteral("<td class=\"n\">%1</td>").arg(num(e.grades[std::size_t(g)]));
        o += QStringLiteral("</tr>\n");
    }
    o += QStringLiteral("</tbody></table>\n");
    for (const results::ExerciseReport &e : r.exercises) {
        if (e.runs == 0) continue;
        o += QStringLiteral("<section class=\"exercise\" id=\"cv-%1\"><h3>Cvičení %2 <span class=\"group\">%3</span></h3>")
                 .arg(e.exercise)
                 .arg(exerciseName(e.exercise), esc(d.groups[std::size_t(e.exercise)]));
        o += QStringLiteral("<p class=\"lead\">Běhů: %1 · průměrné skóre: %2</p><div class=\"charts\">")
                 .arg(num(e.runs), percentCs(e.averagePercent));
        chart(gradeSpreadChart(e));
        chart(trendChart(e));
        o += QStringLiteral("</div></section>\n");
    }
    o += QStringLiteral("</section>\n");
}

void Html::hardest() {
    if (!d.answersRead) return;
    o += QStringLiteral("<section id=\"polozky\"><h2>Nejtěžší položky</h2>\n<p class=\"lead\">Položky, ve kterých třída "
                        "chybovala nejčastěji (podíl špatných odpovědí ze všech pokusů), s nejčastějšími chybnými "
                        "odpověďmi.</p>\n");
    bool any = false;
    for (const results::ExerciseReport &e : r.exercises) {
        if (e.hardest.empty()) continue;
        any = true;
        o += QStringLiteral("<section class=\"items\"><table><caption>Cvičení %1</caption><thead><tr>"
                            "<th scope=\"col\">Položka</th><th scope=\"col\">Správně je</th>"
                            "<th scope=\"col\" class=\"n\">Špatně</th><th scope=\"col\" class=\"n\">Pokusů</th>"
                            "<th scope=\"col\">Nejčastější chybné odpovědi</th></tr></thead><tbody>\n")
                 .arg(exerciseName(e.exercise));
        for (const results::ItemStats &it : e.hardest)
            o += QStringLiteral("<tr><th scope=\"row\">%1</th><td class=\"right-answer\">%2</td><td class=\"n\">"
                                "<span class=\"bar\" style=\"width:%3px\" aria-hidden=\"true\"></span>%4</td>"
                                "<td class=\"n\">%5</td><td class=\"wrongs\">%6</td></tr>\n")
                     .arg(esc(it.item), esc(it.expected), QString::number(qRound(it.wrongShare() * 40)),
                          shareCs(it.wrong, it.attempts), num(it.attempts), wrongList(it.wrongAnswers));
        o += QStringLiteral("</tbody></table></section>\n");
    }
    if (!any) o += QStringLiteral("<p class=\"empty\">Zatím žádná položka nemá dost chybných odpovědí.</p>\n");
    o += QStringLiteral("</section>\n");
}

void Html::pupil(const results::PupilReport &p) {
    o += QStringLiteral("<section class=\"pupil\" id=\"zak-%1\"><h3>%2</h3>")
             .arg(QString::number(&p - r.pupils.data()), esc(p.name));
    o += QStringLiteral("<p class=\"lead\">%1 · průměrné skóre %2").arg(countCs(p.runs, "běh", "běhy", "běhů"), percentCs(p.averagePercent));
    if (p.firstRun.isValid())
        o += QStringLiteral(" · od %1 do %2").arg(dateCs(p.firstRun.date()), dateCs(p.lastRun.date()));
    if (d.answersRead)
        o += QStringLiteral(" · %1, z toho špatně %2").arg(countCs(p.answers, "odpověď", "odpovědi", "odpovědí")).arg(num(p.wrongAnswers));
    o += QStringLiteral("</p>\n");
    if (!p.scores.empty()) {
        o += QStringLiteral("<div class=\"charts\">");
        chart(pupilScoresChart(p, [&](int n) { return d.title(n); }), "wide");
        o += QStringLiteral("</div>\n");
    }
    o += QStringLiteral("<table><caption>Cvičení žáka %1</caption><thead><tr><th scope=\"col\">Cvičení</th>"
                        "<th scope=\"col\" class=\"n\">Běhů</th><th scope=\"col\" class=\"n\">Poslední známka</th>"
                        "<th scope=\"col\" class=\"n\">Nejlepší známka</th></tr></thead><tbody>")
             .arg(esc(p.name));
    for (int n = 1; n <= 24; ++n) {
        const results::GradeCell &c = p.cells[std::size_t(n)];
        if (c.runs == 0) continue;
        o += QStringLiteral("<tr><th scope=\"row\">%1</th><td class=\"n\">%2</td><td class=\"n g%3\">%4</td>"
                            "<td class=\"n g%5\">%6</td></tr>")
                 .arg(exerciseName(n))
                 .arg(c.runs)
                 .arg(c.lastGrade)
                 .arg(c.lastGrade > 0 ? QString::number(c.lastGrade) : QStringLiteral("–"))
                 .arg(c.bestGrade)
                 .arg(c.bestGrade > 0 ? QString::number(c.bestGrade) : QStringLiteral("–"));
    }
    o += QStringLiteral("</tbody></table>\n");
    if (d.answersRead) {
        if (p.missed.empty()) {
            o += QStringLiteral("<p class=\"empty\">Žádná chybná odpověď.</p>\n");
        } else {
            o += QStringLiteral("<table><caption>Nejčastěji chybné položky</caption><thead><tr><th scope=\"col\">Cvičení</th>"
                                "<th scope=\"col\">Položka</th><th scope=\"col\">Správně je</th>"
                                "<th scope=\"col\">Odpověď žáka</th><th scope=\"col\" class=\"n\">Špatně / pokusů</th>"
                                "</tr></thead><tbody>\n");
            for (const results::ItemStats &it : p.missed)
                o += QStringLiteral("<tr><td class=\"n\">%1</td><th scope=\"row\">%2</th><td class=\"right-answer\">%3</td>"
                                    "<td class=\"wrongs\">%4</td><td class=\"n\">%5 / %6</td></tr>\n")
                         .arg(QString::number(it.exercise), esc(it.item), esc(it.expected), wrongList(it.wrongAnswers),
                              QString::number(it.wrong), QString::number(it.attempts));
            o += QStringLiteral("</tbody></table>\n");
        }
    }
    o += QStringLiteral("</section>\n");
}

void Html::pupils() {
    o += QStringLiteral("<section id=\"zaci\"><h2>Žáci</h2>\n<p class=\"lead\">Každý žák začíná při tisku na nové "
                        "stránce, takže ji lze předat rodičům.</p>\n");
    for (const results::PupilReport &p : r.pupils) {
        pupil(p);
        flush();
    }
    o += QStringLiteral("</section>\n");
}

QByteArray Html::write() {
    o += QStringLiteral("<!DOCTYPE html>\n<html lang=\"cs\">\n<head>\n<meta charset=\"utf-8\">\n"
                        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                        "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                        "style-src 'unsafe-inline'; script-src 'unsafe-inline'\">\n<title>Výsledky třídy – Tutorix</title>\n<style>");
    o += QString::fromUtf8(kStyle);
    o += QStringLiteral("</style>\n</head>\n<body>\n");
    header();
    glance();
    activity();
    exercises();
    hardest();
    pupils();
    o += QStringLiteral("<footer>Vytvořeno %1 programem tutorix-course report ze složek: %2</footer>\n")
             .arg(d.made.toString(QStringLiteral("d.M.yyyy H:mm")), esc(d.folders.join(QStringLiteral(", "))));
    o += QStringLiteral("<script>");
    o += QString::fromUtf8(kScript);
    o += QStringLiteral("</script>\n</body>\n</html>\n");
    flush();
    return bytes;
}

}  // namespace

QByteArray writeHtml(const ReportDocument &doc) { return Html(doc).write(); }

}  // namespace report
