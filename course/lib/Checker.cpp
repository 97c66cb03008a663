#include "course/lib/Checker.h"

#include "content/ContentCheck.h"
#include "content/Records.h"
#include "content/scramble.h"
#include "course/lib/CheckerRules.h"
#include "course/lib/CourseExercises.h"
#include "course/lib/LanguageRules.h"
#include "course/lib/MediaCheck.h"
#include "course/lib/Recordings.h"
#include "course/lib/SourceText.h"
#include "exercise/TextFit.h"
#include "exercise/TileRules.h"
#include "platform/codec.h"
#include "platform/paths.h"
#include "results/GradeBands.h"
#include "rules/ExerciseSpec.h"
#include "ui/fonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <map>

namespace course {

namespace {

using namespace course::rules;

// Collects problems of one file as "file:line: sentence".
class Report {
public:
    explicit Report(QString file) : m_file(std::move(file)) {}
    void at(int line, const QString &sentence) { m_problems << QStringLiteral("%1:%2: %3").arg(m_file, QString::number(line), sentence); }
    void file(const QString &sentence) { at(0, sentence); }
    QStringList problems() const { return m_problems; }

private:
    QString m_file;
    QStringList m_problems;
};

QString quoted(const QString &s) { return QLatin1Char('"') + s + QLatin1Char('"'); }

// The program's whole-number rule (results::WholeNumber), its answer split
// into the value (0 when not a number) and whether it is one.
int wholeField(const QString &text, bool *ok) {
    const int v = results::wholeNumber(text);
    *ok = v >= 0;
    return std::max(v, 0);
}

// Exercises whose answer is typed (the keyboard is switched to US English).
bool typedExercise(int e) {
    const exercise::KeyRows keys = exercise::spec(e).keys;
    return keys == exercise::KeyRows::Typed || keys == exercise::KeyRows::Listening;
}

// The field holding the answer that the check compares exactly with the
// pupil's normalised text or choice; -1 when the answer is a tile caption.
int comparedAnswerField(int e) {
    switch (exercise::spec(e).form) {
    case exercise::RowForm::Translation: return 4;
    case exercise::RowForm::WordList: return 6;
    case exercise::RowForm::Clock:
    case exercise::RowForm::Topic: return -1;
    default: return 1;
    }
}

// The word a switch position leaves in the gap, by the program's rule.
QString switchWord(int e, int position, const QString &word, const QString &textBefore) {
    return exercise::chooseSwitchPosition(e, position, word, textBefore, {}).gap;
}

void checkSentence(Report &r, int n, const Misc::ContentRecord &rec) {
    if (rec.field[0].trimmed().isEmpty() && rec.field[2].trimmed().isEmpty())
        r.at(n, QStringLiteral("věta kolem mezery je prázdná."));
}

void need(Report &r, int n, const Misc::ContentRecord &rec, int field, const QString &what) {
    if (rec.field[std::size_t(field)].trimmed().isEmpty()) r.at(n, what + QStringLiteral(" je prázdné."));
}

void checkDistinct(Report &r, int n, const QStringList &words, const QString &what) {
    for (int i = 0; i < words.size(); ++i)
        for (int j = i + 1; j < words.size(); ++j)
            if (!words[i].isEmpty() && words[i] == words[j])
                r.at(n, QStringLiteral("%1 %2 je tu dvakrát, dvě možnosti jsou tedy stejné.").arg(what, quoted(words[i])));
}

void checkRecord(Report &r, int e, int n, const Misc::ContentRecord &rec) {
    using content::Layout;
    const auto &f = rec.field;
    switch (content::layoutOfExercise(e)) {
    case Layout::GapSentence:
        need(r, n, rec, 1, QStringLiteral("pole odpovědi za „#“"));
        checkSentence(r, n, rec);
        if (exercise::spec(e).tiles.endless && !f[1].isEmpty() && !answerReachableWithTiles(e, f[1], f[0]))
            r.at(n, QStringLiteral("odpověď %1 není žádné slovo z kartiček tohoto cvičení tak, jak dopadne do této mezery (%2).")
                        .arg(quoted(f[1]), tileWords(e).join(QStringLiteral(", "))));
        break;
    case Layout::Listening: {
        need(r, n, rec, 1, QStringLiteral("pole odpovědi"));
        checkSentence(r, n, rec);
        const QString &sound = f[6];
        if (sound.trimmed().isEmpty())
            r.at(n, QStringLiteral("název nahrávky (čtvrtá část) je prázdný."));
        else if (sound != sound.trimmed() || sound.contains(QLatin1Char('\\')) || sound.contains(QLatin1Char('/')) ||
                 !sound.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
            r.at(n, QStringLiteral("název nahrávky %1 má být prostý název souboru končící „.wav“.").arg(quoted(sound)));
        else if (sound.compare(recordings::kSlowFolder, Qt::CaseInsensitive) == 0)
            r.at(n, QStringLiteral("název nahrávky %1 je název složky pomalejších nahrávek.").arg(quoted(sound)));
        if (const TwoSpellings two = wordWithTwoSpellings(f[1]); !two.word.isEmpty())
            r.at(n, QStringLiteral("odpověď %1 se píše také %2; žák, který ji slyší, nepozná, který pravopis se čeká; "
                                   "zvol slovo s jediným pravopisem.")
                        .arg(quoted(two.word), quoted(two.other)));
        break;
    }
    case Layout::Switch: {
        checkSentence(r, n, rec);
        QStringList reachable;
        const CourseExercise &course = courseExercise(e);
        if (*course.fixedSwitchWords[0]) {
            const QString a = QLatin1String(course.fixedSwitchWords[0]);
            const QString b = QLatin1String(course.fixedSwitchWords[1]);
            if (QSet<QString>{f[6], f[7]} != QSet<QString>{a, b})
                r.at(n, QStringLiteral("obě možnosti musí být %1 a %2 (v libovolném pořadí), ne %3 a %4.")
                            .arg(quoted(a), quoted(b), quoted(f[6]), quoted(f[7])));
            reachable << f[6] << f[7];
        } else if (course.lastSwitchCloses) {
            need(r, n, rec, 6, QStringLiteral("slovo 1. polohy přepínače"));
            if (!f[7].isEmpty())
                r.at(n, QStringLiteral("2. poloha přepínače mezeru zavírá, její slovo tedy musí být prázdné, ne %1.").arg(quoted(f[7])));
            reachable << switchWord(e, 1, f[6], f[0]) << f[7];
        } else {
            for (int k = 6; k <= 8; ++k) need(r, n, rec, k, QStringLiteral("slovo %1. polohy přepínače").arg(k - 5));
            checkDistinct(r, n, {f[6], f[7], f[8]}, QStringLiteral("slovo přepínače"));
            for (int k = 6; k <= 8; ++k) reachable << switchWord(e, k - 5, f[std::size_t(k)], f[0]);
        }
        if (!reachable.contains(f[1]))
            r.at(n, QStringLiteral("odpověď %1 není žádné ze slov přepínače tak, jak dopadnou do této mezery (%2).")
                        .arg(quoted(f[1]), reachable.join(QStringLiteral(", "))));
        break;
    }
    case Layout::ChoiceList: {
        need(r, n, rec, 1, QStringLiteral("pole odpovědi"));
        const int last = 4 + exercise::spec(e).listOptions;  // the wrong choices follow the answer
        QStringList choices{f[1]};
        for (int k = 6; k <= last; ++k) {
            need(r, n, rec, k, QStringLiteral("%1. špatná možnost").arg(k - 5));
            choices << f[std::size_t(k)];
        }
        checkDistinct(r, n, choices, QStringLiteral("možnost"));
        checkSentence(r, n, rec);
        break;
    }
    case Layout::Model:
        need(r, n, rec, 6, QStringLiteral("vzorové slovo (třetí část)"));
        need(r, n, rec, 1, QStringLiteral("odpověď (čtvrtá část)"));
        checkSentence(r, n, rec);
        break;
    case Layout::ModelWholeSentence:
        need(r, n, rec, 0, QStringLiteral("věta"));
        need(r, n, rec, 6, QStringLiteral("slovo zadání (druhá část)"));
        need(r, n, rec, 1, QStringLiteral("přepsaná věta (třetí část)"));
        if (const QString c = contractionIn(f[1]); !c.isEmpty())
            r.at(n, QStringLiteral("přepsaná věta používá zkrácený tvar %1; cvičení žádá plné tvary "
                                   "(jen zápor má „n't“), takže by žákovi, který se jím řídí, označilo chybu.")
                        .arg(quoted(c)));
        break;
    case Layout::TwoLines:
        need(r, n, rec, 0, QStringLiteral("první řádek"));
        need(r, n, rec, 1, QStringLiteral("odpověď (čtvrtá část)"));
        if (f[6].trimmed().isEmpty() && f[7].trimmed().isEmpty())
            r.at(n, QStringLiteral("druhý řádek kolem odpovědi je prázdný."));
        break;
    case Layout::Clock: {
        bool hOk = false;
        bool mOk = false;
        const int h = wholeField(f[6], &hOk);
        const int m = wholeField(f[7], &mOk);
        if (!hOk || h > 23)
            r.at(n, QStringLiteral("hodina %1 musí být celé číslo od 0 do 23.").arg(quoted(f[6])));
        if (!mOk || m > 59)
            r.at(n, QStringLiteral("minuta %1 musí být celé číslo od 0 do 59.").arg(quoted(f[7])));
        need(r, n, rec, 8, QStringLiteral("slovní údaj času"));
        if (hOk && mOk && h <= 23 && m <= 59 && !f[8].trimmed().isEmpty()) {
            const QStringList phrases = clockPhrases(h, m);
            if (!phrases.isEmpty() && !phrases.contains(f[8].simplified(), Qt::CaseInsensitive))
                r.at(n, QStringLiteral("údaj %1 neodpovídá času %2:%3 (čeká se např. %4).")
                            .arg(quoted(f[8]), QString::number(h), QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')),
                                 quoted(phrases.first())));
        }
        break;
    }
    case Layout::WordLists:
        need(r, n, rec, 0, QStringLiteral("nadpis"));
        for (int k = 6; k <= 9; ++k)
            need(r, n, rec, k, k == 6 ? QStringLiteral("správné slovo") : QStringLiteral("%1. špatné slovo").arg(k - 6));
        checkDistinct(r, n, {f[6], f[7], f[8], f[9]}, QStringLiteral("slovo"));
        break;
    case Layout::Translation:
        need(r, n, rec, 3, QStringLiteral("české zadání"));
        need(r, n, rec, 4, QStringLiteral("anglická odpověď"));
        break;
    case Layout::TopicItems:
    case Layout::TopicList: {
        need(r, n, rec, 6, QStringLiteral("české slovo"));
        need(r, n, rec, 7, QStringLiteral("anglické slovo"));
        need(r, n, rec, 9, QStringLiteral("název tématu"));
        bool ok = false;
        const int t = wholeField(f[8], &ok);
        if (!ok || t < 1 || t > kMaxTopics)
            r.at(n, QStringLiteral("číslo tématu %1 musí být celé číslo od 1 do %2.").arg(quoted(f[8]), QString::number(kMaxTopics)));
        break;
    }
    }

    const int answerField = comparedAnswerField(e);
    if (answerField >= 0) {
        const QString &answer = f[std::size_t(answerField)];
        const QString fault = spacingFault(answer);
        // A word list compares its entries without their leading spaces.
        const bool wordList = exercise::isWordLists(e);
        if (!fault.isEmpty() && !(wordList && !answer.startsWith(QLatin1Char(' '))))
            r.at(n, QStringLiteral("odpověď %1 %2, takže se s ní žádná odpověď nikdy neshoduje.").arg(quoted(answer), fault));
        if (typedExercise(e) && !typeableOnUsKeyboard(answer))
            r.at(n, QStringLiteral("odpověď %1 obsahuje znak, který na americké anglické klávesnici, "
                                   "na kterou program přepíná, nejde napsat.")
                        .arg(quoted(answer)));
    }
}

// Exercise 21: the topic screen captions button k with the k-th run of
// equal topic names in the file, and the exercise takes the items whose
// topic number is a chosen button. So each topic stands together, its
// number is its place among the topics, it has one name and one number,
// and it holds enough items for a page.
void checkTopics(Report &r, const QStringList &lines) {
    struct Run {
        QString name;
        int number = 0;
        int firstLine = 0;
    };
    std::vector<Run> runs;
    QHash<QString, int> nameToNumber;
    QHash<int, QString> numberToName;
    std::map<int, std::pair<int, int>> itemsOfNumber;  // number -> (first line, items)
    bool numberingReported = false;
    QSet<QString> reportedPairings;
    QHash<QString, int> firstInTopic;  // "number#prompt" and "number#answer" -> line
    const QFontMetrics metrics(ui::screenFont(12));
    for (int i = 0; i < lines.size(); ++i) {
        const int n = i + 1;
        if (lines[i].contains(QLatin1Char('_')))
            r.at(n, QStringLiteral("obsahuje „_“, které obrazovka témat čte jako oddělovač, ale cvičení ne, "
                                   "takže se obě čtení rozcházejí."));
        const Misc::ContentRecord rec = content::parseContentLine(lines[i], content::Layout::TopicItems, 21);
        bool ok = false;
        const int t = wholeField(rec.field[8], &ok);
        const QString name = rec.field[9];
        if (!ok || name.isEmpty()) continue;
        // Two rows of one topic with the same Czech word or the same English
        // tile can land on one page, and then either tile fits either row.
        for (const auto &[field, what] : {std::pair{6, "české slovo"}, std::pair{7, "anglické slovo"}}) {
            const QString word = rec.field[std::size_t(field)].trimmed();
            const QString key = QStringLiteral("%1#%2#%3").arg(t).arg(field).arg(word.toLower());
            if (word.isEmpty()) continue;
            if (firstInTopic.contains(key))
                r.at(n, QStringLiteral("%1 %2 je už na řádku %3 téhož tématu, takže na jedné stránce žák "
                                       "nepozná, ke kterému řádku patří.")
                            .arg(QString::fromUtf8(what), quoted(word), QString::number(firstInTopic.value(key))));
            else
                firstInTopic.insert(key, n);
        }
        auto &count = itemsOfNumber[t];
        if (count.second++ == 0) count.first = n;
        // Each conflicting pairing of a name and a number is named once, at
        // its first line.
        const QString pairing = name + QLatin1Char('#') + QString::number(t);
        QString conflict;
        if (nameToNumber.contains(name) && nameToNumber.value(name) != t)
            conflict = QStringLiteral("téma %1 má tady číslo %2, předtím ale %3.")
                           .arg(quoted(name), QString::number(t), QString::number(nameToNumber.value(name)));
        else if (numberToName.contains(t) && numberToName.value(t) != name)
            conflict = QStringLiteral("téma číslo %1 se tady jmenuje %2, předtím ale %3.")
                           .arg(QString::number(t), quoted(name), quoted(numberToName.value(t)));
        if (!conflict.isEmpty() && !reportedPairings.contains(pairing)) {
            reportedPairings.insert(pairing);
            r.at(n, conflict);
        }
        if (!nameToNumber.contains(name)) nameToNumber.insert(name, t);
        if (!numberToName.contains(t)) numberToName.insert(t, name);

        if (!runs.empty() && runs.back().name == name) continue;
        for (const Run &earlier : runs)
            if (earlier.name == name) {
                r.at(n, QStringLiteral("téma %1 začalo už na řádku %2; jeho položky musí stát pohromadě, jinak ho "
                                       "obrazovka témat ukáže na druhém tlačítku.")
                            .arg(quoted(name), QString::number(earlier.firstLine)));
                break;
            }
        runs.push_back(Run{name, t, n});
        const int k = int(runs.size());
        if (t != k && k <= kMaxTopics && !numberingReported) {
            numberingReported = true;
            r.at(n, QStringLiteral("téma %1 je %2. téma souboru, obrazovka témat ho tedy ukáže na tlačítku %2, "
                                   "jeho položky ale nesou číslo %3 (i další témata musí jít po pořadě).")
                        .arg(quoted(name), QString::number(k), QString::number(t)));
        }
        if (metrics.horizontalAdvance(name) > kTopicButtonWidth)
            r.at(n, QStringLiteral("název tématu %1 je širší než jeho tlačítko na obrazovce témat (%2 pixelů).")
                        .arg(quoted(name), QString::number(kTopicButtonWidth)));
    }
    for (const auto &[number, count] : itemsOfNumber)
        if (count.second < kTopicItems)
            r.at(count.first, QStringLiteral("téma %1 (%2) má %3 položek; stránka jen z tohoto tématu jich potřebuje %4.")
                                  .arg(QString::number(number), quoted(numberToName.value(number)), QString::number(count.second), QString::number(kTopicItems)));
    if (int(runs.size()) > kMaxTopics)
        r.file(QStringLiteral("má %1 témat; obrazovka témat má tlačítka pro %2.").arg(runs.size()).arg(kMaxTopics));
}

}  // namespace

QStringList checkContentLines(int e, const QStringList &lines, const QString &file) {
    Report r(file);
    if (lines.isEmpty()) {
        r.file(QStringLiteral("soubor nemá žádné položky."));
        return r.problems();
    }
    if (lines.size() > kMaxLines)
        r.at(kMaxLines + 1, QStringLiteral("program čte nejvýš %1 řádků; tento řádek a další se nikdy nepoužijí.").arg(kMaxLines));
    if (lines.size() < kRunRecords)
        r.file(QStringLiteral("má %1 položek, ale %2 a losování potřebuje ještě jednu volnou: aspoň %3.")
                   .arg(lines.size()).arg(QString::fromUtf8(courseExercise(e).recordsReason)).arg(kRunRecords));

    const content::Layout layout = content::layoutOfExercise(e);
    const int parts = content::expectedParts(layout, e);
    QHash<QString, int> seenLines;
    QHash<QString, std::pair<int, QString>> seenPrompts;  // exercises 3 and 21
    QHash<QString, int> seenKeys;                         // recordings, clock times and phrases
    // Texts with a fixed space on the screen are measured in the screen font.
    const exercise::Measure measure = exercise::screenMeasure();
    for (int i = 0; i < lines.size() && i < kMaxLines; ++i) {
        const int n = i + 1;
        const QString &line = lines[i];
        if (line.size() > kMaxLineLength) r.at(n, QStringLiteral("řádek je delší než %1 znaků.").arg(kMaxLineLength));
        if (line.trimmed().isEmpty()) {
            r.at(n, QStringLiteral("řádek je prázdný; program by ho ukázal jako položku bez obsahu."));
            continue;
        }
        if (seenLines.contains(line)) r.at(n, QStringLiteral("stejná položka jako na řádku %1.").arg(seenLines.value(line)));
        else seenLines.insert(line, n);

        const int found = content::partsOf(line, layout);
        if (found != parts) {
            const QString seps = content::underscoreSeparates(layout) ? QStringLiteral("„#“ nebo „_“") : QStringLiteral("„#“");
            r.at(n, found < parts ? QStringLiteral("počet částí oddělených %2 je %1, potřeba je %3.").arg(found).arg(seps).arg(parts)
                                  : QStringLiteral("počet částí oddělených %2 je %1, čeká se %3: položku rozděluje přebytečné %2.")
                                        .arg(found).arg(seps).arg(parts));
            continue;
        }
        const Misc::ContentRecord rec = content::parseContentLine(line, layout, e);
        checkRecord(r, e, n, rec);
        for (const QString &fault : exercise::widthFaults(e, rec, measure)) r.at(n, fault);

        const exercise::RowForm form = exercise::spec(e).form;
        if (form == exercise::RowForm::Translation || form == exercise::RowForm::Topic) {
            const bool translation = form == exercise::RowForm::Translation;
            const QString prompt = rec.field[translation ? 3 : 6].trimmed();
            const QString answer = rec.field[translation ? 4 : 7].trimmed();
            const auto it = seenPrompts.constFind(prompt);
            if (it != seenPrompts.constEnd() && it->second != answer)
                r.at(n, QStringLiteral("zadání %1 je i na řádku %2 s jinou odpovědí (%3), žák tedy "
                                       "nepozná, která je myšlena.")
                            .arg(quoted(prompt), QString::number(it->first), quoted(it->second)));
            else if (it == seenPrompts.constEnd())
                seenPrompts.insert(prompt, {n, answer});
        }
        QStringList keys;
        if (layout == content::Layout::Listening) keys << QStringLiteral("nahrávka ") + quoted(rec.field[6].toLower());
        if (layout == content::Layout::Clock)
            keys << QStringLiteral("čas %1:%2").arg(rec.field[6], rec.field[7])
                 << QStringLiteral("údaj ") + quoted(rec.field[8].simplified().toLower());
        for (const QString &key : keys) {
            if (seenKeys.contains(key)) r.at(n, QStringLiteral("%1 je použit už na řádku %2.").arg(key).arg(seenKeys.value(key)));
            else seenKeys.insert(key, n);
        }
    }
    if (exercise::isTopics(e)) {
        Report topics(file);
        checkTopics(topics, lines.mid(0, kMaxLines));
        return r.problems() + topics.problems();
    }
    return r.problems();
}

namespace {

// Worksheet texts per exercise 1 ... 21: title, subtitle, instructions.
struct WorksheetTexts {
    int title, subtitle, instructions;
};
constexpr std::array<WorksheetTexts, 21> kWorksheets{{
    {49, 50, 51}, {49, 52, 53}, {49, 54, 55}, {49, 56, 57}, {58, 59, 60}, {58, 61, 62}, {58, 63, 64},
    {65, 66, 67}, {65, 68, 69}, {65, 70, 71}, {72, 73, 74}, {72, 75, 76}, {77, 78, 79}, {77, 80, 81},
    {77, 82, 83}, {77, 84, 85}, {77, 86, 87}, {77, 88, 89}, {90, 91, 92}, {90, 93, 94}, {90, 95, 96},
}};

// Texts of the exercise names in the order of the exercises 1 ... 24.
constexpr std::array<int, 24> kExerciseNameText{4,  17, 24, 30, 6,  18, 25, 8,  19, 26, 10, 20,
                                                12, 21, 27, 31, 32, 33, 14, 22, 28, 16, 23, 29};

QString textPurpose(int k) {
    if (k == 1) return QStringLiteral("otázka při ukončení");
    if (k == 2) return QStringLiteral("titulek otázky při ukončení");
    if (k >= 3 && k <= 15 && k % 2 == 1) return QStringLiteral("nadpis %1. skupiny cvičení").arg((k - 1) / 2);
    for (int e = 1; e <= 24; ++e)
        if (kExerciseNameText[std::size_t(e - 1)] == k) return QStringLiteral("název cvičení %1").arg(e);
    if (k == 34) return QStringLiteral("titulek okna tisku");
    if (k == 36) return QStringLiteral("popisek deníku výsledků a zápatí tištěné stránky");
    if (k >= 35 && k <= 43) return QStringLiteral("popisek deníku výsledků");
    if (k == 44) return QStringLiteral("zpráva, když obrazovku nejde přepnout na 640 x 480");
    if (k == 47) return QStringLiteral("zpráva, když nejde obnovit režim obrazovky");
    if (k == 45 || k == 48) return QStringLiteral("titulek zprávy o obrazovce");
    for (int e = 1; e <= 21; ++e) {
        const WorksheetTexts &w = kWorksheets[std::size_t(e - 1)];
        if (w.title == k) return QStringLiteral("nadpis pracovního listu");
        if (w.subtitle == k) return QStringLiteral("podnadpis pracovního listu cvičení %1").arg(e);
        if (w.instructions == k) return QStringLiteral("pokyny pracovního listu cvičení %1").arg(e);
    }
    return {};
}

// The subtitle is printed at 4 mm and the name line at 116 mm on the same
// line; the title across the page from 4 mm.
constexpr double kSubtitleWidthMm = 110.0;
constexpr double kTitleWidthMm = 204.0;

}  // namespace

QStringList checkTextLines(const QStringList &lines, const QString &file) {
    Report r(file);
    if (lines.size() > Misc::kTextTableSize)
        r.at(Misc::kTextTableSize + 1, QStringLiteral("program čte nejvýš %1 textů; tento řádek a další se nikdy nepoužijí.")
                                           .arg(Misc::kTextTableSize));
    for (int k = 1; k <= 96; ++k) {
        const QString purpose = textPurpose(k);
        if (purpose.isEmpty()) continue;
        if (lines.value(k - 1).trimmed().isEmpty())
            r.at(k, QStringLiteral("text %1 (%2) chybí nebo je prázdný.").arg(k).arg(purpose));
    }
    for (int i = 0; i < lines.size() && i < Misc::kTextTableSize; ++i)
        if (const QString w = formalAddressWord(lines[i]); !w.isEmpty())
            r.at(i + 1, QStringLiteral("vyká žákovi (%1); program všude tyká.").arg(quoted(w)));
    const MeasureMm instruction = printedWidth(12, false, false);
    const MeasureMm subtitle = printedWidth(12, true, false);
    const MeasureMm title = printedWidth(20, true, false);
    QSet<int> titlesSeen;
    for (int e = 1; e <= 21; ++e) {
        const WorksheetTexts &w = kWorksheets[std::size_t(e - 1)];
        const QString text = lines.value(w.instructions - 1);
        if (!text.trimmed().isEmpty()) {
            const int count = wrappedLineCount(text, instructionLineWidthMm(), instruction);
            if (count < 0)
                r.at(w.instructions, QStringLiteral("pokyny pracovního listu cvičení %1 obsahují slovo širší než tištěný řádek.").arg(e));
            else if (count > 5)
                r.at(w.instructions, QStringLiteral("pokyny pracovního listu cvičení %1 zaberou %2 tištěných řádků; vejde se pět.").arg(e).arg(count));
        }
        const QString sub = lines.value(w.subtitle - 1);
        const double subWidth = subtitle(sub);
        if (subWidth > kSubtitleWidthMm)
            r.at(w.subtitle, QStringLiteral("podnadpis pracovního listu cvičení %1 je široký %2 mm a zasahuje do řádku pro jméno (vejde se %3 mm).")
                                 .arg(e).arg(qRound(subWidth)).arg(qRound(kSubtitleWidthMm)));
        if (!titlesSeen.contains(w.title)) {
            titlesSeen.insert(w.title);
            const double titleWidth = title(lines.value(w.title - 1));
            if (titleWidth > kTitleWidthMm)
                r.at(w.title, QStringLiteral("nadpis pracovního listu je široký %1 mm a nevejde se na stránku.").arg(qRound(titleWidth)));
        }
    }
    return r.problems();
}

QStringList checkGradeLines(const QStringList &lines, const QString &file) {
    Report r(file);
    if (lines.size() != 5)
        r.file(QStringLiteral("má %1 řádků; program čte právě pět pásem známek (chybějící pásmo platí jako "
                              "0 až 0 procent se známkou 0, řádky za pátým se nečtou).")
                   .arg(lines.size()));
    std::array<Misc::GradeBand, 6> bands{};
    for (int i = 0; i < 5; ++i) {
        const int n = i + 1;
        const QString line = lines.value(i);
        const QStringList fields = line.split(QLatin1Char('|'));
        if (i < lines.size() && fields.size() != 3) {
            r.at(n, QStringLiteral("má mít tři čísla oddělená „|“ (dolní mez v procentech, horní mez v procentech, známku), "
                                   "má ale %1 částí.")
                        .arg(fields.size()));
        }
        std::array<int, 3> v{0, 0, 0};
        bool numbersOk = true;
        for (int k = 0; k < 3 && i < lines.size(); ++k) {
            bool ok = false;
            v[std::size_t(k)] = wholeField(fields.value(k).trimmed(), &ok);
            if (!ok || v[std::size_t(k)] > 255) {
                numbersOk = false;
                r.at(n, QStringLiteral("%1 musí být celé číslo od 0 do 255, ne %2.")
                            .arg(k == 0 ? QStringLiteral("dolní mez") : k == 1 ? QStringLiteral("horní mez")
                                                                                       : QStringLiteral("známka"),
                                 quoted(fields.value(k))));
            }
        }
        if (i < lines.size() && numbersOk) {
            if (v[2] < 1 || v[2] > 5) r.at(n, QStringLiteral("známka %1 není školní známka od 1 do 5.").arg(v[2]));
            if (v[0] > v[1]) r.at(n, QStringLiteral("dolní mez %1 % je vyšší než horní mez %2 %, pásmo tedy nikdy neplatí.").arg(v[0]).arg(v[1]));
        }
        bands[std::size_t(n)] = Misc::GradeBand{std::uint8_t(v[0]), std::uint8_t(v[1]), std::uint8_t(v[2])};
    }
    const auto missing = results::scoresWithoutGrade(bands);
    if (!missing.empty()) {
        QStringList examples;
        for (std::size_t k = 0; k < missing.size() && k < 5; ++k)
            examples << QStringLiteral("%1 z %2 (%3 %)").arg(missing[k].first).arg(missing[k].second)
                            .arg(double(missing[k].first) / missing[k].second * 100.0, 0, 'f', 1);
        r.file(QStringLiteral("žádné pásmo nedá známku %1 výsledkům, např. %2.")
                   .arg(missing.size()).arg(examples.join(QStringLiteral(", "))));
    }
    return r.problems();
}

QStringList checkResultLines(const QStringList &lines, const QString &file) {
    Report r(file);
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char('|'));
        if (fields.size() != 5) {
            r.at(i + 1, QStringLiteral("výsledek má pět polí oddělených „|“ (jméno, správně, špatně, známka, značka), "
                                       "tento má %1; „|“ ve jméně záznam rozbije.")
                            .arg(fields.size()));
            continue;
        }
        for (int k = 1; k < 5; ++k) {
            bool ok = false;
            wholeField(fields[k], &ok);
            if (!ok) {
                r.at(i + 1, QStringLiteral("%1. pole výsledku, %2, není celé číslo.").arg(k + 1).arg(quoted(fields[k])));
                break;
            }
        }
    }
    return r.problems();
}

