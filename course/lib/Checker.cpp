#include "course/lib/Checker.h"

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
    const int v = results::WholeNumber(text);
    *ok = v >= 0;
    return std::max(v, 0);
}

// Parts a line of the exercise must have (separated by "#", and "_" where
// the layout splits at it).
int expectedParts(int e) {
    using content::Layout;
    switch (content::layoutOfExercise(e)) {
    case Layout::GapSentence: return 3;
    case Layout::Listening: return 4;
    case Layout::Switch: return 3 + exercise::switchPositions(e);
    case Layout::ChoiceList: return 2 + exercise::spec(e).listOptions;
    case Layout::Model: return 4;
    case Layout::ModelWholeSentence: return 3;
    case Layout::TwoLines: return 4;
    case Layout::Clock: return 3;
    case Layout::WordLists: return 5;
    case Layout::Translation: return 2;
    case Layout::TopicItems:
    case Layout::TopicList: return 4;
    }
    return 1;
}

int partsOf(const QString &line, int e) {
    const bool underscore = content::underscoreSeparates(content::layoutOfExercise(e));
    int parts = 1;
    for (QChar c : line)
        if (c == QLatin1Char('#') || (underscore && c == QLatin1Char('_'))) ++parts;
    return parts;
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
        r.at(n, QStringLiteral("the sentence around the gap is empty."));
}

void need(Report &r, int n, const Misc::ContentRecord &rec, int field, const QString &what) {
    if (rec.field[std::size_t(field)].trimmed().isEmpty()) r.at(n, what + QStringLiteral(" is empty."));
}

void checkDistinct(Report &r, int n, const QStringList &words, const QString &what) {
    for (int i = 0; i < words.size(); ++i)
        for (int j = i + 1; j < words.size(); ++j)
            if (!words[i].isEmpty() && words[i] == words[j])
                r.at(n, QStringLiteral("%1 %2 stands twice, so two choices are the same.").arg(what, quoted(words[i])));
}

