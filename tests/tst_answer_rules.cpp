// The answer rules: normalising, the check rules, the hint texts and where
// the hint window goes.
#include "exercise/AnswerRules.h"

#include <QtTest>

namespace {

// Fields given as "f0#f1#f2#..." (missing fields empty).
Misc::ContentRecord record(const QString &fields) {
    Misc::ContentRecord r;
    const QStringList parts = fields.split(QLatin1Char('#'));
    for (int i = 0; i < parts.size() && i < Misc::kRecordFields; ++i) r.field[std::size_t(i)] = parts.at(i);
    return r;
}

}  // namespace

class TestAnswerRules : public QObject {
    Q_OBJECT
private slots:
    void normalize_data();
    void normalize();
    void boxAndSwitch_data();
    void boxAndSwitch();
    void labelTileList_data();
    void labelTileList();
    void hint_data();
    void hint();
    void hintPosition_data();
    void hintPosition();
};

void TestAnswerRules::normalize_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("only spaces") << "   " << "";
    QTest::newRow("one space") << " " << "";
    QTest::newRow("outer and inner spaces") << "  good   morning " << "good morning";
    QTest::newRow("Czech letters kept") << " žluťoučký  kůň " << "žluťoučký kůň";
    QTest::newRow("case kept") << "Hello  World" << "Hello World";
    QTest::newRow("tabs are not spaces") << "\ta\t\tb\t" << "\ta\t\tb\t";
    QTest::newRow("no-break space kept") << QString(" a\u00A0\u00A0b ") << QString("a\u00A0\u00A0b");
    QTest::newRow("two characters") << " a " << "a";
    QTest::newRow("punctuation kept") << "it 's  ,ok" << "it 's ,ok";
}

void TestAnswerRules::normalize() {
    QFETCH(QString, typed);
    QTEST(answers::NormalizeAnswer(typed), "normalised");
    answers::normalizeAnswerInPlace(typed);
    QTEST(typed, "normalised");
}

void TestAnswerRules::boxAndSwitch_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("boxCorrect");
    QTest::addColumn<bool>("switchCorrect");
    QTest::newRow("exact") << "a dog" << "a dog" << "a dog" << true << true;
    QTest::newRow("extra spaces normalised") << "  a   dog " << "a dog" << "a dog" << true << true;
    QTest::newRow("case differs") << "A dog" << "a dog" << "A dog" << false << false;
    QTest::newRow("empty answer, empty tag") << "" << "" << "" << false << true;
    QTest::newRow("spaces only, empty tag") << "  " << "" << "" << false << true;
    QTest::newRow("empty answer") << "" << "dog" << "" << false << false;
    QTest::newRow("diacritics must match") << "cesta" << "césta" << "cesta" << false << false;
    QTest::newRow("Czech answer") << " Dobré  ráno" << "Dobré ráno" << "Dobré ráno" << true << true;
    QTest::newRow("tag with double space never matches") << "a  b" << "a  b" << "a b" << false << false;
}

void TestAnswerRules::boxAndSwitch() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, shown);
    const auto box = answers::checkBoxAnswer(typed, expected);
    QCOMPARE(box.shown, shown);
    QTEST(box.correct, "boxCorrect");
    const auto sw = answers::checkSwitchAnswer(typed, expected);
    QCOMPARE(sw.shown, shown);
    QTEST(sw.correct, "switchCorrect");
}

void TestAnswerRules::labelTileList_data() {
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("label");
    QTest::addColumn<bool>("tile");
    QTest::addColumn<bool>("list");
    QTest::newRow("equal") << "half past two" << "half past two" << true << true << true;
    QTest::newRow("both empty") << "" << "" << true << false << false;
    QTest::newRow("differs") << "ten to six" << "ten to seven" << false << false << false;
    QTest::newRow("case differs") << "Škola" << "škola" << false << false << false;
    QTest::newRow("spaces are not normalised") << "a  b" << "a b" << false << false << false;
}

void TestAnswerRules::labelTileList() {
    QFETCH(QString, given);
    QFETCH(QString, expected);
    QTEST(answers::checkLabelAnswer(given, expected), "label");
    QTEST(answers::checkTileAnswer(given, expected), "tile");
    QTEST(answers::checkListAnswer(given, expected), "list");
}

