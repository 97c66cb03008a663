// Content lines split by layout, and the loaders' treatment of whole files:
// empty lines, the 1000-line table, clearing only the layout's own fields,
// and the copy of the chosen topics of exercise 21.
#include "state/Misc.h"
#include "content/Records.h"
#include "content/scramble.h"
#include "platform/codec.h"

#include <QTemporaryDir>
#include <QtTest>

using content::Layout;
using Fields = QMap<int, QString>;
Q_DECLARE_METATYPE(Layout)

namespace {
// Writes lines as a scrambled content file (CR LF, Windows-1250).
QString writeContent(const QTemporaryDir &dir, const QString &name, const QStringList &lines, bool finalCrLf = true) {
    QString text = platform::joinLinesCrLf(lines);
    if (!finalCrLf && text.endsWith(QLatin1String("\r\n"))) text.chop(2);
    const QString path = dir.path() + QLatin1Char('/') + name;
    content::writeScrambledFile(path, platform::encode1250(text));
    return path;
}
}  // namespace

class TestContentRecords : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("TMP", QDir::tempPath().toLocal8Bit()); }

    void parseLine_data();
    void parseLine();
    void loadFile();
    void loadKeepsOtherFields();
    void loadStopsAtThousandLines();
    void topicsCopiedInFileOrder();
    void noTopicChosenCopiesNothing();
};

