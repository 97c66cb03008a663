// The title screen and the help pages: the authors' page, the help for the
// setup screen and one page per exercise telling how to work it.
#include "course/lib/MediaParts.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace course::media {

namespace {

void pageHeader(QPainter &p, const QString &heading, const QString &sub) {
    const QRectF r(5, 6, 630, 75);
    panel(p, r, colour::teal, QColor(), 14, true);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::accent);
    p.drawEllipse(QRectF(20, 20, 40, 40));
    icon(p, Icon::Question, QRectF(20, 20, 40, 40), colour::tealDark);
    text(p, QRectF(72, 13, 550, 30), heading, 24, Qt::white, true, Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(72, 43, 550, 24), sub, 16, colour::accentLight, false, Qt::AlignLeft | Qt::AlignVCenter);
}

void footer(QPainter &p, const QString &s) {
    icon(p, Icon::Hand, QRectF(196, 446, 24, 24), colour::accentDark);
    text(p, QRectF(226, 443, 400, 30), s, 18, colour::teal, true, Qt::AlignLeft | Qt::AlignVCenter);
}

// Numbered steps in a white panel; the font shrinks until all steps fit.
void steps(QPainter &p, const QRectF &area, const QStringList &items) {
    panel(p, area, colour::panel, colour::panelLine, 16, true);
    const QRectF inner = area.adjusted(18, 14, -18, -14);
    const qreal textLeft = inner.left() + 40;
    const qreal textWidth = inner.right() - textLeft;
    int px = 18;
    for (; px > 11; --px) {
        const QFontMetricsF fm(font(px));
        qreal total = 0;
        for (const QString &s : items)
            total += qMax<qreal>(30, fm.boundingRect(QRectF(0, 0, textWidth, 1000), Qt::TextWordWrap, s).height()) + 10;
        if (total - 10 <= inner.height()) break;
    }
    const QFont f = font(px);
    const QFontMetricsF fm(f);
    qreal y = inner.top();
    int n = 1;
    for (const QString &s : items) {
        const qreal h = qMax<qreal>(30, fm.boundingRect(QRectF(0, 0, textWidth, 1000), Qt::TextWordWrap, s).height());
        p.setPen(Qt::NoPen);
        p.setBrush(colour::accent);
        p.drawEllipse(QRectF(inner.left(), y, 28, 28));
        text(p, QRectF(inner.left(), y, 28, 28), QString::number(n++), 16, colour::tealDark, true);
        p.setFont(f);
        p.setPen(colour::ink);
        p.drawText(QRectF(textLeft, y + (h > 30 ? 0 : (30 - fm.height()) / 2 - 1), textWidth, h),
                   Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, s);
        y += h + 10;
    }
}

// The four toolbar buttons and the two marks, as a legend under the steps.
void toolbarLegend(QPainter &p, qreal top) {
    panel(p, QRectF(20, top, 600, 62), colour::tealLight, QColor(), 14, false);
    struct Item { Icon icon; const char *label; };
    const Item items[] = {{Icon::Check, "Zkontroluj"}, {Icon::NewPage, "Nová stránka"}, {Icon::Table, "Výsledky"},
                          {Icon::Back, "Zpět"}};
    qreal x = 30;
    for (const Item &it : items) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour::panel);
        p.drawEllipse(QRectF(x, top + 13, 36, 36));
        icon(p, it.icon, QRectF(x + 8, top + 21, 20, 20), colour::teal);
        text(p, QRectF(x + 40, top + 8, 86, 46), QString::fromUtf8(it.label), 14, colour::ink, true,
             Qt::AlignLeft | Qt::AlignVCenter, true, 10);
        x += 116;
    }
    // Marks: a green tick is right, a red cross is wrong.
    p.setBrush(colour::good);
    p.drawEllipse(QRectF(x + 4, top + 9, 22, 22));
    icon(p, Icon::Check, QRectF(x + 8, top + 13, 14, 14), Qt::white);
    p.setBrush(colour::bad);
    p.drawEllipse(QRectF(x + 4, top + 34, 22, 22));
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x + 10, top + 40), QPointF(x + 20, top + 50));
    p.drawLine(QPointF(x + 20, top + 40), QPointF(x + 10, top + 50));
    text(p, QRectF(x + 30, top + 8, 70, 24), QStringLiteral("správně"), 13, colour::ink, false,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(x + 30, top + 33, 70, 24), QStringLiteral("chyba"), 13, colour::ink, false,
         Qt::AlignLeft | Qt::AlignVCenter);
}

