// Bad data files are named, never shown as blanks or garbage: the checks of
// the grade bands and of content lines, the start-up tables, and content
// files that are missing, unreadable, garbled or in the wrong encoding,
// reached through the real start-up, setup and topic screens.
#include "testsupport.h"
#include "screens_fixture.h"

#include "app/Startup.h"
#include "app/StartupTables.h"
#include "content/ContentCheck.h"
#include "content/scramble.h"
#include "exercise/frm_Game01.h"
#include "platform/codec.h"
#include "print/PrintContent.h"
#include "print/PrintJob.h"
#include "print/Worksheets.h"
#include "results/GradeBands.h"
#include "state/ResultsRules.h"
#include "rules/ExerciseGroups.h"
#include "screens/frm_Setup.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>

using namespace screentest;
using content::Layout;

namespace {
using testsupport::readBytes;
using testsupport::writeBytes;

const QStringList kBundledBands{"0|30|5", "30|50|4", "50|75|3", "75|90|2", "90|100|1"};

// Bytes that are no text at all (the same every run).
QByteArray junk(int size) {
    QByteArray b(size, '\0');
    quint32 x = 12345;
    for (char &c : b) c = char((x = x * 1103515245u + 12345u) >> 24);
    return b;
}

// How a stored course file is damaged: its plain (unscrambled) text is
// changed by edit, then stored in the given way.
enum class Store { Scrambled, NeverScrambled, Utf8, Junk, Empty, Missing };

QByteArray stored(const QByteArray &storedNow, Store how, const std::function<void(QStringList &)> &edit) {
    QStringList lines = platform::splitLines(platform::decode1250(content::scrambleBytes(storedNow)));
    if (edit) edit(lines);
    const QByteArray plain = platform::encode1250(platform::joinLinesCrLf(lines));
    switch (how) {
    case Store::Scrambled: return content::scrambleBytes(plain);
    case Store::NeverScrambled: return plain;
    case Store::Utf8: return content::scrambleBytes(platform::joinLinesCrLf(lines).toUtf8());
    case Store::Junk: return junk(600);
    case Store::Empty:
    case Store::Missing: return {};
    }
    return {};
}

// Lines of the plain function tests: QStringList rows with some characters
// that a table literal cannot hold.
QString utf8ReadAs1250(const QString &s) { return platform::decode1250(s.toUtf8()); }

}  // namespace

using Edit = std::function<void(QStringList &)>;
Q_DECLARE_METATYPE(Store)
Q_DECLARE_METATYPE(Layout)
Q_DECLARE_METATYPE(Edit)

class BadDataTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void gradeBands_data();
    void gradeBands();
    void contentLines_data();
    void contentLines();
    void usedTextsCoverTheCode();
    void bundledCoursePasses();

    void startupTables_data();
    void startupTables();
    void contentFiles_data();
    void contentFiles();
    void worksheetNamesTheFile();

private:
    void openExercise(int exercise);
    void damage(const QString &name, Store how, const std::function<void(QStringList &)> &edit = {});

    std::unique_ptr<Course> m_course;
    QHash<QString, QByteArray> m_saved;  // files changed by the running test
    QByteArray m_tmp;
};

void BadDataTest::initTestCase() {
    m_course = std::make_unique<Course>();
    QVERIFY(m_course->activate());
    m_tmp = qgetenv("TMP");
    QVERIFY(startProgram());
    QVERIFY(skipTitle());
}

void BadDataTest::init() {
    testsupport::recordMessageBoxes(platform::MsgResult::Ok);
    testsupport::messageBoxes().clear();
    testsupport::endRequests();
}

void BadDataTest::cleanup() {
    qputenv("TMP", m_tmp);
    QVERIFY(backToSelection());
    for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) QVERIFY(writeBytes(it.key(), it.value()));
    m_saved.clear();
}

void BadDataTest::damage(const QString &name, Store how, const std::function<void(QStringList &)> &edit) {
    const QString path = m_course->dataDir() + QLatin1Char('/') + name;
    const QByteArray now = readBytes(path);
    QVERIFY(!now.isEmpty());
    m_saved.insert(path, now);
    if (how == Store::Missing) {
        QVERIFY(QFile::remove(path));
        return;
    }
    QVERIFY(writeBytes(path, name.endsWith(QLatin1String("Znamky.dat"))
                                 ? platform::encode1250(platform::joinLinesCrLf([&] {
                                       QStringList l = platform::splitLines(platform::decode1250(now));
                                       if (edit) edit(l);
                                       return l;
                                   }()))
                                 : stored(now, how, edit)));
}

// ---- The checks themselves ------------------------------------------------