void checkRecord(Report &r, int e, int n, const Misc::ContentRecord &rec) {
    using content::Layout;
    const auto &f = rec.field;
    switch (content::layoutOfExercise(e)) {
    case Layout::GapSentence:
        need(r, n, rec, 1, QStringLiteral("the answer after \"#\""));
        checkSentence(r, n, rec);
        if (exercise::spec(e).tiles.endless && !f[1].isEmpty() && !answerReachableWithTiles(e, f[1], f[0]))
            r.at(n, QStringLiteral("the answer %1 is not a tile word of this exercise as it lands in this gap (%2).")
                        .arg(quoted(f[1]), tileWords(e).join(QStringLiteral(", "))));
        break;
    case Layout::Listening: {
        need(r, n, rec, 1, QStringLiteral("the answer"));
        checkSentence(r, n, rec);
        const QString &sound = f[6];
        if (sound.trimmed().isEmpty())
            r.at(n, QStringLiteral("the recording name (fourth part) is empty."));
        else if (sound != sound.trimmed() || sound.contains(QLatin1Char('\\')) || sound.contains(QLatin1Char('/')) ||
                 !sound.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
            r.at(n, QStringLiteral("the recording name %1 should be a plain file name ending in \".wav\".").arg(quoted(sound)));
        else if (sound.compare(recordings::kSlowFolder, Qt::CaseInsensitive) == 0)
            r.at(n, QStringLiteral("the recording name %1 is the folder of the slower recordings.").arg(quoted(sound)));
        if (const TwoSpellings two = wordWithTwoSpellings(f[1]); !two.word.isEmpty())
            r.at(n, QStringLiteral("the answer %1 is also spelt %2; a pupil who hears it cannot know which spelling "
                                   "is expected, so choose a word with one spelling.")
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
                r.at(n, QStringLiteral("the two choices must be \"a\" and \"many\" (in either order), not %1 and %2.")
                            .arg(quoted(f[6]), quoted(f[7])));
            reachable << f[6] << f[7];
        } else if (course.lastSwitchCloses) {
            need(r, n, rec, 6, QStringLiteral("the word of switch position 1"));
            if (!f[7].isEmpty())
                r.at(n, QStringLiteral("switch position 2 closes the gap, so its word must be empty, not %1.").arg(quoted(f[7])));
            reachable << switchWord(e, 1, f[6], f[0]) << f[7];
        } else {
            for (int k = 6; k <= 8; ++k) need(r, n, rec, k, QStringLiteral("the word of switch position %1").arg(k - 5));
            checkDistinct(r, n, {f[6], f[7], f[8]}, QStringLiteral("the switch word"));
            for (int k = 6; k <= 8; ++k) reachable << switchWord(e, k - 5, f[std::size_t(k)], f[0]);
        }
        if (!reachable.contains(f[1]))
            r.at(n, QStringLiteral("the answer %1 is none of the switch words as they land in this gap (%2).")
                        .arg(quoted(f[1]), reachable.join(QStringLiteral(", "))));
        break;
    }
    case Layout::ChoiceList: {
        need(r, n, rec, 1, QStringLiteral("the answer"));
        const int last = 4 + exercise::spec(e).listOptions;  // the wrong choices follow the answer
        QStringList choices{f[1]};
        for (int k = 6; k <= last; ++k) {
            need(r, n, rec, k, QStringLiteral("wrong choice %1").arg(k - 5));
            choices << f[std::size_t(k)];
        }
        checkDistinct(r, n, choices, QStringLiteral("the choice"));
        checkSentence(r, n, rec);
        break;
    }
    case Layout::Model:
        need(r, n, rec, 6, QStringLiteral("the model word (third part)"));
        need(r, n, rec, 1, QStringLiteral("the answer (fourth part)"));
        checkSentence(r, n, rec);
        break;
    case Layout::ModelWholeSentence:
        need(r, n, rec, 0, QStringLiteral("the sentence"));
        need(r, n, rec, 6, QStringLiteral("the instruction word (second part)"));
        need(r, n, rec, 1, QStringLiteral("the rewritten sentence (third part)"));
        if (const QString c = contractionIn(f[1]); !c.isEmpty())
            r.at(n, QStringLiteral("the rewritten sentence uses the short form %1; the exercise asks for full forms "
                                   "(only a negative takes \"n't\"), so it marks a pupil who follows that wrong.")
                        .arg(quoted(c)));
        break;
    case Layout::TwoLines:
        need(r, n, rec, 0, QStringLiteral("the first line"));
        need(r, n, rec, 1, QStringLiteral("the answer (fourth part)"));
        if (f[6].trimmed().isEmpty() && f[7].trimmed().isEmpty())
            r.at(n, QStringLiteral("the second line around the answer is empty."));
        break;
    case Layout::Clock: {
        bool hOk = false;
        bool mOk = false;
        const int h = wholeField(f[6], &hOk);
        const int m = wholeField(f[7], &mOk);
        if (!hOk || h > 23)
            r.at(n, QStringLiteral("the hour %1 must be a whole number from 0 to 23.").arg(quoted(f[6])));
        if (!mOk || m > 59)
            r.at(n, QStringLiteral("the minute %1 must be a whole number from 0 to 59.").arg(quoted(f[7])));
        need(r, n, rec, 8, QStringLiteral("the time phrase"));
        if (hOk && mOk && h <= 23 && m <= 59 && !f[8].trimmed().isEmpty()) {
            const QStringList phrases = clockPhrases(h, m);
            if (!phrases.isEmpty() && !phrases.contains(f[8].simplified(), Qt::CaseInsensitive))
                r.at(n, QStringLiteral("the phrase %1 does not read %2:%3 (expected for example %4).")
                            .arg(quoted(f[8]), QString::number(h), QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')),
                                 quoted(phrases.first())));
        }
        break;
    }
    case Layout::WordLists:
        need(r, n, rec, 0, QStringLiteral("the heading"));
        for (int k = 6; k <= 9; ++k)
            need(r, n, rec, k, k == 6 ? QStringLiteral("the right word") : QStringLiteral("wrong word %1").arg(k - 6));
        checkDistinct(r, n, {f[6], f[7], f[8], f[9]}, QStringLiteral("the word"));
        break;
    case Layout::Translation:
        need(r, n, rec, 3, QStringLiteral("the Czech prompt"));
        need(r, n, rec, 4, QStringLiteral("the English answer"));
        break;
    case Layout::TopicItems:
    case Layout::TopicList: {
        need(r, n, rec, 6, QStringLiteral("the Czech word"));
        need(r, n, rec, 7, QStringLiteral("the English word"));
        need(r, n, rec, 9, QStringLiteral("the topic name"));
        bool ok = false;
        const int t = wholeField(f[8], &ok);
        if (!ok || t < 1 || t > kMaxTopics)
            r.at(n, QStringLiteral("the topic number %1 must be a whole number from 1 to %2.").arg(quoted(f[8]), QString::number(kMaxTopics)));
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
            r.at(n, QStringLiteral("the answer %1 %2, so no answer can ever match it.").arg(quoted(answer), fault));
        if (typedExercise(e) && !typeableOnUsKeyboard(answer))
            r.at(n, QStringLiteral("the answer %1 has a character that cannot be typed on the US English keyboard "
                                   "the program switches to.")
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
            r.at(n, QStringLiteral("contains \"_\", which the topic screen reads as a separator while the exercise "
                                   "does not, so the two readings disagree."));
        const Misc::ContentRecord rec = content::parseContentLine(lines[i], content::Layout::TopicItems, 21);
        bool ok = false;
        const int t = wholeField(rec.field[8], &ok);
        const QString name = rec.field[9];
        if (!ok || name.isEmpty()) continue;
        // Two rows of one topic with the same Czech word or the same English
        // tile can land on one page, and then either tile fits either row.
        for (const auto &[field, what] : {std::pair{6, "Czech word"}, std::pair{7, "English word"}}) {
            const QString word = rec.field[std::size_t(field)].trimmed();
            const QString key = QStringLiteral("%1#%2#%3").arg(t).arg(field).arg(word.toLower());
            if (word.isEmpty()) continue;
            if (firstInTopic.contains(key))
                r.at(n, QStringLiteral("the %1 %2 stands on line %3 of the same topic already, so on one page a pupil "
                                       "cannot tell which row it belongs to.")
                            .arg(QLatin1String(what), quoted(word), QString::number(firstInTopic.value(key))));
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
            conflict = QStringLiteral("the topic %1 has number %2 here but %3 before.")
                           .arg(quoted(name), QString::number(t), QString::number(nameToNumber.value(name)));
        else if (numberToName.contains(t) && numberToName.value(t) != name)
            conflict = QStringLiteral("topic number %1 is named %2 here but %3 before.")
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
                r.at(n, QStringLiteral("the topic %1 started at line %2 already; its items must stand together, or the "
                                       "topic screen shows it on a second button.")
                            .arg(quoted(name), QString::number(earlier.firstLine)));
                break;
            }
        runs.push_back(Run{name, t, n});
        const int k = int(runs.size());
        if (t != k && k <= kMaxTopics && !numberingReported) {
            numberingReported = true;
            r.at(n, QStringLiteral("the topic %1 is topic %2 of the file, so the topic screen shows it on button %2, "
                                   "but its items carry number %3 (the topics after it must follow in order too).")
                        .arg(quoted(name), QString::number(k), QString::number(t)));
        }
        if (metrics.horizontalAdvance(name) > kTopicButtonWidth)
            r.at(n, QStringLiteral("the topic name %1 is wider than its button on the topic screen (%2 pixels).")
                        .arg(quoted(name), QString::number(kTopicButtonWidth)));
    }
    for (const auto &[number, count] : itemsOfNumber)
        if (count.second < kTopicItems)
            r.at(count.first, QStringLiteral("topic %1 (%2) has %3 items; a page drawn from this topic alone needs %4.")
                                  .arg(QString::number(number), quoted(numberToName.value(number)), QString::number(count.second), QString::number(kTopicItems)));
    if (int(runs.size()) > kMaxTopics)
        r.file(QStringLiteral("has %1 topics; the topic screen has buttons for %2.").arg(runs.size()).arg(kMaxTopics));
}

}  // namespace

QStringList checkContentLines(int e, const QStringList &lines, const QString &file) {
    Report r(file);
    if (lines.isEmpty()) {
        r.file(QStringLiteral("the file holds no items."));
        return r.problems();
    }
    if (lines.size() > kMaxLines)
        r.at(kMaxLines + 1, QStringLiteral("the program reads at most %1 lines; this line and those after it are never used.").arg(kMaxLines));
    if (lines.size() < kRunRecords)
        r.file(QStringLiteral("has %1 items, but %2 and the draw needs one more free: at least %3.")
                   .arg(lines.size()).arg(QString::fromUtf8(courseExercise(e).recordsReason)).arg(kRunRecords));

    const content::Layout layout = content::layoutOfExercise(e);
    const int parts = expectedParts(e);
    QHash<QString, int> seenLines;
    QHash<QString, std::pair<int, QString>> seenPrompts;  // exercises 3 and 21
    QHash<QString, int> seenKeys;                         // recordings, clock times and phrases
    // Texts with a fixed space on the screen are measured in the screen font.
    const exercise::Measure measure = exercise::screenMeasure();
    for (int i = 0; i < lines.size() && i < kMaxLines; ++i) {
        const int n = i + 1;
        const QString &line = lines[i];
        if (line.size() > kMaxLineLength) r.at(n, QStringLiteral("the line is longer than %1 characters.").arg(kMaxLineLength));
        if (line.trimmed().isEmpty()) {
            r.at(n, QStringLiteral("the line is empty; the program would show it as an item with nothing in it."));
            continue;
        }
        if (seenLines.contains(line)) r.at(n, QStringLiteral("the same item as line %1.").arg(seenLines.value(line)));
        else seenLines.insert(line, n);

        const int found = partsOf(line, e);
        if (found != parts) {
            const QString seps = content::underscoreSeparates(layout) ? QStringLiteral("\"#\" or \"_\"") : QStringLiteral("\"#\"");
            r.at(n, found < parts ? QStringLiteral("has %1 parts separated by %2 where %3 are needed.").arg(found).arg(seps).arg(parts)
                                  : QStringLiteral("has %1 parts separated by %2 where %3 are expected: a stray %2 splits the item.")
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
                r.at(n, QStringLiteral("the prompt %1 also stands on line %2 with another answer (%3), so a pupil "
                                       "cannot tell which one is meant.")
                            .arg(quoted(prompt), QString::number(it->first), quoted(it->second)));
            else if (it == seenPrompts.constEnd())
                seenPrompts.insert(prompt, {n, answer});
        }
        QStringList keys;
        if (layout == content::Layout::Listening) keys << QStringLiteral("the recording ") + quoted(rec.field[6].toLower());
        if (layout == content::Layout::Clock)
            keys << QStringLiteral("the time %1:%2").arg(rec.field[6], rec.field[7])
                 << QStringLiteral("the phrase ") + quoted(rec.field[8].simplified().toLower());
        for (const QString &key : keys) {
            if (seenKeys.contains(key)) r.at(n, QStringLiteral("%1 is used on line %2 already.").arg(key).arg(seenKeys.value(key)));
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
    if (k == 1) return QStringLiteral("the exit question");
    if (k == 2) return QStringLiteral("the caption of the exit question");
    if (k >= 3 && k <= 15 && k % 2 == 1) return QStringLiteral("the title of exercise group %1").arg((k - 1) / 2);
    for (int e = 1; e <= 24; ++e)
        if (kExerciseNameText[std::size_t(e - 1)] == k) return QStringLiteral("the name of exercise %1").arg(e);
    if (k == 34) return QStringLiteral("the title of the printer dialog");
    if (k == 36) return QStringLiteral("a label of the results log and of the printed page footer");
    if (k >= 35 && k <= 43) return QStringLiteral("a label of the results log");
    if (k == 44) return QStringLiteral("the message when the display cannot be switched to 640 x 480");
    if (k == 47) return QStringLiteral("the message when the display mode cannot be restored");
    if (k == 45 || k == 48) return QStringLiteral("the caption of a display message");
    for (int e = 1; e <= 21; ++e) {
        const WorksheetTexts &w = kWorksheets[std::size_t(e - 1)];
        if (w.title == k) return QStringLiteral("a worksheet title");
        if (w.subtitle == k) return QStringLiteral("the worksheet subtitle of exercise %1").arg(e);
        if (w.instructions == k) return QStringLiteral("the worksheet instructions of exercise %1").arg(e);
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
        r.at(Misc::kTextTableSize + 1, QStringLiteral("the program reads at most %1 texts; this line and those after it are never used.")
                                           .arg(Misc::kTextTableSize));
    for (int k = 1; k <= 96; ++k) {
        const QString purpose = textPurpose(k);
        if (purpose.isEmpty()) continue;
        if (lines.value(k - 1).trimmed().isEmpty())
            r.at(k, QStringLiteral("text %1 (%2) is missing or empty.").arg(k).arg(purpose));
    }
    for (int i = 0; i < lines.size() && i < Misc::kTextTableSize; ++i)
        if (const QString w = formalAddressWord(lines[i]); !w.isEmpty())
            r.at(i + 1, QStringLiteral("addresses the pupil formally (%1); the program says \"ty\" everywhere.").arg(quoted(w)));
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
                r.at(w.instructions, QStringLiteral("the worksheet instructions of exercise %1 hold a word wider than a printed line.").arg(e));
            else if (count > 5)
                r.at(w.instructions, QStringLiteral("the worksheet instructions of exercise %1 need %2 printed lines; five fit.").arg(e).arg(count));
        }
        const QString sub = lines.value(w.subtitle - 1);
        const double subWidth = subtitle(sub);
        if (subWidth > kSubtitleWidthMm)
            r.at(w.subtitle, QStringLiteral("the worksheet subtitle of exercise %1 is %2 mm wide and runs into the name line (%3 mm fit).")
                                 .arg(e).arg(qRound(subWidth)).arg(qRound(kSubtitleWidthMm)));
        if (!titlesSeen.contains(w.title)) {
            titlesSeen.insert(w.title);
            const double titleWidth = title(lines.value(w.title - 1));
            if (titleWidth > kTitleWidthMm)
                r.at(w.title, QStringLiteral("the worksheet title is %1 mm wide and does not fit the page.").arg(qRound(titleWidth)));
        }
    }
    return r.problems();
}

QStringList checkGradeLines(const QStringList &lines, const QString &file) {
    Report r(file);
    if (lines.size() != 5)
        r.file(QStringLiteral("has %1 lines; the program reads exactly five grade bands (a missing band counts as "
                              "0 to 0 percent with grade 0, lines after the fifth are ignored).")
                   .arg(lines.size()));
    std::array<Misc::GradeBand, 6> bands{};
    for (int i = 0; i < 5; ++i) {
        const int n = i + 1;
        const QString line = lines.value(i);
        const QStringList fields = line.split(QLatin1Char('|'));
        if (i < lines.size() && fields.size() != 3) {
            r.at(n, QStringLiteral("should hold three numbers separated by \"|\" (lower percent, upper percent, grade), "
                                   "but has %1 parts.")
                        .arg(fields.size()));
        }
        std::array<int, 3> v{0, 0, 0};
        bool numbersOk = true;
        for (int k = 0; k < 3 && i < lines.size(); ++k) {
            bool ok = false;
            v[std::size_t(k)] = wholeField(fields.value(k).trimmed(), &ok);
            if (!ok || v[std::size_t(k)] > 255) {
                numbersOk = false;
                r.at(n, QStringLiteral("%1 must be a whole number from 0 to 255, not %2.")
                            .arg(k == 0 ? QStringLiteral("the lower percent") : k == 1 ? QStringLiteral("the upper percent")
                                                                                       : QStringLiteral("the grade"),
                                 quoted(fields.value(k))));
            }
        }
        if (i < lines.size() && numbersOk) {
            if (v[2] < 1 || v[2] > 5) r.at(n, QStringLiteral("the grade %1 is not a Czech school grade from 1 to 5.").arg(v[2]));
            if (v[0] > v[1]) r.at(n, QStringLiteral("the lower percent %1 is above the upper percent %2, so the band never applies.").arg(v[0]).arg(v[1]));
        }
        bands[std::size_t(n)] = Misc::GradeBand{std::uint8_t(v[0]), std::uint8_t(v[1]), std::uint8_t(v[2])};
    }
    const auto missing = results::ScoresWithoutGrade(bands);
    if (!missing.empty()) {
        QStringList examples;
        for (std::size_t k = 0; k < missing.size() && k < 5; ++k)
            examples << QStringLiteral("%1 of %2 (%3 %)").arg(missing[k].first).arg(missing[k].second)
                            .arg(double(missing[k].first) / missing[k].second * 100.0, 0, 'f', 1);
        r.file(QStringLiteral("no band gives a grade for %1 score(s), for example %2.")
                   .arg(missing.size()).arg(examples.join(QStringLiteral(", "))));
    }
    return r.problems();
}

QStringList checkResultLines(const QStringList &lines, const QString &file) {
    Report r(file);
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char('|'));
        if (fields.size() != 5) {
            r.at(i + 1, QStringLiteral("a result has five fields separated by \"|\" (name, right, wrong, grade, mark), "
                                       "this one has %1; a \"|\" in a name breaks the record.")
                            .arg(fields.size()));
            continue;
        }
        for (int k = 1; k < 5; ++k) {
            bool ok = false;
            wholeField(fields[k], &ok);
            if (!ok) {
                r.at(i + 1, QStringLiteral("field %1 of the result, %2, is not a whole number.").arg(k + 1).arg(quoted(fields[k])));
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
        r.at(first, QStringLiteral("the text is UTF-8, but the program reads Windows-1250 and would show %1 instead of %2%3; "
                                   "save the file as Windows-1250.")
                        .arg(quoted(platform::decode1250(line)), quoted(QString::fromUtf8(line)),
                             others > 0 ? QStringLiteral(" (%1 more lines like it)").arg(others) : QString()));
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
    if (!QFileInfo(dataDir).isDir()) return {QStringLiteral("%1:0: the data directory does not exist.").arg(dataDir)};
    bool found = false;
    QString path;
    auto check = [&](const QString &name) {
        const QByteArray bytes = readData(dataDir, name, &found, &path);
        if (found) problems << checkDataFile(name, bytes, path);
    };
    for (int e = 1; e <= 24; ++e) {
        check(QStringLiteral("%1.dat").arg(e));
        if (!found) problems << QStringLiteral("%1:0: the content file of exercise %2 is missing.").arg(path).arg(e);
        check(QStringLiteral("%1.res").arg(e));
        if (!found)
            problems << QStringLiteral("%1:0: the results file of exercise %2 is missing; the results screen reads it "
                                       "before it writes it (an empty file will do).")
                            .arg(path).arg(e);
    }
    check(QStringLiteral("Texty.dat"));
    if (!found) problems << QStringLiteral("%1:0: the screen texts are missing; the program does not start without them.").arg(path);
    check(QStringLiteral("Znamky.dat"));
    if (!found) problems << QStringLiteral("%1:0: the grade bands are missing; the program does not start without them.").arg(path);
    readData(dataDir, QStringLiteral("Vysledky.dat"), &found, &path);
    if (!found) problems << QStringLiteral("%1:0: the results log is missing; the program does not start without it (an empty file will do).").arg(path);

    const QString media = QFileInfo(dataDir + QStringLiteral("/../media")).absoluteFilePath();
    if (QFileInfo(media).isDir()) problems << checkMedia(media, dataDir);
    return problems;
}

QStringList checkSources(const QString &srcDir) {
    if (!QFileInfo(srcDir).isDir()) return {QStringLiteral("%1:0: the source folder does not exist.").arg(srcDir)};
    QStringList problems;
    auto lines = [&](const QString &name, bool *found) {
        const QString path = QDir(srcDir).filePath(name);
        *found = QFileInfo(path).isFile();
        if (!*found) problems << QStringLiteral("%1:0: missing.").arg(path);
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