QStringList howTo(int n) {
    const QString check = QStringLiteral(
        "Až máš hotovo, klikni nahoře na Zkontroluj. Na chybném řádku podrž tlačítko myši na červeném křížku – "
        "uvidíš správnou odpověď.");
    const QString next = QStringLiteral("Klikni vpravo dole na Pokračuj. Po poslední stránce uvidíš svou známku.");
    switch (n) {
    case 1:
        return {QStringLiteral("V každé větě chybí člen a, an, nebo the."),
                QStringLiteral("Chyť myší dlaždici se členem dole a přetáhni ji do rámečku ve větě. Dlaždice se vrátí "
                               "na místo, takže ji můžeš použít znovu."),
                QStringLiteral("Jiné slovo puštěné na stejný rámeček to staré nahradí. Na začátku věty se slovo samo "
                               "napíše s velkým písmenem."),
                check, next};
    case 5:
    case 6:
        return {n == 5 ? QStringLiteral("V každé větě chybí osobní zájmeno (I, me, he, him …).")
                       : QStringLiteral("V každé větě chybí přivlastňovací zájmeno (my, mine, your …). V závorce je "
                                        "osoba, které věc patří."),
                QStringLiteral("Chyť myší dlaždici se slovem dole a přetáhni ji do rámečku ve větě. Každé slovo můžeš "
                               "použít, kolikrát chceš."),
                QStringLiteral("Jiné slovo puštěné na stejný rámeček to staré nahradí."), check, next};
    case 2:
    case 4:
    case 11:
        return {n == 2    ? QStringLiteral("Pod každou větou je přepínač: the, nebo – (bez členu).")
                : n == 4 ? QStringLiteral("Pod každou větou je přepínač: a, nebo many.")
                         : QStringLiteral("Pod každou větou je přepínač: in, on, nebo at."),
                QStringLiteral("Klikni na slovo, které do věty patří. Přepínač se k němu otočí a slovo se objeví v "
                               "mezeře. Volbu můžeš změnit, dokud stránku nezkontroluješ."),
                check, next};
    case 3:
        return {QStringLiteral("Vlevo je české slovo. Napiš do rámečku vedle něj jeho anglický překlad."),
                QStringLiteral("Klávesou Enter skočíš na další řádek. Piš pozorně – počítají se i mezery a písmena."),
                check, next};
    case 7:
    case 8:
    case 10:
    case 12:
        return {QStringLiteral("V každé větě je mezera. Klikni do ní a otevře se nabídka několika slov."),
                QStringLiteral("Klikni na slovo, které se do věty hodí. Když se spleteš, klikni do mezery znovu a "
                               "vyber jiné."),
                check, next};
    case 9:
    case 20:
        return {n == 9 ? QStringLiteral("Na začátku řádku je sloveso v základním tvaru.")
                       : QStringLiteral("Na začátku řádku je přídavné jméno v základním tvaru."),
                n == 9 ? QStringLiteral("Klikni do mezery ve větě a napiš sloveso v minulém čase.")
                       : QStringLiteral("Klikni do mezery a napiš ho ve 2. stupni (taller, more expensive), nebo ve 3. "
                                        "stupni (tallest, most expensive)."),
                check, next};
    case 13:
        return {QStringLiteral("Vlevo je pokyn: zápor, otázka, minulý čas, množné číslo nebo nové slovo, kterým věta "
                               "začne."),
                QStringLiteral("Do rámečku pod větou napiš celou větu změněnou podle pokynu. Nezapomeň na tečku nebo "
                               "otazník na konci."),
                QStringLiteral("Zápor piš se staženým tvarem (don't, isn't), jinak piš plné tvary (they are, he is)."),
                check, next};
    case 14:
        return {QStringLiteral("Na prvním řádku je odpověď. Přečti si ji."),
                QStringLiteral("Na druhém řádku dopiš do rámečku otázku, na kterou odpověď patří. Začátek otázky a "
                               "někdy i její konec už jsou napsané."),
                check, next};
    case 15:
    case 16:
    case 17:
        return {n == 15   ? QStringLiteral("Ve větě chybí podstatné jméno. Ze závorky ho napiš do mezery v množném čísle.")
                : n == 16 ? QStringLiteral("Ve větě chybí sloveso. Ze závorky ho napiš do mezery s koncovkou -ing.")
                          : QStringLiteral("Ve větě chybí sloveso. Ze závorky ho napiš do mezery v minulém čase – "
                                           "všechna jsou nepravidelná."),
                QStringLiteral("Klikni do mezery a piš. Pozor na pravopis!"), check, next};
    case 18:
        return {QStringLiteral("Na stránce jsou dva seznamy. Přečti si zadání nad každým z nich."),
                QStringLiteral("Klikni na to jedno ze čtyř slov, které k zadání patří. Když jsou vybrané oba seznamy, "
                               "klikni na Pokračuj."),
                QStringLiteral("Po posledním seznamu uvidíš přehled. Kliknutím na zadání se k seznamu vrátíš a můžeš "
                               "volbu změnit."),
                QStringLiteral("V přehledu klikni na Zkontroluj. Na červený křížek klikni a uvidíš správné slovo."),
                QStringLiteral("Pokračuj tě pak dovede k výsledku.")};
    case 19:
        return {QStringLiteral("Každé hodiny ukazují jiný čas. Vlevo je deset anglických časů – polovina z nich k "
                               "žádným hodinám nepatří."),
                QStringLiteral("Přetáhni čas myší do rámečku vedle hodin, které ho ukazují. Dvojklikem vrátíš čas "
                               "zpět do sloupce."),
                check, next};
    case 21:
        return {QStringLiteral("Nejdřív vyber témata slovíček, která chceš procvičit, a klikni na Pokračuj."),
                QStringLiteral("Vlevo jsou česká slova, vpravo anglická. Přetáhni anglické slovo do rámečku vedle jeho "
                               "českého překladu."),
                QStringLiteral("Slovo položené na obsazený rámeček vrátí to původní zpět. Dvojklikem vrátíš slovo do "
                               "sloupce."),
                check, next};
    case 22:
    case 23:
    case 24:
        return {QStringLiteral("Klikni na reproduktor a poslechni si anglickou větu. Můžeš si ji pustit, kolikrát "
                               "chceš."),
                QStringLiteral("Napiš do rámečku slovo, které ve větě chybí."), check, next};
    default:
        return {};
    }
}