void BadDataTest::gradeBands_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("badLine");  // 0: the table is sound
    QTest::addColumn<QString>("reason");
    QTest::newRow("bundled bands") << kBundledBands << 0 << "";
    QTest::newRow("whole-number gaps no run can reach")
        << QStringList{"0|29|5", "30|49|4", "50|74|3", "75|89|2", "90|100|1"} << 0 << "";
    QTest::newRow("lines after the fifth are not read") << kBundledBands + QStringList{"x"} << 0 << "";
    QTest::newRow("first band starts at 1: 0 % has no grade")
        << QStringList{"1|30|5", "30|50|4", "50|75|3", "75|90|2", "90|100|1"} << 1 << "0 z 10";
    QTest::newRow("a third falls between 33 and 34")
        << QStringList{"0|33|5", "34|50|4", "50|75|3", "75|90|2", "90|100|1"} << 1 << "5 z 15 otázek (33,3 %)";
    QTest::newRow("gap near the top") << QStringList{"0|30|5", "30|50|4", "50|75|3", "75|85|2", "90|100|1"} << 4
                                      << "13 z 15 otázek (86,7 %)";
    QTest::newRow("empty file") << QStringList{} << 1 << "chybí";
    QTest::newRow("four lines") << kBundledBands.mid(0, 4) << 5 << "chybí";
    QTest::newRow("empty line") << QStringList{"0|30|5", "", "50|75|3", "75|90|2", "90|100|1"} << 2 << "prázdný";
    QTest::newRow("bound over 255 would wrap to 100")
        << QStringList{"0|30|5", "30|50|4", "50|75|3", "75|90|2", "90|356|1"} << 5 << "356";
    QTest::newRow("grade 261 would wrap to 5") << QStringList{"0|30|261", "30|50|4", "50|75|3", "75|90|2", "90|100|1"}
                                               << 1 << "261";
    QTest::newRow("grade 0 would rank best") << QStringList{"0|30|0", "30|50|4", "50|75|3", "75|90|2", "90|100|1"}
                                             << 1 << "známku 0";
    QTest::newRow("grade 6") << QStringList{"0|30|5", "30|50|4", "50|75|6", "75|90|2", "90|100|1"} << 3 << "známku 6";
    QTest::newRow("two fields") << QStringList{"0|30|5", "30|50|4", "50|75", "75|90|2", "90|100|1"} << 3 << "tři";
    QTest::newRow("not a number") << QStringList{"0|30|5", "30|50|4", "50|75|3", "75|x|2", "90|100|1"} << 4 << "tři";
    QTest::newRow("lower above upper") << QStringList{"0|30|5", "50|30|4", "30|75|3", "75|90|2", "90|100|1"} << 2
                                       << "50 % vyšší";
}

void BadDataTest::gradeBands() {
    QFETCH(QStringList, lines);
    QFETCH(int, badLine);
    QFETCH(QString, reason);
    const auto fault = results::findBadGradeLine(lines);
    QCOMPARE(fault ? fault->line : 0, badLine);
    if (fault) {
        QVERIFY2(fault->reason.contains(reason), qPrintable(fault->reason));
        return;
    }
    // A sound table gives every run a grade from 1 to 5.
    std::array<Misc::GradeBand, 6> bands{};
    for (int n = 1; n <= 5; ++n) bands[std::size_t(n)] = Misc::parseGradeLine(lines.at(n - 1));
    for (int total : results::runLengths())
        for (int right = 0; right <= total; ++right) {
            const QString grade = results::gradeFor(right, total, bands);
            QVERIFY2(grade.size() == 1 && grade >= QLatin1String("1") && grade <= QLatin1String("5"),
                     qPrintable(QStringLiteral("%1 of %2: '%3'").arg(right).arg(total).arg(grade)));
        }
}

