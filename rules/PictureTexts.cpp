#include "rules/PictureTexts.h"

#include "rules/ExerciseSpec.h"

#include <array>

namespace screens::picturetext {

namespace {

// Lines that several help pages share.
constexpr const char16_t *kCheck =
    u"Až máš hotovo, klikni nahoře na Zkontroluj. Na chybném řádku podrž tlačítko myši na červeném křížku – "
    u"uvidíš správnou odpověď.";
constexpr const char16_t *kNext = u"Klikni vpravo dole na Pokračuj. Po poslední stránce uvidíš svou známku.";
constexpr const char16_t *kTen = u"Na jedné stránce je deset otázek.";
constexpr const char16_t *kFive = u"Na jedné stránce je pět otázek.";
constexpr const char16_t *kTwoLists = u"Na jedné stránce jsou dva seznamy.";

constexpr const char16_t *kTiles3 = u"Přetahuj slova z dlaždic do vět.";
constexpr const char16_t *kSwitch = u"Přepínačem vyber slovo, které do věty patří.";
constexpr const char16_t *kList = u"Klikni do mezery a vyber slovo z nabídky.";
constexpr const char16_t *kModel = u"Napiš slovo ze začátku řádku ve správném tvaru.";
constexpr const char16_t *kBracket = u"Napiš slovo ze závorky do mezery ve správném tvaru.";
constexpr const char16_t *kListen = u"Poslechni si větu a napiš slovo, které chybí.";

constexpr const char16_t *kTileAnyTimes =
    u"Chyť myší dlaždici se slovem dole a přetáhni ji do rámečku ve větě. Každé slovo můžeš použít, kolikrát chceš.";
constexpr const char16_t *kTileReplaces = u"Jiné slovo puštěné na stejný rámeček to staré nahradí.";
constexpr const char16_t *kSwitchClick =
    u"Klikni na slovo, které do věty patří. Přepínač se k němu otočí a slovo se objeví v mezeře. Volbu můžeš změnit, "
    u"dokud stránku nezkontroluješ.";
constexpr const char16_t *kListOpen = u"V každé větě je mezera. Klikni do ní a otevře se nabídka několika slov.";
constexpr const char16_t *kListPick =
    u"Klikni na slovo, které se do věty hodí. Když se spleteš, klikni do mezery znovu a vyber jiné.";
constexpr const char16_t *kTypeCarefully = u"Klikni do mezery a piš. Pozor na pravopis!";
constexpr const char16_t *kListenHowTo[] = {
    u"Klikni na reproduktor a poslechni si anglickou větu. Můžeš si ji pustit, kolikrát chceš.",
    u"Napiš do rámečku slovo, které ve větě chybí."};

// What an exercise's setup screen and help page say.
struct ExerciseTexts {
    const char16_t *task = nullptr;
    const char16_t *pageSize = kTen;
    std::array<const char16_t *, 5> howTo{};  // the help page's steps, up to the first empty one
};

// clang-format off
const std::array<ExerciseTexts, 25> kTexts{{
    {nullptr, kTen, {}},
    /* 1 */ {kTiles3, kTen, {u"V každé větě chybí člen a, an, nebo the.",
        u"Chyť myší dlaždici se členem dole a přetáhni ji do rámečku ve větě. Dlaždice se vrátí na místo, takže ji "
        u"můžeš použít znovu.",
        u"Jiné slovo puštěné na stejný rámeček to staré nahradí. Na začátku věty se slovo samo napíše s velkým "
        u"písmenem.",
        kCheck, kNext}},
    /* 2 */ {kSwitch, kFive, {u"Pod každou větou je přepínač: the, nebo – (bez členu).", kSwitchClick, kCheck, kNext}},
    /* 3 */ {u"Napiš anglický překlad českého slova.", kTen, {
        u"Vlevo je české slovo. Napiš do rámečku vedle něj jeho anglický překlad.",
        u"Klávesou Enter skočíš na další řádek. Piš pozorně – počítají se i mezery a písmena.", kCheck, kNext}},
    /* 4 */ {kSwitch, kFive, {u"Pod každou větou je přepínač: a, nebo many.", kSwitchClick, kCheck, kNext}},
    /* 5 */ {kTiles3, kTen, {u"V každé větě chybí osobní zájmeno (I, me, he, him …).", kTileAnyTimes, kTileReplaces,
        kCheck, kNext}},
    /* 6 */ {kTiles3, kTen, {u"V každé větě chybí přivlastňovací zájmeno (my, mine, your …). V závorce je osoba, "
        u"které věc patří.", kTileAnyTimes, kTileReplaces, kCheck, kNext}},
    /* 7 */ {kList, kTen, {kListOpen, kListPick, kCheck, kNext}},
    /* 8 */ {kList, kTen, {kListOpen, kListPick, kCheck, kNext}},
    /* 9 */ {kModel, kTen, {u"Na začátku řádku je sloveso v základním tvaru.",
        u"Klikni do mezery ve větě a napiš sloveso v minulém čase.", kCheck, kNext}},
    /* 10 */ {kList, kTen, {kListOpen, kListPick, kCheck, kNext}},
    /* 11 */ {kSwitch, kFive, {u"Pod každou větou je přepínač: in, on, nebo at.", kSwitchClick, kCheck, kNext}},
    /* 12 */ {kList, kTen, {kListOpen, kListPick, kCheck, kNext}},
    /* 13 */ {u"Přepiš celou větu podle pokynu.", kFive, {
        u"Vlevo je pokyn: zápor, otázka, minulý čas, množné číslo nebo nové slovo, kterým věta začne.",
        u"Do rámečku pod větou napiš celou větu změněnou podle pokynu. Nezapomeň na tečku nebo otazník na konci.",
        u"Zápor piš se staženým tvarem (don't, isn't), jinak piš plné tvary (they are, he is).", kCheck, kNext}},
    /* 14 */ {u"Přečti si odpověď a dopiš k ní otázku.", kFive, {u"Na prvním řádku je odpověď. Přečti si ji.",
        u"Na druhém řádku dopiš do rámečku otázku, na kterou odpověď patří. Začátek otázky a někdy i její konec už "
        u"jsou napsané.", kCheck, kNext}},
    /* 15 */ {kBracket, kTen, {u"Ve větě chybí podstatné jméno. Ze závorky ho napiš do mezery v množném čísle.",
        kTypeCarefully, kCheck, kNext}},
    /* 16 */ {kBracket, kTen, {u"Ve větě chybí sloveso. Ze závorky ho napiš do mezery s koncovkou -ing.",
        kTypeCarefully, kCheck, kNext}},
    /* 17 */ {kBracket, kTen, {u"Ve větě chybí sloveso. Ze závorky ho napiš do mezery v minulém čase – všechna jsou "
        u"nepravidelná.", kTypeCarefully, kCheck, kNext}},
    /* 18 */ {u"V každém seznamu klikni na jedno správné slovo.", kTwoLists, {
        u"Na stránce jsou dva seznamy. Přečti si zadání nad každým z nich.",
        u"Klikni na to jedno ze čtyř slov, které k zadání patří. Když jsou vybrané oba seznamy, klikni na Pokračuj.",
        u"Po posledním seznamu uvidíš přehled. Kliknutím na zadání se k seznamu vrátíš a můžeš volbu změnit.",
        u"V přehledu klikni na Zkontroluj. Na červený křížek klikni a uvidíš správné slovo.",
        u"Pokračuj tě pak dovede k výsledku."}},
    /* 19 */ {u"Přetáhni ke každým hodinám čas, který ukazují.", kFive, {
        u"Každé hodiny ukazují jiný čas. Vlevo je deset anglických časů – polovina z nich k žádným hodinám nepatří.",
        u"Přetáhni čas myší do rámečku vedle hodin, které ho ukazují. Dvojklikem vrátíš čas zpět do sloupce.",
        kCheck, kNext}},
    /* 20 */ {kModel, kTen, {u"Na začátku řádku je přídavné jméno v základním tvaru.",
        u"Klikni do mezery a napiš ho ve 2. stupni (taller, more expensive), nebo ve 3. stupni (tallest, most "
        u"expensive).", kCheck, kNext}},
    /* 21 */ {u"Přetáhni anglické slovo k jeho českému překladu.", kTen, {
        u"Nejdřív vyber témata slovíček, která chceš procvičit, a klikni na Pokračuj.",
        u"Vlevo jsou česká slova, vpravo anglická. Přetáhni anglické slovo do rámečku vedle jeho českého překladu.",
        u"Slovo položené na obsazený rámeček vrátí to původní zpět. Dvojklikem vrátíš slovo do sloupce.",
        kCheck, kNext}},
    /* 22 */ {kListen, kTen, {kListenHowTo[0], kListenHowTo[1], kCheck, kNext}},
    /* 23 */ {kListen, kTen, {kListenHowTo[0], kListenHowTo[1], kCheck, kNext}},
    /* 24 */ {kListen, kTen, {kListenHowTo[0], kListenHowTo[1], kCheck, kNext}},
}};
// clang-format on

static_assert(kTexts.size() == std::size_t(::exercise::kExerciseCount) + 1, "row n holds the texts of exercise n");

// Row 0 (no texts) for a number that names no exercise.
const ExerciseTexts &textsOf(int n) { return kTexts[std::size_t(::exercise::spec(n).number)]; }

QString text(const char16_t *t) { return t ? QString::fromUtf16(t) : QString(); }

}  // namespace

QString taskLine(int exercise) { return text(textsOf(exercise).task); }

QString pageSizeLine(int exercise) { return text(textsOf(exercise).pageSize); }

QStringList howTo(int exercise) {
    QStringList steps;
    for (const char16_t *step : textsOf(exercise).howTo)
        if (step) steps << text(step);
    return steps;
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
