// The course checker: its single rules, and whole courses with one fault
// each, which it must name by file and line.
#include "testsupport.h"
#include "content/scramble.h"
#include "course/lib/Checker.h"
#include "course/lib/CheckerRules.h"
#include "course/lib/CourseTool.h"
#include "course/lib/LanguageRules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace course::rules;

class TestCourseChecker : public QObject {
    Q_OBJECT
private slots:
    void droppedTileWord_data();
    void droppedTileWord();
    void clockPhrases_data();
    void clockPhrases();
    void answerFaults_data();
    void answerFaults();
    void wrapping_data();
    void wrapping();
    void wording_data();
    void wording();
    void bundledSourcesCheckClean();
    void brokenCourse_data();
    void brokenCourse();
};

namespace {
using testsupport::writeBytes;

const QString kSources = QStringLiteral(TUTORIX_SOURCE_DIR "/course/src");

// Builds the data directory of a course from sources the way the course tool
// does (without the media folder, so only the data is checked).
bool buildData(const QString &src, const QString &data) {
    if (!QDir().mkpath(data)) return false;
    bool ok = true;
    for (int n = 1; n <= 24; ++n) {
        const QStringList lines = course::readSourceLines(QStringLiteral("%1/%2.txt").arg(src).arg(n));
        ok &= writeBytes(QStringLiteral("%1/%2.dat").arg(data).arg(n), content::scrambleBytes(course::encodeCourseText(lines)));
        ok &= writeBytes(QStringLiteral("%1/%2.res").arg(data).arg(n), {});
    }
    ok &= writeBytes(data + QStringLiteral("/Texty.dat"),
                     content::scrambleBytes(course::encodeCourseText(course::readSourceLines(src + QStringLiteral("/Texty.txt")))));
    ok &= writeBytes(data + QStringLiteral("/Znamky.dat"),
                     course::encodeCourseText(course::readSourceLines(src + QStringLiteral("/Znamky.txt"))));
    ok &= writeBytes(data + QStringLiteral("/Vysledky.dat"), {});
    return ok;
}

bool copySources(const QString &to) {
    QDir().mkpath(to);
    for (const QString &name : QDir(kSources).entryList({QStringLiteral("*.txt")}, QDir::Files))
        if (!QFile::copy(kSources + QLatin1Char('/') + name, to + QLatin1Char('/') + name)) return false;
    return true;
}

// line > 0 replaces that line (an empty text removes it), line 0 replaces the
// whole file with text, line -1 deletes the file.
bool mutate(const QString &path, int line, const QString &text) {
    if (line < 0) return QFile::remove(path);
    QStringList lines;
    if (line == 0) {
        lines = text.split(QLatin1Char('\n'));
    } else {
        lines = course::readSourceLines(path);
        if (line > lines.size()) return false;
        if (text.isEmpty()) lines.removeAt(line - 1);
        else lines[line - 1] = text;
    }
    QByteArray bytes;
    for (const QString &l : lines) bytes += l.toUtf8() + '\n';
    QFile::remove(path);
    return writeBytes(path, bytes);
}

// A measure of one millimetre per character.
double oneMmPerChar(const QString &t) { return double(t.size()); }

}  // namespace

void TestCourseChecker::droppedTileWord_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("reachable");
    QTest::newRow("gap begins the sentence") << 1 << "" << "The" << true;
    QTest::newRow("lower case at the start is never made") << 1 << "" << "the" << false;
    QTest::newRow("after a full stop and a space") << 5 << "This is Tom. " << "He" << true;
    QTest::newRow("full stop far back stays lower") << 5 << "Hello, Mrs Brown. How are " << "you" << true;
    QTest::newRow("after a question mark no capital") << 5 << "Where is Dad? " << "He" << false;
    QTest::newRow("after a question mark lower case") << 5 << "Where is Dad? " << "he" << true;
    QTest::newRow("Czech name before the gap") << 6 << "Tohle je Šárčin pes. " << "Her" << true;
    QTest::newRow("not a tile word") << 1 << "There is " << "one" << false;
    QTest::newRow("tile word of another exercise") << 1 << "This is " << "my" << false;
    QTest::newRow("I stays capital") << 5 << "Hi, " << "I" << true;
}

void TestCourseChecker::droppedTileWord() {
    QFETCH(int, exercise);
    QFETCH(QString, before);
    QFETCH(QString, answer);
    QFETCH(bool, reachable);
    QCOMPARE(answerReachableWithTiles(exercise, answer, before), reachable);
    QCOMPARE(course::rules::droppedTileWord(QStringLiteral("čas"), QString()), QStringLiteral("Čas"));
}