void TestAnswerRules::hint_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("line1");
    QTest::addColumn<QString>("line2");
    QTest::addColumn<bool>("centred");
    const QString s = "I #am# at home.";
    for (int e : {1, 2, 4, 5, 7, 8, 9, 10, 11, 12, 15, 16, 17, 20})
        QTest::addRow("%d sentence", e) << e << s << "" << "" << true << "I am at home." << "" << false;
    QTest::newRow("fields 0 and 1 empty: field 2 trimmed, capital")
        << 7 << "##  čtyři koně  " << "" << "" << true << "Čtyři koně" << "" << false;
    QTest::newRow("only field 0 empty: sentence") << 7 << "#It# is." << "" << "" << true << "It is." << "" << false;
    QTest::newRow("all empty") << 1 << "##" << "" << "" << true << "" << "" << false;
    QTest::newRow("2 no article: one space") << 2 << "My brother plays ## football." << "" << "" << true
                                             << "My brother plays football." << "" << false;
    QTest::newRow("empty answer, one space either side kept")
        << 2 << "I go## home." << "" << "" << true << "I go home." << "" << false;
    QTest::newRow("6 cut at the bracket") << 6 << "He #goes# home (jít)." << "" << "" << true << "He goes home "
                                          << "" << false;
    QTest::newRow("6 cut at the first bracket") << 6 << "A (b) #c# (d)" << "" << "" << true << "A " << "" << false;
    QTest::newRow("6 without bracket") << 6 << "He #goes# home." << "" << "" << true << "He goes home." << ""
                                       << false;
    QTest::newRow("3 field 4, centred") << 3 << "pes#x#y#z#dog" << "" << "" << true << "dog" << "" << true;
    QTest::newRow("13 field 1") << 13 << "She works.#She doesn't work.#" << "" << "" << true << "She doesn't work."
                                << "" << false;
    QTest::newRow("14 two lines") << 14 << "Kde bydlíš?#live#x#y#z#w#Where do you #?" << "" << "" << true
                                  << "Kde bydlíš?" << "Where do you live?" << false;
    QTest::newRow("19 caption, centred") << 19 << "" << "čtvrt na tři" << "x" << true << "čtvrt na tři" << ""
                                         << true;
    QTest::newRow("21 caption - tag, centred") << 21 << "" << "pes" << "dog" << true << "pes - dog" << "" << true;
    QTest::newRow("22 sentence, centred") << 22 << s << "" << "" << true << "I am at home." << "" << true;
    QTest::newRow("23 sentence, centred") << 23 << s << "" << "" << true << "I am at home." << "" << true;
    QTest::newRow("24 sentence, left") << 24 << s << "" << "" << true << "I am at home." << "" << false;
    QTest::newRow("24 no fallback") << 24 << "## žák " << "" << "" << true << " žák " << "" << false;
    QTest::newRow("18 no hint") << 18 << s << "" << "" << false << "" << "" << false;
}

void TestAnswerRules::hint() {
    QFETCH(int, exercise);
    QFETCH(QString, fields);
    QFETCH(QString, caption);
    QFETCH(QString, tag);
    QFETCH(bool, centred);
    const answers::HintText h = answers::answerHint(exercise, record(fields), caption, tag);
    QTEST(h.shown, "shown");
    QTEST(h.line1, "line1");
    QTEST(h.line2, "line2");
    QCOMPARE(h.alignment == Qt::AlignHCenter, centred);
}

void TestAnswerRules::hintPosition_data() {
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("exercise 3 bubble") << QPoint(600, 300) << QSize(212, 37) << QPoint(393, 300);
    QTest::newRow("exercise 14 bubble") << QPoint(610, 200) << QSize(605, 57) << QPoint(10, 200);
    QTest::newRow("near the left edge") << QPoint(100, 0) << QSize(531, 37) << QPoint(-426, 0);
}

void TestAnswerRules::hintPosition() {
    QFETCH(QPoint, cursor);
    QFETCH(QSize, window);
    QTEST(answers::hintWindowPosition(cursor, window), "topLeft");
}

QTEST_GUILESS_MAIN(TestAnswerRules)
#include "tst_answer_rules.moc"
