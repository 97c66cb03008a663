// What an installed program depends on: the order in which Tutorix.ini is
// looked for, relative course folders, the message when nothing is found,
// the command lines of both programs and the teacher's results export.
#include "state/Misc.h"
#include "content/scramble.h"
#include "platform/codec.h"
#include "platform/configfile.h"
#include "results/ResultsExport.h"
#include "state/ResultsRules.h"
#include "rules/ExerciseGroups.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void configOrder_data();
    void configOrder();
    void relativeFolders_data();
    void relativeFolders();
    void installedCourseStarts();
    void nothingFoundNamesThePlaces();
    void commandLine_data();
    void commandLine();
    void resultsExport_data();
    void resultsExport();
    void resultsCommand();
    void resultsFormats_data();
    void resultsFormats();
};

namespace {
QString build(const char *file) { return QStringLiteral(TUTORIX_BUILD_DIR "/") + QLatin1String(file); }

bool writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray encoded(const QStringList &lines) { return platform::encode1250(platform::joinLinesCrLf(lines)); }

// Fields of CSV text (RFC 4180: quotes doubled inside quoted fields).
QList<QStringList> readCsv(const QString &text, QChar separator = QLatin1Char(',')) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) field += text.at(++i);
            else if (c == QLatin1Char('"')) quoted = false;
            else field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row << field;
            rows << row;
            row.clear();
            field.clear();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    return rows;
}
}  // namespace

void TestInstall::initTestCase() { testsupport::muteSounds(); }

// Places: env ($TUTORIX_WINDOWS_DIR), confighome ($XDG_CONFIG_HOME), user
// (~/.config), sys1 and sys2 ($XDG_CONFIG_DIRS), program (beside bin/).
void TestInstall::configOrder_data() {
    QTest::addColumn<QStringList>("present");  // places holding a Tutorix.ini
    QTest::addColumn<bool>("envSet");
    QTest::addColumn<bool>("configHomeSet");
    QTest::addColumn<QString>("winner");
    const QStringList all{"env", "user", "sys1", "sys2", "program"};
    QTest::newRow("all: the variable wins") << all << true << false << "env";
    QTest::newRow("no variable: the user's") << all << false << false << "user";
    QTest::newRow("variable naming a folder without one") << all.mid(1) << true << false << "user";
    QTest::newRow("XDG_CONFIG_HOME instead of ~/.config") << QStringList{"confighome", "user", "sys1"} << false << true
                                                          << "confighome";
    QTest::newRow("system-wide before the installed course") << all.mid(2) << true << false << "sys1";
    QTest::newRow("second XDG_CONFIG_DIRS entry") << QStringList{"sys2", "program"} << true << false << "sys2";
    QTest::newRow("only the installed course") << QStringList{"program"} << true << false << "program";
    QTest::newRow("none") << QStringList{} << true << false << "";
}

void TestInstall::configOrder() {
    QFETCH(QStringList, present);
    QFETCH(bool, envSet);
    QFETCH(bool, configHomeSet);
    QFETCH(QString, winner);
    QTemporaryDir root;
    const QString r = root.path();
    const QHash<QString, QString> folders{{"env", r + "/win"},
                                          {"confighome", r + "/cfg/tutorix"},
                                          {"user", r + "/home/.config/tutorix"},
                                          {"sys1", r + "/xdg1/tutorix"},
                                          {"sys2", r + "/xdg2/tutorix"},
                                          {"program", r + "/prefix/share/tutorix/course"}};
    QDir().mkpath(r + "/prefix/bin");
    QDir().mkpath(r + "/win");
    for (const QString &p : present) QVERIFY(writeFile(folders[p] + "/Tutorix.ini", "[LING1]\r\n"));
    platform::ConfigSearch search;
    search.windowsDirEnv = envSet ? r + "/win" : QString();
    search.xdgConfigHome = configHomeSet ? r + "/cfg" : QStringLiteral("relative/ignored");
    search.xdgConfigDirs = r + "/xdg1:" + r + "/xdg2";
    search.home = r + "/home";
    search.programDir = r + "/prefix/bin";
    const QString found = platform::findConfigFile(search);
    QCOMPARE(found, winner.isEmpty() ? QString() : folders[winner] + "/Tutorix.ini");
    // Every place is among the candidates, in the order of the table above.
    QStringList expected;
    for (const char *p : {"env", "confighome", "user", "sys1", "sys2", "program"})
        if ((envSet || qstrcmp(p, "env")) && (configHomeSet ? qstrcmp(p, "user") : qstrcmp(p, "confighome")))
            expected << folders[QLatin1String(p)] + "/Tutorix.ini";
    QCOMPARE(platform::configCandidates(search), expected);
}