void TestCourseChecker::clockPhrases_data() {
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<bool>("reads");
    QTest::newRow("half past three") << 3 << 30 << "half past three" << true;
    QTest::newRow("a quarter to seven") << 6 << 45 << "a quarter to seven" << true;
    QTest::newRow("quarter past without a") << 1 << 15 << "quarter past one" << true;
    QTest::newRow("twenty-five to") << 2 << 35 << "twenty-five to three" << true;
    QTest::newRow("to the wrong hour") << 2 << 35 << "twenty-five to two" << false;
    QTest::newRow("o'clock") << 4 << 0 << "four o'clock" << true;
    QTest::newRow("afternoon hours") << 15 << 10 << "ten past three" << true;
    QTest::newRow("twelve to one") << 12 << 40 << "twenty to one" << true;
    QTest::newRow("midnight") << 0 << 0 << "midnight" << true;
    QTest::newRow("digital") << 3 << 30 << "three thirty" << true;
    QTest::newRow("past and to swapped") << 7 << 50 << "ten past seven" << false;
    QTest::newRow("Czech phrase") << 3 << 30 << "půl čtvrté" << false;
}

void TestCourseChecker::clockPhrases() {
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(QString, phrase);
    QFETCH(bool, reads);
    QCOMPARE(course::rules::clockPhrases(hours, minutes).contains(phrase), reads);
    QVERIFY(course::rules::clockPhrases(3, 7).isEmpty());  // off the five-minute steps nothing is judged
}

void TestCourseChecker::answerFaults_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("spacingFault");
    QTest::addColumn<bool>("typeable");
    QTest::newRow("plain") << "went" << false << true;
    QTest::newRow("two words") << "is raining" << false << true;
    QTest::newRow("trailing space") << "went " << true << true;
    QTest::newRow("leading space") << " went" << true << true;
    QTest::newRow("double space") << "is  raining" << true << true;
    QTest::newRow("Czech letters") << "kočka" << false << false;
    QTest::newRow("typographic apostrophe") << "don’t" << false << false;
    QTest::newRow("plain apostrophe") << "don't" << false << true;
}

void TestCourseChecker::answerFaults() {
    QFETCH(QString, answer);
    QFETCH(bool, spacingFault);
    QFETCH(bool, typeable);
    QCOMPARE(!course::rules::spacingFault(answer).isEmpty(), spacingFault);
    QCOMPARE(typeableOnUsKeyboard(answer), typeable);
}

void TestCourseChecker::wrapping_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("lines");
    QTest::newRow("one line, trailing space counts") << "abc def" << 8.0 << 1;
    QTest::newRow("trailing space breaks") << "abc def" << 7.0 << 2;
    QTest::newRow("extra spaces are skipped") << "abc   def" << 8.0 << 1;
    QTest::newRow("Czech words") << "Doplň člen ke slovu" << 11.0 << 2;
    QTest::newRow("word wider than a line") << "abc defghijkl" << 8.0 << -1;
    QTest::newRow("empty") << "" << 8.0 << 0;
}

void TestCourseChecker::wrapping() {
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(int, lines);
    QCOMPARE(wrappedLineCount(text, width, oneMmPerChar), lines);
}

void TestCourseChecker::wording_data() {
    QTest::addColumn<QString>("rule");  // "formal", "contraction" or "spelling"
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");  // the word the rule names, empty when the text passes
    QTest::newRow("formal question") << "formal" << "Opravdu chcete ukončit program?" << "chcete";
    QTest::newRow("formal 'máte'") << "formal" << "Máte hotovo." << "Máte";
    QTest::newRow("formal 'jste'") << "formal" << "Už jste skončili." << "jste";
    QTest::newRow("formal imperative") << "formal" << "Vyberte cvičení." << "Vyberte";
    QTest::newRow("formal imperative -ujte") << "formal" << "Zkontrolujte, je-li CD-ROM v mechanice." << "Zkontrolujte";
    QTest::newRow("formal pronoun") << "formal" << "Výsledek se uloží do Vaší složky." << "Vaší";
    QTest::newRow("informal") << "formal" << "Opravdu chceš ukončit program? Můžeš se vrátit." << "";
    QTest::newRow("English words in a Czech text") << "formal" << "Doplň write, late, favourite nebo note." << "";
    QTest::newRow("contraction 're") << "contraction" << "They're hungry." << "They're";
    QTest::newRow("contraction 's after a pronoun") << "contraction" << "He's my friend." << "He's";
    QTest::newRow("contraction 'm") << "contraction" << "I'm tired." << "I'm";
    QTest::newRow("negative n't is wanted") << "contraction" << "She doesn't play tennis." << "";
    QTest::newRow("possessive 's") << "contraction" << "Is this Tom's bike?" << "";
    QTest::newRow("full forms") << "contraction" << "They are hungry." << "";
    QTest::newRow("grey") << "spelling" << "I have a grey cat." << "grey";
    QTest::newRow("gray, the other spelling") << "spelling" << "gray" << "gray";
    QTest::newRow("with an ending") << "spelling" << "Look at the Colours!" << "Colours";
    QTest::newRow("favourites") << "spelling" << "my favourites" << "favourites";
    QTest::newRow("mum") << "spelling" << "Mum is at home." << "Mum";
    QTest::newRow("a word with another meaning") << "spelling" << "Check the tire and read a story." << "";
    QTest::newRow("one spelling") << "spelling" << "My mumble is blue." << "";
}