QImage exerciseHelp(int n, const QStringList &texts) {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    pageHeader(p, QStringLiteral("Cvičení %1: %2").arg(n).arg(exerciseName(texts, n)),
               QStringLiteral("Jak na to – ") + groupTitle(texts, n));
    steps(p, QRectF(20, 94, 600, 270), howTo(n));
    toolbarLegend(p, 374);
    footer(p, QStringLiteral("Klikni kamkoli a pokračuj."));
    return img;
}

QImage setupHelp() {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    pageHeader(p, QStringLiteral("Než začneš"), QStringLiteral("Jak nastavit cvičení"));
    steps(p, QRectF(20, 94, 600, 340),
          {QStringLiteral("Na kotouči vlevo klikni na číslo: tolik otázek bude mít tvoje cvičení."),
           QStringLiteral("Do rámečku vpravo napiš své jméno. Pod tímto jménem se tvůj výsledek zapíše do tabulky."),
           QStringLiteral("Chceš-li před cvičením vidět nápovědu, zaškrtni čtvereček u nápisu Nejdřív ukázat nápovědu."),
           QStringLiteral("Klikni vpravo dole na Pokračuj a cvičení začne."),
           QStringLiteral("Tlačítkem Tiskni vlevo dole vytiskneš pracovní list se stejným cvičením na papír."),
           QStringLiteral("Tlačítkem Zpět vpravo nahoře se vrátíš k výběru cvičení.")});
    footer(p, QStringLiteral("Klikni kamkoli a vrátíš se zpět."));
    return img;
}

QImage authors() {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    pageHeader(p, QStringLiteral("Tutorix Lingvana 1"), QStringLiteral("O programu"));
    panel(p, QRectF(20, 94, 600, 340), colour::panel, colour::panelLine, 16, true);
    text(p, QRectF(44, 110, 552, 40), QStringLiteral("Angličtina pro školáky"), 26, colour::teal, true);
    text(p, QRectF(44, 152, 552, 60),
         QStringLiteral("24 cvičení v sedmi skupinách: členy, zájmena, předložky, slovesné časy, tvary slov, hodiny, "
                        "slovíčka a poslech."),
         17, colour::ink, false, Qt::AlignHCenter | Qt::AlignTop, true);
    const QStringList lines = {QStringLiteral("Námět, cvičení a texty: tým Tutorix"),
                               QStringLiteral("Program: tým Tutorix"),
                               QStringLiteral("Obrázky: kreslí je program při sestavení kurzu"),
                               QStringLiteral("Anglické nahrávky: hlas eSpeak NG")};
    qreal y = 226;
    for (const QString &s : lines) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour::accent);
        p.drawEllipse(QRectF(84, y + 8, 10, 10));
        text(p, QRectF(104, y, 470, 26), s, 18, colour::ink, false, Qt::AlignLeft | Qt::AlignVCenter);
        y += 38;
    }
    text(p, QRectF(44, 388, 552, 32), QStringLiteral("Přejeme hodně radosti z angličtiny!"), 18, colour::accentDark,
         true);
    footer(p, QStringLiteral("Klikni kamkoli a vrátíš se zpět."));
    return img;
}