void TestInstall::relativeFolders_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("installed course") << "media\\" << "/opt/c/media\\";
    QTest::newRow("parent folder") << "..\\share\\data" << "/opt/share/data";
    QTest::newRow("forward slashes") << "sub/data/" << "/opt/c/sub/data\\";
    QTest::newRow("absolute stays") << "/srv/kurz/data\\" << "/srv/kurz/data\\";
    QTest::newRow("absolute with backslashes stays") << "\\srv\\kurz" << "\\srv\\kurz";
    QTest::newRow("empty stays empty") << "" << "";
}

void TestInstall::relativeFolders() {
    QFETCH(QString, value);
    QFETCH(QString, resolved);
    QCOMPARE(platform::resolveConfigDir(value, QStringLiteral("/opt/c")), resolved);
}

void TestInstall::installedCourseStarts() {
    // A course INI with folders relative to itself, as installed.
    testsupport::CourseCopy course;
    QVERIFY(course.isValid());
    QVERIFY(QFile::link(course.mediaDir(), course.root() + "/media"));
    QVERIFY(writeFile(course.root() + "/Tutorix.ini", "[LING1]\r\nCD=media\\\r\nHD=data\\\r\n"));
    course.activate();
    QVERIFY(testsupport::loadConfiguration());
    QCOMPARE(Misc::DataDir, course.root() + "/data\\");
    QCOMPARE(Misc::MediaDir, course.root() + "/media\\");
    QCOMPARE(Misc::WindowsDir, course.root() + "\\");
}

void TestInstall::nothingFoundNamesThePlaces() {
    QTemporaryDir empty;
    qputenv("TUTORIX_WINDOWS_DIR", empty.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (empty.path() + "/cfg").toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", (empty.path() + "/xdg").toLocal8Bit());
    testsupport::messageBoxes().clear();
    QVERIFY(!testsupport::loadConfiguration());
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    const QString text = testsupport::messageBoxes().constFirst().text;
    QVERIFY(text.startsWith(QStringLiteral("Nelze nalézt soubor Tutorix.INI.")));
    for (const QString &place : {empty.path() + "/Tutorix.ini", empty.path() + "/cfg/tutorix/Tutorix.ini",
                                 empty.path() + "/xdg/tutorix/Tutorix.ini"})
        QVERIFY2(text.contains(place), qPrintable(text));
    QVERIFY2(text.contains("share/tutorix/course/Tutorix.ini"), qPrintable(text));
}

void TestInstall::commandLine_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");  // expected in stdout (empty: stdout empty)
    QTest::addColumn<QString>("err");  // expected in stderr (empty: stderr empty)
    QTest::newRow("help") << "tutorix" << QStringList{"--help"} << 0 << "Usage: tutorix" << "";
    QTest::newRow("short help") << "tutorix" << QStringList{"-h"} << 0 << "--version" << "";
    QTest::newRow("version") << "tutorix" << QStringList{"--version"} << 0 << "tutorix 1." << "";
    QTest::newRow("unknown option") << "tutorix" << QStringList{"--bogus"} << 2 << "" << "Unknown option 'bogus'";
    QTest::newRow("scale not a number") << "tutorix" << QStringList{"--scale", "x"} << 2 << "" << "--scale takes";
    QTest::newRow("scale out of range") << "tutorix" << QStringList{"--scale=0"} << 2 << "" << "--scale takes";
    QTest::newRow("argument") << "tutorix" << QStringList{"file"} << 2 << "" << "unexpected argument 'file'";
    QTest::newRow("tool help") << "tutorix-course" << QStringList{"--help"} << 0 << "tutorix-course results [DATADIR]"
                               << "";
    QTest::newRow("tool version") << "tutorix-course" << QStringList{"--version"} << 0 << "tutorix-course 1." << "";
    QTest::newRow("tool unknown option") << "tutorix-course" << QStringList{"--bogus"} << 2 << ""
                                         << "unknown option '--bogus'";
    QTest::newRow("results without folder or course") << "tutorix-course" << QStringList{"results"} << 1 << ""
                                                      << "zadejte složku výsledků";
    QTest::newRow("results unknown format") << "tutorix-course" << QStringList{"results", ".", "--format", "xml"} << 2
                                            << "" << "neznámý formát 'xml'";
    QTest::newRow("results exercise 25") << "tutorix-course" << QStringList{"results", ".", "--exercise", "25"} << 2
                                         << "" << "cvičení musí být 1 ... 24";
    QTest::newRow("results missing folder") << "tutorix-course" << QStringList{"results", "/nonexistent"} << 1 << ""
                                            << "složka neexistuje";
    QTest::newRow("results bad separator") << "tutorix-course" << QStringList{"results", ".", "--separator", "|"} << 2
                                           << "" << "oddělovač musí být";
    QTest::newRow("results xlsx to stdout") << "tutorix-course" << QStringList{"results", ".", "--format", "xlsx"} << 2
                                            << "" << "-o SOUBOR.xlsx";
    QTest::newRow("forget without pupil") << "tutorix-course" << QStringList{"forget", "."} << 2 << ""
                                          << "chybí jméno žáka";
    QTest::newRow("archive into itself") << "tutorix-course" << QStringList{"archive", ".", "."} << 1 << ""
                                         << "archiv musí být jiná složka";
}