void TestCourseChecker::wording() {
    QFETCH(QString, rule);
    QFETCH(QString, text);
    QFETCH(QString, found);
    QCOMPARE(rule == QLatin1String("formal")        ? formalAddressWord(text)
             : rule == QLatin1String("contraction") ? contractionIn(text)
                                                    : wordWithTwoSpellings(text).word,
             found);
}

void TestCourseChecker::bundledSourcesCheckClean() {
    QTemporaryDir tmp;
    QVERIFY(buildData(kSources, tmp.filePath(QStringLiteral("data"))));
    const QStringList problems = course::checkCourse(tmp.filePath(QStringLiteral("data")));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestCourseChecker::brokenCourse_data() {
    QTest::addColumn<QString>("file");    // a source (.txt) changed before the build, or a built file after it
    QTest::addColumn<int>("line");        // see mutate()
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("where");   // expected "file:line:" of the report
    QTest::addColumn<QString>("words");   // expected in the sentence

    QTest::newRow("content file missing") << "7.dat" << -1 << "" << "7.dat:0:" << "cvičení 7";
    QTest::newRow("results file missing") << "12.res" << -1 << "" << "12.res:0:" << "cvičení 12";
    QTest::newRow("texts missing") << "Texty.dat" << -1 << "" << "Texty.dat:0:" << "texty";
    QTest::newRow("grade bands missing") << "Znamky.dat" << -1 << "" << "Znamky.dat:0:" << "pásma známek";
    QTest::newRow("results log missing") << "Vysledky.dat" << -1 << "" << "Vysledky.dat:0:" << "deník výsledků";
    QTest::newRow("too few records") << "10.txt" << 0 << QStringList(20, QStringLiteral("_ is it?#How#What#Who")).join('\n')
                                     << "10.dat:0:" << "31";
    QTest::newRow("answer empty") << "15.txt" << 3 << "My baby sister has got four _. (tooth)#" << "15.dat:3:" << "odpovědi";
    QTest::newRow("stray separator") << "8.txt" << 5 << "The stars are _ the sky.#in#on#under#between#over" << "8.dat:5:"
                                     << "přebytečné";
    QTest::newRow("missing separator") << "9.txt" << 2 << "Last week we _ a funny film.#watch" << "9.dat:2:" << "je 3,";
    QTest::newRow("empty line") << "16.txt" << 4 << " " << "16.dat:4:" << "prázdný";
    QTest::newRow("duplicate item") << "17.txt" << 3 << "Yesterday I _ to the zoo with my class. (go)#went" << "17.dat:3:"
                                    << "řádku 1";
    QTest::newRow("exercise 4 choices") << "4.txt" << 2 << "My grandma has got _ cats.#many#a#lots" << "4.dat:2:"
                                        << "\"lots\"";
    QTest::newRow("exercise 4 answer not a choice") << "4.txt" << 3 << "She has got _ cat.#one#a#many" << "4.dat:3:"
                                                    << "\"one\"";
    QTest::newRow("exercise 2 closing position has a word") << "2.txt" << 2 << "My brother plays _ football.##the#a"
                                                            << "2.dat:2:" << "\"a\"";
    QTest::newRow("exercise 11 answer lower case at the start") << "11.txt" << 1 << "_ Monday we have English.#on#in#on#at"
                                                                << "11.dat:1:" << "\"on\"";
    QTest::newRow("hour out of range") << "19.txt" << 4 << "25#30#half past one" << "19.dat:4:" << "\"25\"";
    QTest::newRow("minute not a number") << "19.txt" << 5 << "1#4five#a quarter to two" << "19.dat:5:" << "\"4five\"";
    QTest::newRow("phrase does not read the clock") << "19.txt" << 6 << "2#5#five past three" << "19.dat:6:" << "2:05";
    QTest::newRow("same time twice") << "19.txt" << 7 << "1#30#one thirty" << "19.dat:7:" << "řádku 4";
    QTest::newRow("topic number out of range") << "21.txt" << 2 << "kočka#cat#21#Zvířata" << "21.dat:2:" << "\"21\"";
    QTest::newRow("topic split") << "21.txt" << 20 << "slepice#hen#1#Zvířata" << "21.dat:20:" << "pohromadě";
    QTest::newRow("topic with two names") << "21.txt" << 3 << "kůň#horse#1#Domácí zvířata" << "21.dat:3:" << "\"Domácí zvířata\"";
    QTest::newRow("topic numbered out of order") << "21.txt" << 0
                                                 << QStringList{QStringList(12, QStringLiteral("x#y#2#Rodina")).join('\n'),
                                                                QStringList(12, QStringLiteral("x#y#1#Škola")).join('\n'),
                                                                QStringList(12, QStringLiteral("x#y#3#Jídlo")).join('\n')}
                                                        .join('\n')
                                                 << "21.dat:1:" << "tlačítku 1";
    QTest::newRow("topic too small") << "21.txt" << 0
                                     << QStringList{QStringList(30, QStringLiteral("pes#dog#1#Zvířata")).join('\n'),
                                                    QStringLiteral("máma#mum#2#Rodina")}
                                            .join('\n')
                                     << "21.dat:31:" << "10";
    QTest::newRow("topic name too wide") << "21.txt" << 0
                                         << QStringList(31, QStringLiteral("pes#dog#1#Zvířata domácí, hospodářské i divoké")).join('\n')
                                         << "21.dat:1:" << "tlačítko";
    QTest::newRow("same English word twice in a topic") << "21.txt" << 129 << "chodidlo#leg#8#Tělo" << "21.dat:129:"
                                                        << "řádku 128";
    QTest::newRow("same Czech word twice in a topic") << "21.txt" << 125 << "ruka#arm#8#Tělo" << "21.dat:126:"
                                                      << "řádku 125";
    QTest::newRow("contraction in exercise 13") << "13.txt" << 53 << "I am hungry.#they#They're hungry." << "13.dat:53:"
                                                << "\"They're\"";
    QTest::newRow("formal address in a text") << "Texty.txt" << 1 << "Opravdu chcete ukončit program?" << "Texty.dat:1:"
                                              << "\"chcete\"";
    QTest::newRow("underscore in a topic item") << "21.txt" << 4 << "kráva#cow_s#1#Zvířata" << "21.dat:4:" << "_";
    QTest::newRow("same Czech prompt, other answer") << "3.txt" << 2 << "pes#hound" << "3.dat:2:" << "řádku 1";
    QTest::newRow("article not a tile") << "1.txt" << 1 << "There is _ apple on the table.#one" << "1.dat:1:" << "\"one\"";
    QTest::newRow("capital the drop rule never makes") << "5.txt" << 6 << "Where is Dad? _ is in the kitchen.#He"
                                                       << "5.dat:6:" << "\"He\"";
    QTest::newRow("two equal choices") << "7.txt" << 1 << "I _ ten years old.#am#is#am" << "7.dat:1:" << "\"am\"";
    QTest::newRow("list word twice") << "18.txt" << 1 << "Which one is an animal?#horse#table#horse#river" << "18.dat:1:"
                                     << "\"horse\"";
    QTest::newRow("answer with trailing space") << "16.txt" << 1 << "Look! The baby is _. (sleep)#sleeping " << "16.dat:1:"
                                                << "končí mezerou";
    QTest::newRow("answer not typeable") << "3.txt" << 3 << "kůň#kůň" << "3.dat:3:" << "\"kůň\"";
    QTest::newRow("listening sentence wider than its card")
        << "22.txt" << 2 << "My grandmother's enormous _ sleeps upstairs.#elephant#22-02.wav" << "22.dat:2:" << "kartu";
    QTest::newRow("gap sentence under the mark")
        << "1.txt" << 2 << "Yesterday my little brother and I saw _ enormous grey elephant at the zoo near our town.#an"
        << "1.dat:2:" << "pod značku";
    QTest::newRow("switch row under the mark")
        << "4.txt" << 2 << "In the old house at the end of our long street there are _ rooms and doors.#many#a#many"
        << "4.dat:2:" << "pod značku";
    QTest::newRow("listening column under the mark")
        << "24.txt" << 2 << "On Saturday morning my whole family usually goes to the big _ in the centre of town.#market#24-02.wav"
        << "24.dat:2:" << "pod značku";
    QTest::newRow("hint wider than its window")
        << "3.txt" << 2 << "dlouhá věta#my grandmother's very old black and white cat sleeps under the table"
        << "3.dat:2:" << "nápověda";
    QTest::newRow("recording missing") << "22.txt" << 2 << "It's a _ car.#red#" << "22.dat:2:" << "název nahrávky";
    QTest::newRow("recording used twice") << "23.txt" << 2 << "She _ milk.#drinks#23-01.wav" << "23.dat:2:" << "řádku 1";
    QTest::newRow("listening answer with two spellings") << "22.txt" << 26 << "I have a _ cat.#grey#22-26.wav" << "22.dat:26:"
                                                        << "\"gray\"";
    // line -2: the built file written from its source in UTF-8 instead of Windows-1250.
    QTest::newRow("content file in UTF-8") << "3.dat" << -2 << "" << "3.dat:" << "UTF-8";
    QTest::newRow("texts in UTF-8") << "Texty.dat" << -2 << "" << "Texty.dat:" << "UTF-8";
    QTest::newRow("results file in UTF-8") << "3.res" << 0 << "Jiří Dvořák|8|2|2|0" << "3.res:1:" << "UTF-8";
    QTest::newRow("bar breaks a result") << "3.res" << 0 << "Jan|Novák|8|2|2|0" << "3.res:1:" << "6";
    QTest::newRow("result count not a number") << "3.res" << 0 << "Jan|osm|2|2|0" << "3.res:1:" << "\"osm\"";
    QTest::newRow("grade bands leave a gap") << "Znamky.txt" << 2 << "35|50|4" << "Znamky.dat:0:" << "5 z 15";
    QTest::newRow("grade bands: four lines") << "Znamky.txt" << 5 << "" << "Znamky.dat:0:" << "4 řádků";
    QTest::newRow("grade outside 1 to 5") << "Znamky.txt" << 1 << "0|30|6" << "Znamky.dat:1:" << "známka 6";
    QTest::newRow("band not numbers") << "Znamky.txt" << 3 << "50|75" << "Znamky.dat:3:" << "2 částí";
    QTest::newRow("text missing") << "Texty.txt" << 34 << " " << "Texty.dat:34:" << "text 34";
    QTest::newRow("exercise name missing") << "Texty.txt" << 28 << " " << "Texty.dat:28:" << "cvičení 21";
    QTest::newRow("instructions too long") << "Texty.txt" << 79 << QStringList(60, QStringLiteral("Přepiš větu podle vzoru.")).join(' ')
                                           << "Texty.dat:79:" << "cvičení 13";
    QTest::newRow("subtitle too long") << "Texty.txt" << 50
                                       << "Cvičení 1: Členy a, an, the ve větách o zvířatech, rodině a škole" << "Texty.dat:50:"
                                       << "cvičení 1 ";
}

void TestCourseChecker::brokenCourse() {
    QFETCH(QString, file);
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(QString, where);
    QFETCH(QString, words);
    QTemporaryDir tmp;
    const QString src = tmp.filePath(QStringLiteral("src"));
    const QString data = tmp.filePath(QStringLiteral("data"));
    QVERIFY(copySources(src));
    const bool source = file.endsWith(QLatin1String(".txt"));
    if (source) QVERIFY(mutate(src + QLatin1Char('/') + file, line, text));
    QVERIFY(buildData(src, data));
    if (line == -2) {
        const QString stem = file.section(QLatin1Char('.'), 0, 0);
        const QStringList lines = course::readSourceLines(src + QLatin1Char('/') + stem + QStringLiteral(".txt"));
        const QByteArray utf8 = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
        QVERIFY(writeBytes(data + QLatin1Char('/') + file, content::scrambleBytes(utf8)));
    } else if (!source) {
        QVERIFY(mutate(data + QLatin1Char('/') + file, line, text));
    }

    const QStringList problems = course::checkCourse(data);
    const QString prefix = data + QLatin1Char('/') + where;
    bool found = false;
    for (const QString &p : problems) found = found || (p.startsWith(prefix) && p.contains(words));
    QVERIFY2(found, qPrintable(QStringLiteral("no \"%1 ... %2\" among:\n%3").arg(prefix, words, problems.join('\n'))));
}

QTEST_MAIN(TestCourseChecker)
#include "tst_course_checker.moc"