void TestContentRecords::parseLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<int>("exercise");
    QTest::addColumn<Fields>("expected");  // every field not named must be empty

    QTest::newRow("gap: text _ text # answer, spaces kept")
        << QStringLiteral("Můj pes _ velký. #je") << Layout::GapSentence << 1
        << Fields{{0, QStringLiteral("Můj pes ")}, {2, QStringLiteral(" velký. ")}, {1, QStringLiteral("je")}};
    QTest::newRow("gap: # in place of _ gives the same record")
        << QStringLiteral("Můj pes # velký. #je") << Layout::GapSentence << 1
        << Fields{{0, QStringLiteral("Můj pes ")}, {2, QStringLiteral(" velký. ")}, {1, QStringLiteral("je")}};
    QTest::newRow("gap: no separator fills part 1 only")
        << QStringLiteral("Žluťoučký kůň") << Layout::GapSentence << 5 << Fields{{0, QStringLiteral("Žluťoučký kůň")}};
    QTest::newRow("gap: two adjacent # give an empty part")
        << QStringLiteral("A##C") << Layout::GapSentence << 6 << Fields{{0, QStringLiteral("A")}, {1, QStringLiteral("C")}};
    QTest::newRow("gap: empty line gives empty fields") << QString() << Layout::GapSentence << 15 << Fields{};
    QTest::newRow("gap: parts beyond the third are ignored")
        << QStringLiteral("a_b#c#d#e") << Layout::GapSentence << 16
        << Fields{{0, QStringLiteral("a")}, {2, QStringLiteral("b")}, {1, QStringLiteral("c")}};
    QTest::newRow("translation: _ stays in the text")
        << QStringLiteral("pes_1#dog_x") << Layout::Translation << 3
        << Fields{{3, QStringLiteral("pes_1")}, {4, QStringLiteral("dog_x")}};
    QTest::newRow("model sentence (13): _ stays in field 0")
        << QStringLiteral("She _ happy.#be#is") << Layout::ModelWholeSentence << 13
        << Fields{{0, QStringLiteral("She _ happy.")}, {6, QStringLiteral("be")}, {1, QStringLiteral("is")}};
    QTest::newRow("topic items (21): _ stays in the text")
        << QStringLiteral("čajová_lžička#tea_spoon#3#Kuchyně") << Layout::TopicItems << 21
        << Fields{{6, QStringLiteral("čajová_lžička")}, {7, QStringLiteral("tea_spoon")}, {8, QStringLiteral("3")},
                  {9, QStringLiteral("Kuchyně")}};
    QTest::newRow("topic list (21): _ separates")
        << QStringLiteral("čajová_lžička#tea#3#Kuchyně") << Layout::TopicList << 21
        << Fields{{6, QStringLiteral("čajová")}, {7, QStringLiteral("lžička")}, {8, QStringLiteral("tea")},
                  {9, QStringLiteral("3")}};
    QTest::newRow("topic list and items agree without _")
        << QStringLiteral("pes#dog#1#Zvířata") << Layout::TopicList << 21
        << Fields{{6, QStringLiteral("pes")}, {7, QStringLiteral("dog")}, {8, QStringLiteral("1")},
                  {9, QStringLiteral("Zvířata")}};
    QTest::newRow("switch 2: sixth part ignored")
        << QStringLiteral("_ dog is big.#The#A#The#F") << Layout::Switch << 2
        << Fields{{2, QStringLiteral(" dog is big.")}, {1, QStringLiteral("The")}, {6, QStringLiteral("A")},
                  {7, QStringLiteral("The")}};
    QTest::newRow("switch 4: sixth part ignored")
        << QStringLiteral("I have _ apples.#many#a#many#x") << Layout::Switch << 4
        << Fields{{0, QStringLiteral("I have ")}, {2, QStringLiteral(" apples.")}, {1, QStringLiteral("many")},
                  {6, QStringLiteral("a")}, {7, QStringLiteral("many")}};
    QTest::newRow("switch 11: sixth part is field 8")
        << QStringLiteral("He _ here.#is#am#is#are") << Layout::Switch << 11
        << Fields{{0, QStringLiteral("He ")}, {2, QStringLiteral(" here.")}, {1, QStringLiteral("is")},
                  {6, QStringLiteral("am")}, {7, QStringLiteral("is")}, {8, QStringLiteral("are")}};
    QTest::newRow("list 7: sixth part ignored")
        << QStringLiteral("a_b#c#d#e#f") << Layout::ChoiceList << 7
        << Fields{{0, QStringLiteral("a")}, {2, QStringLiteral("b")}, {1, QStringLiteral("c")}, {6, QStringLiteral("d")},
                  {7, QStringLiteral("e")}};
    QTest::newRow("list 10: sixth part ignored")
        << QStringLiteral("a_b#c#d#e#f") << Layout::ChoiceList << 10
        << Fields{{0, QStringLiteral("a")}, {2, QStringLiteral("b")}, {1, QStringLiteral("c")}, {6, QStringLiteral("d")},
                  {7, QStringLiteral("e")}};
    QTest::newRow("list 12: sixth part is field 8")
        << QStringLiteral("a_b#c#d#e#f") << Layout::ChoiceList << 12
        << Fields{{0, QStringLiteral("a")}, {2, QStringLiteral("b")}, {1, QStringLiteral("c")}, {6, QStringLiteral("d")},
                  {7, QStringLiteral("e")}, {8, QStringLiteral("f")}};
    QTest::newRow("model 9: part 3 is the model, part 4 the answer")
        << QStringLiteral("I _ tall.#be#am") << Layout::Model << 9
        << Fields{{0, QStringLiteral("I ")}, {2, QStringLiteral(" tall.")}, {6, QStringLiteral("be")}, {1, QStringLiteral("am")}};
    QTest::newRow("two lines 14")
        << QStringLiteral("Kde je?#It is _ the box.#in") << Layout::TwoLines << 14
        << Fields{{0, QStringLiteral("Kde je?")}, {6, QStringLiteral("It is ")}, {7, QStringLiteral(" the box.")},
                  {1, QStringLiteral("in")}};
    QTest::newRow("clock 19") << QStringLiteral("1#15#a quarter past one") << Layout::Clock << 19
                              << Fields{{6, QStringLiteral("1")}, {7, QStringLiteral("15")}, {8, QStringLiteral("a quarter past one")}};
    QTest::newRow("word lists 18")
        << QStringLiteral("Zvíře?#horse#table#green#river#sea") << Layout::WordLists << 18
        << Fields{{0, QStringLiteral("Zvíře?")}, {6, QStringLiteral("horse")}, {7, QStringLiteral("table")},
                  {8, QStringLiteral("green")}, {9, QStringLiteral("river")}};
    QTest::newRow("listening 22")
        << QStringLiteral("I _ a dog.#have#22_01.wav") << Layout::Listening << 22
        << Fields{{0, QStringLiteral("I ")}, {2, QStringLiteral(" a dog.")}, {1, QStringLiteral("have")}, {6, QStringLiteral("22")}};
}

void TestContentRecords::parseLine() {
    QFETCH(QString, line);
    QFETCH(Layout, layout);
    QFETCH(int, exercise);
    QFETCH(Fields, expected);
    const Misc::ContentRecord rec = content::parseContentLine(line, layout, exercise);
    for (int f = 0; f < Misc::kRecordFields; ++f)
        QCOMPARE(rec.field[std::size_t(f)], expected.value(f));
}