void BadDataTest::contentLines_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<int>("exercise");
    QTest::addColumn<int>("badLine");  // 0: every line is sound
    QTest::addColumn<QString>("reason");
    const QString gap = QStringLiteral("Žluťoučký kůň _ úpěl.#a");
    QTest::newRow("Czech gap sentences") << QStringList{gap, gap} << Layout::GapSentence << 1 << 0 << "";
    QTest::newRow("Windows-1250 bytes that form UTF-8") << QStringList{"déšť#rain", "Úžasný#great"} << Layout::Translation
                                                        << 3 << 0 << "";
    QTest::newRow("translation keeps _") << QStringList{"pes_a#dog"} << Layout::Translation << 3 << 0 << "";
    QTest::newRow("whole sentence keeps _") << QStringList{"I _ go.#zápor#I don't go."} << Layout::ModelWholeSentence
                                            << 13 << 0 << "";
    QTest::newRow("switch of 11 has six parts") << QStringList{"We _ go.#on#in#on#at"} << Layout::Switch << 11 << 0
                                                << "";
    QTest::newRow("lines after the 1000th are not read")
        << (QStringList(1000, gap) << QStringLiteral("junk")) << Layout::GapSentence << 1 << 0 << "";
    QTest::newRow("answer missing") << QStringList{gap, "Věta _ bez odpovědi."} << Layout::GapSentence << 1 << 2
                                    << "na 2 části místo na 3";
    QTest::newRow("stray # cuts the answer") << QStringList{gap, gap + "#b"} << Layout::GapSentence << 1 << 2
                                             << "na 4 části místo na 3";
    QTest::newRow("switch of 2 has five parts") << QStringList{"We _ go.#on#in#on#at"} << Layout::Switch << 2 << 1
                                                << "místo na 5";
    QTest::newRow("topic list splits at _") << QStringList{"pes#dog#1#Zvíř_ata"} << Layout::TopicList << 21 << 1
                                            << "znaky # a _";
    QTest::newRow("empty line") << QStringList{gap, "", gap} << Layout::GapSentence << 1 << 2 << "prázdný";
    QTest::newRow("control character") << QStringList{gap, gap + QChar(0x19)} << Layout::GapSentence << 1 << 2
                                       << "řídicí";
    QTest::newRow("byte undefined in Windows-1250") << QStringList{platform::decode1250("a _ b#\x81")}
                                                    << Layout::GapSentence << 1 << 1 << "bajty";
    QTest::newRow("saved in UTF-8") << QStringList{"It _ ok.#a", utf8ReadAs1250(gap)} << Layout::GapSentence << 1 << 2
                                    << "UTF-8";
    QTest::newRow("line too long") << QStringList{QString(40000, QLatin1Char('a')) + "_b#c"} << Layout::GapSentence
                                   << 1 << 1 << "32767";
}

void BadDataTest::contentLines() {
    QFETCH(QStringList, lines);
    QFETCH(Layout, layout);
    QFETCH(int, exercise);
    QFETCH(int, badLine);
    QFETCH(QString, reason);
    const auto fault = content::findBadContentLine(lines, layout, exercise);
    QCOMPARE(fault ? fault->line : 0, badLine);
    if (fault) QVERIFY2(fault->reason.contains(reason), qPrintable(fault->reason));
}

// Every text the code asks for by number is one the start-up checks.
void BadDataTest::usedTextsCoverTheCode() {
    const std::vector<int> used = Misc::usedTextIndices();
    const QRegularExpression call(QStringLiteral(R"(\b(?:Text|label)\((\d+)\))"));
    int calls = 0;
    for (const char *dir : {"app", "screens", "exercise", "results", "print"}) {
        QDirIterator it(QStringLiteral(TUTORIX_SOURCE_DIR "/") + QLatin1String(dir), {"*.cpp"}, QDir::Files);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString code = QString::fromUtf8(readBytes(file));
            for (auto m = call.globalMatch(code); m.hasNext();) {
                const int k = m.next().captured(1).toInt();
                ++calls;
                QVERIFY2(std::find(used.begin(), used.end(), k) != used.end(),
                         qPrintable(QStringLiteral("%1 uses text %2").arg(file).arg(k)));
            }
        }
    }
    QVERIFY(calls >= 10);
    // The table names of groups, exercises and worksheets are in too.
    for (int e = 1; e <= 24; ++e)
        QVERIFY(std::find(used.begin(), used.end(), screens::nameTextOfExercise(e)) != used.end());
    QVERIFY(std::find(used.begin(), used.end(), 96) != used.end());  // the last worksheet instruction
    QVERIFY(std::find(used.begin(), used.end(), 46) == used.end());  // a line the program never reads
}

// The checks find nothing in the course that ships with the program.
void BadDataTest::bundledCoursePasses() {
    const QString data = testsupport::builtCourseDir() + QStringLiteral("/data/");
    for (int e = 1; e <= 24; ++e) {
        const QStringList lines =
            platform::splitLines(platform::decode1250(content::scrambleBytes(readBytes(data + QStringLiteral("%1.dat").arg(e)))));
        QVERIFY(lines.size() > 30);
        for (Layout layout : {content::layoutOfExercise(e), e == 21 ? Layout::TopicList : content::layoutOfExercise(e)}) {
            const auto fault = content::findBadContentLine(lines, layout, e);
            QVERIFY2(!fault, qPrintable(QStringLiteral("%1.dat:%2 %3").arg(e).arg(fault->line).arg(fault->reason)));
        }
    }
}