void TestInstall::commandLine() {
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess p;
    // --help and --version need no display at all.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    QTemporaryDir runtime;  // keeps Qt's note about a missing runtime folder off stderr
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    p.setProcessEnvironment(env);
    p.start(build(program.toLatin1().constData()), args);
    QVERIFY(p.waitForFinished(20000));
    const QString stdOut = QString::fromUtf8(p.readAllStandardOutput());
    const QString stdErr = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), exitCode);
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.contains(out), qPrintable(stdOut));
    QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.contains(err), qPrintable(stdErr));
}

// Log entries are "name|exercise|right|wrong|grade|yyyy-MM-dd hh:mm", where
// exercise 3 is the exported one; dates are those expected per record.
void TestInstall::resultsExport_data() {
    QTest::addColumn<QStringList>("records");  // lines of 3.res
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("dates");
    QTest::newRow("record with its entry") << QStringList{"Jan|8|2|2|0"}
                                           << QStringList{"Jan|3|8|2|2|2026-12-01 10:15"}
                                           << QStringList{"2026-12-01 10:15"};
    QTest::newRow("Czech name, comma and quotes")
        << QStringList{"Šťastná, \"Žofie\"|10|0|1|0"} << QStringList{"Šťastná, \"Žofie\"|3|10|0|1|2026-11-30 08:05"}
        << QStringList{"2026-11-30 08:05"};
    QTest::newRow("equal records take the entries in order")
        << QStringList{"Jan|8|2|2|0", "Jan|8|2|2|1"}
        << QStringList{"Jan|3|8|2|2|2026-12-01 10:15", "Jan|3|8|2|2|2026-12-02 11:00"}
        << QStringList{"2026-12-01 10:15", "2026-12-02 11:00"};
    QTest::newRow("other counts do not match") << QStringList{"Jan|9|1|1|0"}
                                               << QStringList{"Jan|3|8|2|2|2026-12-01 10:15"} << QStringList{""};
    QTest::newRow("other exercise does not match") << QStringList{"Jan|8|2|2|0"}
                                                   << QStringList{"Jan|4|8|2|2|2026-12-01 10:15"} << QStringList{""};
    QTest::newRow("name longer than its column, inner spaces")
        << QStringList{"Marie  Terezie Anna Nováková-Dvořáková ml.|5|5|4|0"}
        << QStringList{"Marie  Terezie Anna Nováková-Dvořáková ml.|3|5|5|4|2026-10-09 23:59"}
        << QStringList{"2026-10-09 23:59"};
    QTest::newRow("bar in a name is stored as slash") << QStringList{"A/B|7|3|3|0"}
                                                      << QStringList{"A|B|3|7|3|3|2026-01-02 03:04"}
                                                      << QStringList{"2026-01-02 03:04"};
    QTest::newRow("unreadable line is not listed") << QStringList{"Jan|x|2|2|0", "Eva|6|4|3|0"} << QStringList{}
                                                   << QStringList{""};
}