void TestContentRecords::loadFile() {
    QTemporaryDir dir;
    const QString path = writeContent(dir, QStringLiteral("1.dat"),
                                      {QStringLiteral("Pes _ velký.#je"), QString(), QStringLiteral("Kočka _ malá.#je")},
                                      false);
    QVERIFY(content::LoadContentFile(path, Layout::GapSentence, 1));
    QCOMPARE(Misc::RecordCount, 3);  // the empty middle line is an item; a last line without CR LF counts
    QCOMPARE(Misc::ContentRecords[2].field[0], QString());
    QCOMPARE(Misc::ContentRecords[3].field[0], QStringLiteral("Kočka "));
    QCOMPARE(Misc::ContentRecords[3].field[1], QStringLiteral("je"));
    QVERIFY(!content::LoadContentFile(dir.path() + QStringLiteral("/missing.dat"), Layout::GapSentence, 1));
    QCOMPARE(Misc::RecordCount, 0);
    QCOMPARE(Misc::ContentRecords[1].field[0], QString());  // the layout's fields were cleared
}

void TestContentRecords::loadKeepsOtherFields() {
    QTemporaryDir dir;
    Misc::ContentRecords[1].field[3] = QStringLiteral("zůstane");
    Misc::ContentRecords[1].field[0] = QStringLiteral("zmizí");
    const QString path = writeContent(dir, QStringLiteral("19.dat"), {QStringLiteral("2#30#half past two")});
    QVERIFY(content::LoadContentFile(path, Layout::Clock, 19));
    QCOMPARE(Misc::ContentRecords[1].field[3], QStringLiteral("zůstane"));  // not a clock field
    QCOMPARE(Misc::ContentRecords[1].field[0], QStringLiteral("zmizí"));   // neither
    QCOMPARE(Misc::ContentRecords[1].field[8], QStringLiteral("half past two"));
    const QString gap = writeContent(dir, QStringLiteral("1.dat"), {QStringLiteral("x")});
    QVERIFY(content::LoadContentFile(gap, Layout::GapSentence, 1));
    QCOMPARE(Misc::ContentRecords[1].field[8], QStringLiteral("half past two"));
    QCOMPARE(Misc::ContentRecords[1].field[0], QStringLiteral("x"));
}

void TestContentRecords::loadStopsAtThousandLines() {
    QTemporaryDir dir;
    QStringList lines;
    for (int i = 1; i <= 1005; ++i) lines << QStringLiteral("věta %1#slovo").arg(i);
    const QString path = writeContent(dir, QStringLiteral("3.dat"), lines);
    QVERIFY(content::LoadContentFile(path, Layout::Translation, 3));
    QCOMPARE(Misc::RecordCount, 1000);
    QCOMPARE(Misc::ContentRecords[1000].field[3], QStringLiteral("věta 1000"));
}

void TestContentRecords::topicsCopiedInFileOrder() {
    QTemporaryDir dir;
    const QString path = writeContent(dir, QStringLiteral("21.dat"),
                                      {QStringLiteral("pes#dog#1#Zvířata"), QStringLiteral("stůl#table#2#Dům"),
                                       QStringLiteral("kočka#cat#1#Zvířata"), QStringLiteral("bez čísla#x#x#?"),
                                       QStringLiteral("židle#chair#2#Dům")});
    QVERIFY(content::LoadContentFile(path, Layout::TopicItems, 21));
    content::copyChosenTopics([](int t) { return t == 2; });
    QCOMPARE(Misc::TopicRecordCount, 2);
    QCOMPARE(Misc::TopicRecords[1].field[6], QStringLiteral("stůl"));
    QCOMPARE(Misc::TopicRecords[2].field[7], QStringLiteral("chair"));
    QCOMPARE(Misc::TopicRecords[2].field[9], QStringLiteral("Dům"));
}

void TestContentRecords::noTopicChosenCopiesNothing() {
    QTemporaryDir dir;
    const QString path = writeContent(dir, QStringLiteral("21.dat"), {QStringLiteral("pes#dog#1#Zvířata")});
    QVERIFY(content::LoadContentFile(path, Layout::TopicItems, 21));
    Misc::TopicRecordCount = 7;
    content::copyChosenTopics([](int) { return false; });
    QCOMPARE(Misc::TopicRecordCount, 0);
}

QTEST_GUILESS_MAIN(TestContentRecords)
#include "tst_content_records.moc"