void speechBubble(QPainter &p, const QRectF &r, const QString &s, const QColor &fill, const QColor &ink, bool tailLeft) {
    QPainterPath path;
    path.addRoundedRect(r, 16, 16);
    QPolygonF tail;
    if (tailLeft)
        tail << QPointF(r.left() + 22, r.bottom() - 2) << QPointF(r.left() + 12, r.bottom() + 16)
             << QPointF(r.left() + 40, r.bottom() - 2);
    else
        tail << QPointF(r.right() - 40, r.bottom() - 2) << QPointF(r.right() - 12, r.bottom() + 16)
             << QPointF(r.right() - 22, r.bottom() - 2);
    path.addPolygon(tail);
    path.setFillRule(Qt::WindingFill);
    p.save();
    p.setPen(Qt::NoPen);
    QColor shade = colour::ink;
    shade.setAlpha(28);
    p.setBrush(shade);
    p.drawPath(path.translated(0, 3));
    p.setBrush(fill);
    p.drawPath(path.simplified());
    p.restore();
    text(p, r, s, 24, ink, true);
}

QImage title() {
    QImage img = canvas(640, 480);
    QPainter p(&img);
    prepare(p);
    // Soft circles in the corners keep the page light and friendly.
    p.setPen(Qt::NoPen);
    p.setBrush(colour::pageDeep);
    p.drawEllipse(QRectF(-90, -110, 260, 260));
    p.drawEllipse(QRectF(500, 340, 240, 240));
    p.setBrush(colour::tealLight);
    p.drawEllipse(QRectF(540, -60, 150, 150));
    p.drawEllipse(QRectF(-50, 380, 150, 150));
    speechBubble(p, QRectF(70, 40, 150, 56), QStringLiteral("Hello!"), colour::accent, colour::tealDark, true);
    speechBubble(p, QRectF(430, 40, 140, 56), QStringLiteral("Ahoj!"), colour::panel, colour::teal, false);
    panel(p, QRectF(60, 120, 520, 200), colour::teal, QColor(), 28, true);
    text(p, QRectF(80, 136, 480, 40), QStringLiteral("Tutorix"), 32, colour::accent, true);
    text(p, QRectF(80, 172, 480, 80), QStringLiteral("Lingvana 1"), 64, Qt::white, true);
    text(p, QRectF(80, 256, 480, 40), QStringLiteral("Angličtina pro školáky"), 24, colour::accentLight, false);
    // A row of word tiles, as the pupil will meet them in the exercises.
    const QStringList words = {QStringLiteral("cat"), QStringLiteral("red"), QStringLiteral("school"),
                               QStringLiteral("apple"), QStringLiteral("happy"), QStringLiteral("sun")};
    qreal x = 70;
    for (const QString &wd : words) {
        const QRectF r(x, 352, 76, 32);
        panel(p, r, colour::accentLight, colour::accent, 9, true);
        text(p, r, wd, 18, colour::tealDark, true);
        x += 86;
    }
    text(p, QRectF(60, 414, 520, 36), QStringLiteral("Klikni myší a můžeme začít."), 20, colour::teal, true);
    return img;
}

}  // namespace

void buildIntroAndHelpPictures(Writer &w, const QStringList &texts) {
    w.bmp(QStringLiteral("Bitmap\\Intro\\title.bmp"), title());
    w.bmp(QStringLiteral("Bitmap\\Help\\autori.bmp"), authors());
    w.bmp(QStringLiteral("Bitmap\\Help\\setup.bmp"), setupHelp());
    for (int n = 1; n <= 24; ++n)
        w.bmp(QStringLiteral("Bitmap\\Help\\%1.bmp").arg(twoDigits(n)), exerciseHelp(n, texts));
}

}  // namespace course::media