// ---- Start-up: Texty.dat and Znamky.dat ----------------------------------

void BadDataTest::startupTables_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<Store>("how");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("noPlainCopy");  // the temporary folder cannot be written
    QTest::addColumn<int>("line");          // 0: the message names no line
    QTest::addColumn<QString>("reason");
    const Edit none;
    QTest::newRow("texts: exit question empty") << "Texty.dat" << Store::Scrambled
                                                << Edit([](QStringList &l) { l[0].clear(); }) << false << 1 << "chybí";
    QTest::newRow("texts: file cut after 60 lines")
        << "Texty.dat" << Store::Scrambled << Edit([](QStringList &l) { l = l.mid(0, 60); }) << false << 61 << "chybí";
    QTest::newRow("texts: empty file") << "Texty.dat" << Store::Empty << none << false << 0 << "je prázdný";
    QTest::newRow("texts: no plain copy can be written") << "Texty.dat" << Store::Scrambled << none << true << 0
                                                         << "nepodařilo přečíst";
    QTest::newRow("texts: saved in UTF-8") << "Texty.dat" << Store::Utf8 << none << false << 1 << "UTF-8";
    QTest::newRow("texts: never scrambled") << "Texty.dat" << Store::NeverScrambled << none << false << 1 << "řídicí";
    QTest::newRow("texts: binary junk") << "Texty.dat" << Store::Junk << none << false << 1 << "";
    QTest::newRow("grades: first band from 1 %") << "Znamky.dat" << Store::Scrambled
                                                 << Edit([](QStringList &l) { l[0] = QStringLiteral("1|30|5"); })
                                                 << false << 1 << "0 z 10";
    QTest::newRow("grades: four lines") << "Znamky.dat" << Store::Scrambled
                                        << Edit([](QStringList &l) { l = l.mid(0, 4); }) << false << 5 << "chybí";
    QTest::newRow("grades: empty file") << "Znamky.dat" << Store::Scrambled << Edit([](QStringList &l) { l.clear(); })
                                        << false << 1 << "chybí";
    QTest::newRow("grades: 356 would wrap to 100")
        << "Znamky.dat" << Store::Scrambled << Edit([](QStringList &l) { l[4] = QStringLiteral("90|356|1"); }) << false
        << 5 << "356";
}

void BadDataTest::startupTables() {
    QFETCH(QString, file);
    QFETCH(Store, how);
    QFETCH(Edit, edit);
    QFETCH(bool, noPlainCopy);
    QFETCH(int, line);
    QFETCH(QString, reason);
    damage(file, how, edit);
    if (noPlainCopy) qputenv("TMP", "/nonexistent/tutorix-tmp");
    frm_Select::Unload();
    testsupport::endRequests();
    testsupport::messageBoxes().clear();
    frm_Select::get().Load();  // the start-up as main runs it

    QVERIFY(frm_Select::get().startupFailed());
    QCOMPARE(testsupport::endRequests(), 1);
    QVERIFY(!frm_Intro::existing());
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    const platform::MsgBoxCall box = testsupport::messageBoxes().first();
    QCOMPARE(box.caption, QStringLiteral("Chyba"));
    QCOMPARE(box.icon, platform::MsgIcon::Critical);
    QVERIFY2(box.text.contains(m_course->dataDir() + QLatin1Char('/') + file), qPrintable(box.text));
    QVERIFY2(!box.text.contains(QLatin1Char('\\')), qPrintable(box.text));
    if (line > 0) QVERIFY2(box.text.contains(QStringLiteral("řádek %1 ").arg(line)), qPrintable(box.text));
    QVERIFY2(box.text.contains(reason), qPrintable(box.text));

    // With the file sound again the program starts as before.
    qputenv("TMP", m_tmp);
    for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) QVERIFY(writeBytes(it.key(), it.value()));
    m_saved.clear();
    frm_Select::Unload();
    QVERIFY(startProgram());
    QVERIFY(skipTitle());
    QVERIFY(!Misc::Text(1).isEmpty());
}

// ---- Content files --------------------------------------------------------

void BadDataTest::openExercise(int exercise) {
    int position = 0;
    const int group = screens::groupOfExercise(exercise, &position);
    click(frm_Select::get().LI(group));
    click(frm_Select::get().RI(position));
    frm_Setup &setup = frm_Setup::get();
    type(setup.TJmeno, QStringLiteral("Eliška"));
    click(setup.ICislo(1));
    click(setup.picPokracuj);
}