QStringList checkEncoding(const QByteArray &plain, const QString &file) {
    Report r(file);
    const QList<QByteArray> lines = plain.split('\n');
    int first = 0;
    int others = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (!platform::looksLikeUtf8(lines[i])) continue;
        if (first == 0) first = i + 1;
        else ++others;
    }
    if (first > 0) {
        QByteArray line = lines[first - 1];
        if (line.endsWith('\r')) line.chop(1);
        r.at(first, QStringLiteral("text je v UTF-8, program ale čte Windows-1250 a ukázal by %1 místo %2%3; "
                                   "ulož soubor ve Windows-1250.")
                        .arg(quoted(platform::decode1250(line)), quoted(QString::fromUtf8(line)),
                             others > 0 ? QStringLiteral(" (a %1 dalších takových řádků)").arg(others) : QString()));
    }
    return r.problems();
}

QStringList checkDataFile(const QString &name, const QByteArray &stored, const QString &file) {
    const QString lower = name.toLower();
    const bool texts = lower == QLatin1String("texty.dat");
    const bool grades = lower == QLatin1String("znamky.dat");
    const bool results = lower.endsWith(QLatin1String(".res"));
    int exerciseNo = 0;
    if (!texts && !grades && !results && lower.endsWith(QLatin1String(".dat"))) {
        exerciseNo = lower.chopped(4).toInt();
        if (exercise::spec(exerciseNo).number == 0) return {};
    }
    const QByteArray plain = (texts || exerciseNo > 0) ? content::scrambleBytes(stored) : stored;
    QStringList problems = checkEncoding(plain, file);
    const QStringList lines = platform::splitLines(platform::decode1250(plain));
    if (texts) problems << checkTextLines(lines, file);
    else if (grades) problems << checkGradeLines(lines, file);
    else if (results) problems << checkResultLines(lines, file);
    else if (exerciseNo > 0) problems << checkContentLines(exerciseNo, lines, file);
    return problems;
}

