#include "rules/PictureTexts.h"

namespace screens::picturetext {

QString taskLine(int n) {
    switch (n) {
    case 1: case 5: case 6: return QStringLiteral("Přetahuj slova z dlaždic do vět.");
    case 2: case 4: case 11: return QStringLiteral("Přepínačem vyber slovo, které do věty patří.");
    case 3: return QStringLiteral("Napiš anglický překlad českého slova.");
    case 7: case 8: case 10: case 12: return QStringLiteral("Klikni do mezery a vyber slovo z nabídky.");
    case 9: case 20: return QStringLiteral("Napiš slovo ze začátku řádku ve správném tvaru.");
    case 13: return QStringLiteral("Přepiš celou větu podle pokynu.");
    case 14: return QStringLiteral("Přečti si odpověď a dopiš k ní otázku.");
    case 15: case 16: case 17: return QStringLiteral("Napiš slovo ze závorky do mezery ve správném tvaru.");
    case 18: return QStringLiteral("V každém seznamu klikni na jedno správné slovo.");
    case 19: return QStringLiteral("Přetáhni ke každým hodinám čas, který ukazují.");
    case 21: return QStringLiteral("Přetáhni anglické slovo k jeho českému překladu.");
    case 22: case 23: case 24: return QStringLiteral("Poslechni si větu a napiš slovo, které chybí.");
    default: return {};
    }
}

QString pageSizeLine(int n) {
    if (n == 18) return QStringLiteral("Na jedné stránce jsou dva seznamy.");
    if (n == 2 || n == 4 || n == 11 || n == 13 || n == 14 || n == 19)
        return QStringLiteral("Na jedné stránce je pět otázek.");
    return QStringLiteral("Na jedné stránce je deset otázek.");
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

QStringList setupHelpSteps() {
    return {QStringLiteral("Na kotouči vlevo klikni na číslo: tolik otázek bude mít tvoje cvičení."),
            QStringLiteral("Do rámečku vpravo napiš své jméno. Pod tímto jménem se tvůj výsledek zapíše do tabulky."),
            QStringLiteral("Chceš-li před cvičením vidět nápovědu, zaškrtni čtvereček u nápisu Nejdřív ukázat nápovědu."),
            QStringLiteral("Klikni vpravo dole na Pokračuj a cvičení začne."),
            QStringLiteral("Tlačítkem Tiskni vlevo dole vytiskneš pracovní list se stejným cvičením na papír."),
            QStringLiteral("Tlačítkem Zpět vpravo nahoře se vrátíš k výběru cvičení.")};
}

QString exerciseHelpFooter() { return QStringLiteral("Klikni kamkoli a pokračuj."); }
QString backFooter() { return QStringLiteral("Klikni kamkoli a vrátíš se zpět."); }

QString selectSubtitle() { return QStringLiteral("Angličtina pro školáky – klikni sem a poznáš autory"); }
QString selectHeading() { return QStringLiteral("Vyber si cvičení"); }
QString selectHint() { return QStringLiteral("Nejdřív klikni vlevo na skupinu. Tady se pak objeví její cvičení."); }

QString setupHeading() { return QStringLiteral("Než začneš"); }
QString setupHint() { return QStringLiteral("Vyber na kotouči počet otázek a napiš své jméno."); }

QString titleSubtitle() { return QStringLiteral("Angličtina pro školáky"); }
QString titleHint() { return QStringLiteral("Klikni myší a můžeme začít."); }

QString authorsSummary() {
    return QStringLiteral("24 cvičení v sedmi skupinách: členy, zájmena, předložky, slovesné časy, tvary slov, hodiny, "
                          "slovíčka a poslech.");
}
QStringList authorsLines() {
    return {QStringLiteral("Námět, cvičení a texty: tým Tutorix"), QStringLiteral("Program: tým Tutorix"),
            QStringLiteral("Obrázky: kreslí je program při sestavení kurzu"),
            QStringLiteral("Anglické nahrávky: hlas eSpeak NG")};
}
QString authorsWish() { return QStringLiteral("Přejeme hodně radosti z angličtiny!"); }

}  // namespace screens::picturetext