void BadDataTest::contentFiles_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<Store>("how");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("noPlainCopy");
    QTest::addColumn<int>("line");  // 0: the message names no line
    QTest::addColumn<QString>("reason");
    const Edit none;
    QTest::newRow("3.dat missing") << 3 << Store::Missing << none << false << 0 << "chybí";
    QTest::newRow("1.dat empty") << 1 << Store::Empty << none << false << 0 << "je prázdný";
    QTest::newRow("5.dat: no plain copy can be written") << 5 << Store::Scrambled << none << true << 0
                                                         << "nepodařilo přečíst";
    QTest::newRow("7.dat binary junk") << 7 << Store::Junk << none << false << 1 << "";
    QTest::newRow("9.dat never scrambled") << 9 << Store::NeverScrambled << none << false << 1 << "řídicí";
    QTest::newRow("13.dat saved in UTF-8") << 13 << Store::Utf8 << none << false << 1 << "UTF-8";
    QTest::newRow("19.dat line without its minute")
        << 19 << Store::Scrambled << Edit([](QStringList &l) { l[3] = QStringLiteral("2#half past two"); }) << false
        << 4 << "na 2 části místo na 3";
    QTest::newRow("2.dat stray # in line 2") << 2 << Store::Scrambled << Edit([](QStringList &l) { l[1] += "#x"; })
                                             << false << 2 << "místo na 5";
    QTest::newRow("3.dat too few items, named natively")
        << 3 << Store::Scrambled << Edit([](QStringList &l) { l = l.mid(0, 5); }) << false << 0 << "jen 5 položek";
    QTest::newRow("21.dat missing: no empty topic screen") << 21 << Store::Missing << none << false << 0 << "chybí";
    QTest::newRow("21.dat: no plain copy can be written") << 21 << Store::Scrambled << none << true << 0
                                                          << "nepodařilo přečíst";
    QTest::newRow("21.dat binary junk") << 21 << Store::Junk << none << false << 1 << "";
}

void BadDataTest::contentFiles() {
    QFETCH(int, exercise);
    QFETCH(Store, how);
    QFETCH(Edit, edit);
    QFETCH(bool, noPlainCopy);
    QFETCH(int, line);
    QFETCH(QString, reason);
    const QString name = QStringLiteral("%1.dat").arg(exercise);
    damage(name, how, edit);
    if (noPlainCopy) qputenv("TMP", "/nonexistent/tutorix-tmp");
    openExercise(exercise);

    QCOMPARE(testsupport::messageBoxes().size(), 1);
    const platform::MsgBoxCall box = testsupport::messageBoxes().first();
    QCOMPARE(box.caption, QStringLiteral("Chyba"));
    QVERIFY2(box.text.contains(m_course->dataDir() + QLatin1Char('/') + name), qPrintable(box.text));
    QVERIFY2(!box.text.contains(QLatin1Char('\\')), qPrintable(box.text));
    QVERIFY2(!box.text.contains(QStringLiteral("jen 0 ")), qPrintable(box.text));
    if (line > 0) QVERIFY2(box.text.contains(QStringLiteral("řádek %1 ").arg(line)), qPrintable(box.text));
    QVERIFY2(box.text.contains(reason), qPrintable(box.text));
    // Back on the setup screen: no exercise and no topic screen.
    QTRY_VERIFY(!frm_Game01::existing());
    QTRY_VERIFY(!frm_Intro::existing());
    QVERIFY(frm_Setup::get().isVisible());
    QCOMPARE(Misc::CurrentScreen, static_cast<ui::Form *>(&frm_Setup::get()));
    if (!reason.contains(QStringLiteral("položek"))) QCOMPARE(Misc::RecordCount, 0);  // nothing of the file is kept
}

// A worksheet of a damaged file fails with the file's name instead of
// printing rows of garbage.
void BadDataTest::worksheetNamesTheFile() {
    damage(QStringLiteral("9.dat"), Store::NeverScrambled);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&out);
    print::PrintJob job(&pdf, 1);
    Misc::ExerciseNumber = QStringLiteral("9");
    Misc::QuestionCount = 10;
    Misc::PrintMode = true;
    QVERIFY(!print::loadWorksheetContent());
    print::PrintWorksheets();
    Misc::PrintMode = false;
    QVERIFY(job.failed());
    QCOMPARE(job.pagesStarted(), 0);
    QVERIFY2(job.error().contains(m_course->dataDir() + QStringLiteral("/9.dat")) &&
                 job.error().contains(QStringLiteral("řádek 1 ")),
             qPrintable(job.error()));
    QVERIFY(testsupport::messageBoxes().isEmpty());  // the print job's own failure box says it
    job.finish();
}

QTEST_MAIN(BadDataTest)
#include "tst_bad_data.moc"