namespace {

// Reads a data file's bytes. The file is looked up without regard to letter
// case, as the program does.
QByteArray readData(const QString &dataDir, const QString &name, bool *found, QString *path) {
    *path = platform::nativePath(QDir(dataDir).filePath(name));
    QFile f(*path);
    *found = QFileInfo(*path).isFile() && f.open(QIODevice::ReadOnly);
    if (!*found) {
        *path = QDir(dataDir).filePath(name);
        return {};
    }
    return f.readAll();
}

}  // namespace

QStringList checkCourse(const QString &dataDir) {
    QStringList problems;
    if (!QFileInfo(dataDir).isDir()) return {QStringLiteral("%1:0: složka s daty neexistuje.").arg(dataDir)};
    bool found = false;
    QString path;
    auto check = [&](const QString &name) {
        const QByteArray bytes = readData(dataDir, name, &found, &path);
        if (found) problems << checkDataFile(name, bytes, path);
    };
    for (int e = 1; e <= 24; ++e) {
        check(QStringLiteral("%1.dat").arg(e));
        if (!found) problems << QStringLiteral("%1:0: chybí soubor s obsahem cvičení %2.").arg(path).arg(e);
        check(QStringLiteral("%1.res").arg(e));
        if (!found)
            problems << QStringLiteral("%1:0: chybí soubor výsledků cvičení %2; obrazovka výsledků ho čte "
                                       "dřív, než do něj zapíše (stačí prázdný soubor).")
                            .arg(path).arg(e);
    }
    check(QStringLiteral("Texty.dat"));
    if (!found) problems << QStringLiteral("%1:0: chybí texty obrazovek; program se bez nich nespustí.").arg(path);
    check(QStringLiteral("Znamky.dat"));
    if (!found) problems << QStringLiteral("%1:0: chybí pásma známek; program se bez nich nespustí.").arg(path);
    readData(dataDir, QStringLiteral("Vysledky.dat"), &found, &path);
    if (!found) problems << QStringLiteral("%1:0: chybí deník výsledků; program se bez něj nespustí (stačí prázdný soubor).").arg(path);

    const QString media = QFileInfo(dataDir + QStringLiteral("/../media")).absoluteFilePath();
    if (QFileInfo(media).isDir()) problems << checkMedia(media, dataDir);
    return problems;
}

QStringList checkSources(const QString &srcDir) {
    if (!QFileInfo(srcDir).isDir()) return {QStringLiteral("%1:0: zdrojová složka neexistuje.").arg(srcDir)};
    QStringList problems;
    auto lines = [&](const QString &name, bool *found) {
        const QString path = QDir(srcDir).filePath(name);
        *found = QFileInfo(path).isFile();
        if (!*found) problems << QStringLiteral("%1:0: soubor chybí.").arg(path);
        return std::pair{path, readSourceLines(path)};
    };
    bool found = false;
    for (int e = 1; e <= 24; ++e) {
        const auto [path, text] = lines(QStringLiteral("%1.txt").arg(e), &found);
        if (found) problems << checkContentLines(e, text, path);
    }
    if (const auto [path, text] = lines(QStringLiteral("Texty.txt"), &found); found) problems << checkTextLines(text, path);
    if (const auto [path, text] = lines(QStringLiteral("Znamky.txt"), &found); found)
        problems << checkGradeLines(text, path);
    problems << checkOwnRecordings(srcDir);
    return problems;
}

}  // namespace course