void TestInstall::resultsExport() {
    QFETCH(QStringList, records);
    QFETCH(QStringList, log);
    QFETCH(QStringList, dates);
    testsupport::CourseCopy course;
    QVERIFY(course.isValid());
    const QStringList texts = content::readScrambledLines(course.dataDir() + "/Texty.dat");
    const auto text = [&](int k) { return texts.value(k - 1); };
    QVERIFY(writeFile(course.dataDir() + "/3.res", encoded(records)));
    for (const QString &e : log) {
        // The name may hold "|": the other five fields are taken from the end.
        QStringList f = e.split(QLatin1Char('|'));
        const QStringList tail = f.mid(f.size() - 5);
        results::LogEntry entry;
        entry.name = f.mid(0, f.size() - 5).join(QLatin1Char('|'));
        entry.group = text(3);
        entry.exercise = text(screens::nameTextOfExercise(tail[0].toInt()));
        entry.questionCount = tail[1].toInt() + tail[2].toInt();
        entry.right = tail[1];
        entry.wrong = tail[2];
        entry.grade = tail[3];
        entry.when = QDateTime::fromString(tail[4], QStringLiteral("yyyy-MM-dd hh:mm"));
        QVERIFY(results::appendLogEntry(course.dataDir() + "/Vysledky.dat", results::logEntryLinesOf(entry, text)));
    }
    QStringList warnings;
    const auto rows = results::collectResults(course.dataDir(), texts, 0, &warnings);
    // Read back as a spreadsheet would: byte order mark, then UTF-8 CSV.
    const QByteArray csv = results::formatCsv(rows);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> table = readCsv(QString::fromUtf8(csv.mid(3)));
    QCOMPARE(table.size(), dates.size() + 1);
    QCOMPARE(table[0], (QStringList{"Cvičení", "Název cvičení", "Jméno", "Správně", "Špatně", "Známka", "Datum a čas"}));
    int row = 1;
    for (const QString &line : records) {
        const auto rec = results::parseResultLine(line);
        if (!rec) continue;
        const QStringList &cells = table[row];
        QCOMPARE(cells.size(), 7);
        QCOMPARE(cells[0], QStringLiteral("3"));
        QCOMPARE(cells[1], text(screens::nameTextOfExercise(3)));
        QCOMPARE(cells[2], rec->name);
        QCOMPARE(cells.mid(3, 3), (QStringList{QString::number(rec->right), QString::number(rec->wrong),
                                              QString::number(rec->grade)}));
        QCOMPARE(cells[6], dates[row - 1]);
        ++row;
    }
    QCOMPARE(warnings.size(), records.size() - dates.size());
}

void TestInstall::resultsCommand() {
    // The command end to end: JSON of one exercise, printed as UTF-8.
    testsupport::CourseCopy course;
    QVERIFY(writeFile(course.dataDir() + "/3.res", encoded({"Žofie|8|2|2|0"})));
    QVERIFY(writeFile(course.dataDir() + "/5.res", encoded({"Jan|1|9|5|0"})));
    QProcess p;
    p.start(build("tutorix-course"), {"results", course.dataDir(), "--format", "json", "--exercise", "3"});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), 0);
    const QJsonArray rows = QJsonDocument::fromJson(p.readAllStandardOutput()).array();
    QCOMPARE(rows.size(), 1);
    const QJsonObject o = rows.first().toObject();
    QCOMPARE(o.value("name").toString(), QStringLiteral("Žofie"));
    QCOMPARE(o.value("exercise").toInt(), 3);
    QCOMPARE(o.value("grade").toInt(), 2);
    QVERIFY(o.value("date").isNull());
}

// Every format carries the same rows, read back as a spreadsheet reads them:
// CSV split at the chosen separator (quoting follows it), xlsx cells typed.
void TestInstall::resultsFormats_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("separator");  // "" for the workbook
    QTest::newRow("comma") << QStringList{} << ",";
    QTest::newRow("semicolon") << QStringList{"--separator", ";"} << ";";
    QTest::newRow("tab") << QStringList{"--separator", "tab"} << "\t";
    QTest::newRow("xlsx") << QStringList{"--format", "xlsx"} << "";
}

void TestInstall::resultsFormats() {
    QFETCH(QStringList, options);
    QFETCH(QString, separator);
    testsupport::CourseCopy course;
    const QStringList names{"Novák, Jan", "Malá; Eva", "\"Ája\" Dvořáková"};
    QVERIFY(writeFile(course.dataDir() + "/3.res", encoded({names[0] + "|9|1|1|0", names[1] + "|7|3|3|0",
                                                            names[2] + "|2|8|5|0"})));
    const QStringList texts = content::readScrambledLines(course.dataDir() + "/Texty.dat");
    const auto text = [&](int k) { return texts.value(k - 1); };
    const QDateTime when(QDate(2026, 12, 7), QTime(9, 5));
    results::LogEntry entry{names[0], text(3), text(screens::nameTextOfExercise(3)), 10, "9", "1", "1", when};
    QVERIFY(results::appendLogEntry(course.dataDir() + "/Vysledky.dat", results::logEntryLinesOf(entry, text)));
    QTemporaryDir out;
    const QString file = out.filePath(separator.isEmpty() ? "v.xlsx" : "v.csv");
    QProcess p;
    p.start(build("tutorix-course"), QStringList{"results", course.dataDir(), "-o", file} + options);
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), 0);
    const QList<int> numbers{9, 1, 1, 7, 3, 3, 2, 8, 5};
    if (!separator.isEmpty()) {
        const QString csv = QString::fromUtf8(testsupport::readBytes(file).mid(3));
        const QList<QStringList> rows = readCsv(csv, separator.at(0));
        QCOMPARE(rows.size(), 4);
        for (int r = 1; r <= 3; ++r) {
            QCOMPARE(rows[r].size(), 7);
            QCOMPARE(rows[r][2], names[r - 1]);
            for (int c = 0; c < 3; ++c) QCOMPARE(rows[r][3 + c].toInt(), numbers[(r - 1) * 3 + c]);
            // A name is quoted only for the separator in use (and its quotes).
            const QString field = csv.split("\r\n")[r].split(separator)[2];
            QCOMPARE(field.startsWith('"'), names[r - 1].contains(separator) || names[r - 1].contains('"'));
        }
        QCOMPARE(rows[1][6], QStringLiteral("2026-12-07 09:05"));
        return;
    }
    const auto part = [&](const char *name) {
        QProcess unzip;
        unzip.start("unzip", {"-p", file, name});
        return unzip.waitForFinished(10000) ? QString::fromUtf8(unzip.readAllStandardOutput()) : QString();
    };
    QVERIFY(part("xl/workbook.xml").contains("<sheet name=\"Přehled\"") &&
            part("xl/workbook.xml").contains("<sheet name=\"Cvičení 3\""));
    // cell reference -> (attributes, value) of the exercise sheet
    QMap<QString, QPair<QString, QString>> cells;
    const QRegularExpression cell("<c r=\"([A-Z]+[0-9]+)\"([^>]*)><v>([^<]*)</v>");
    for (const auto &m : cell.globalMatch(part("xl/worksheets/sheet2.xml"))) cells[m.captured(1)] = {m.captured(2), m.captured(3)};
    QVERIFY(part("xl/worksheets/sheet2.xml").contains("state=\"frozen\""));
    for (int r = 2; r <= 4; ++r) {
        QVERIFY(cells[QString("C%1").arg(r)].first.contains("t=\"s\""));  // names are text
        QCOMPARE(cells[QString("A%1").arg(r)], qMakePair(QString(), QString("3")));
        for (int c = 0; c < 3; ++c)  // counts and grade are plain numbers
            QCOMPARE(cells[QString(QChar('D' + c)) + QString::number(r)],
                     qMakePair(QString(), QString::number(numbers[(r - 2) * 3 + c])));
    }
    // The date is a number in a date format: days since 30.12.1899.
    const auto date = cells.value("G2");
    const double serial = QDate(1899, 12, 30).daysTo(when.date()) + (9 * 60 + 5) / 1440.0;
    QVERIFY2(qAbs(date.second.toDouble() - serial) < 1e-6, qPrintable(date.second));
    const QString style = QRegularExpression("s=\"(\\d+)\"").match(date.first).captured(1);
    QVERIFY(!style.isEmpty() && !cells.contains("G3"));
    const QString styles = part("xl/styles.xml");
    const QString xf = styles.mid(styles.indexOf("<cellXfs")).split("<xf ").value(style.toInt() + 1);
    const QString fmt = QRegularExpression("numFmtId=\"(\\d+)\"").match(xf).captured(1);
    QVERIFY2(styles.contains(QString("numFmtId=\"%1\" formatCode=\"d.m.yyyy h:mm\"").arg(fmt)), qPrintable(xf));
    // The summary: each pupil's grade in exercise 3, a number.
    QVERIFY(part("xl/worksheets/sheet1.xml").contains("<c r=\"B2\"><v>"));
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
