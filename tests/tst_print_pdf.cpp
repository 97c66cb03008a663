// Worksheets printed into PDF files from the bundled course, read back with
// pdftotext -bbox: pages, positions of the frame and rows, copies.
#include "state/Misc.h"
#include "app/Startup.h"
#include "content/Records.h"
#include "exercise/frm_Game01.h"
#include "print/Worksheets.h"
#include "testsupport.h"

#include <QDate>
#include <QLineEdit>
#include <QSpinBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <set>

namespace {

constexpr double kMmPerPt = 25.4 / 72.0;

struct Word {
    double x, y, right, bottom;  // mm
    QString text;
};
using Page = QList<Word>;

QString unescape(QString s) {
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&#39;"), QLatin1String("'"));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s;
}

// The words of every page with their boxes in mm.
QList<Page> readPdf(const QString &pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    QList<Page> pages;
    static const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            pages.append(Page{});
            continue;
        }
        if (pages.isEmpty()) continue;
        pages.last().append({m.captured(1).toDouble() * kMmPerPt, m.captured(2).toDouble() * kMmPerPt,
                             m.captured(3).toDouble() * kMmPerPt, m.captured(4).toDouble() * kMmPerPt,
                             unescape(m.captured(5))});
    }
    return pages;
}

QList<Word> find(const Page &page, const QString &text) {
    QList<Word> found;
    for (const Word &w : page)
        if (w.text == text) found.append(w);
    return found;
}

int countOf(const QList<Page> &pages, const QString &text) {
    int n = 0;
    for (const Page &p : pages) n += int(find(p, text).size());
    return n;
}

bool near(double a, double b, double tolerance = 0.6) { return std::abs(a - b) <= tolerance; }

}  // namespace

class TestPrintPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pageCounts_data();
    void pageCounts();
    void itemAreaTop_data();
    void itemAreaTop();
    void frame_data();
    void frame();
    void copiesDiffer();
    void tooFewRecordsFails();
    void courseToolPrints();
    void everyExercisePrints();
    void printDialogCancelled();
    void printDialogToFile();
    void printerFailureIsReported();
    void dialogOffersOnlyWhatSheetsHonour();

private:
    // Loads the content of exercise e as the exercise form does.
    void load(int exercise, int count, const QString &name = {});
    QString pdf(const QString &name) const { return m_out.filePath(name); }
    QList<Page> print(const QString &name, int copies = 1);

    testsupport::CourseCopy m_course;
    QTemporaryDir m_out;
};

void TestPrintPdf::initTestCase() {
    QVERIFY(m_course.isValid());
    QVERIFY(m_out.isValid());
    m_course.activate();
    QVERIFY(testsupport::loadConfiguration());
    QVERIFY(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty());
}

void TestPrintPdf::load(int exercise, int count, const QString &name) {
    QVERIFY(content::LoadContentFile(Misc::dataFilePath(QStringLiteral("%1.dat").arg(exercise)),
                                     content::layoutOfExercise(exercise), exercise));
    if (exercise == 21) content::copyChosenTopics([](int) { return true; });
    Misc::ExerciseNumber = QString::number(exercise);
    Misc::QuestionCount = std::uint8_t(count);
    Misc::ItemsRemaining = count;
    Misc::PupilName = name;
}

QList<Page> TestPrintPdf::print(const QString &name, int copies) {
    QString error;
    const bool ok = print::printToPdf(pdf(name), copies, &error);
    if (!ok) qWarning() << "printing failed:" << error;
    return ok ? readPdf(pdf(name)) : QList<Page>{};
}

void TestPrintPdf::pageCounts_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("perPage");  // a marker's count on each page
    QTest::addColumn<QString>("marker");
    // Word lists: one underline per block, five blocks a page.
    QTest::newRow("18 x 10") << 18 << 10 << QList<int>{5, 5} << QString(55, QLatin1Char('_'));
    QTest::newRow("18 x 30") << 18 << 30 << QList<int>{5, 5, 5, 5, 5, 5} << QString(55, QLatin1Char('_'));
    // Clocks: 30 positions, three blocks of five clocks (labels "A)").
    QTest::newRow("19 x 15") << 19 << 15 << QList<int>{2, 1} << QStringLiteral("A)");
    // Topic pairs: five blocks, four on page 1.
    QTest::newRow("21 x 25") << 21 << 25 << QList<int>{4, 1} << QStringLiteral("Dvojice:");
    // Choices: 15 items on page 1, 5 on page 2.
    QTest::newRow("7 x 20") << 7 << 20 << QList<int>{15, 5} << QString(15, QLatin1Char('_'));
}

void TestPrintPdf::pageCounts() {
    QFETCH(int, exercise);
    QFETCH(int, count);
    QFETCH(QList<int>, perPage);
    QFETCH(QString, marker);
    load(exercise, count);
    const QList<Page> pages = print(QStringLiteral("count-%1-%2.pdf").arg(exercise).arg(count));
    QCOMPARE(pages.size(), perPage.size());
    for (int p = 0; p < pages.size(); ++p) {
        QCOMPARE(int(find(pages[p], marker).size()), perPage[p]);
        QCOMPARE(int(find(pages[p], QStringLiteral("Stránka:")).size()), 1);
    }
}

void TestPrintPdf::itemAreaTop_data() {
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<int>("lines");
    QTest::addColumn<double>("firstRow");
    QTest::newRow("one line") << QStringLiteral("Doplň do každé věty člen.") << 1 << 44.0;
    QString longText;
    for (int i = 0; i < 30; ++i) longText += QStringLiteral("Přečti si větu a doplň ");
    QTest::newRow("five lines") << longText.trimmed() << 5 << 64.0;
}

void TestPrintPdf::itemAreaTop() {
    QFETCH(QString, instruction);
    QFETCH(int, lines);
    QFETCH(double, firstRow);
    const QString saved = Misc::TextTable[51];
    Misc::TextTable[51] = instruction;
    load(1, 10);
    const QList<Page> pages = print(QStringLiteral("top-%1.pdf").arg(lines));
    Misc::TextTable[51] = saved;
    QCOMPARE(pages.size(), 1);
    // Instruction lines start at 4 mm, at y = 30, 35, ...
    std::set<int> instructionRows;
    for (const Word &w : pages[0])
        if (w.y > 27 && w.y < 56 && near(w.x, 4)) instructionRows.insert(qRound(w.y));
    QCOMPARE(int(instructionRows.size()), lines);
    QVERIFY(near(*instructionRows.begin(), 30, 1));
    QVERIFY(near(*instructionRows.rbegin(), 30 + 5 * (lines - 1), 1));
    // The first row's blank, 7 mm below the area top; ten rows 7 mm apart.
    QList<Word> blanks = find(pages[0], QString(9, QLatin1Char('_')));
    QCOMPARE(blanks.size(), 10);
    std::sort(blanks.begin(), blanks.end(), [](const Word &a, const Word &b) { return a.y < b.y; });
    QVERIFY2(near(blanks.first().y, firstRow), qPrintable(QString::number(blanks.first().y)));
    QVERIFY(near(blanks.last().y, firstRow + 63));
}

void TestPrintPdf::frame_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("with a name") << QStringLiteral("Šárka");
    QTest::newRow("without a name") << QString();
    QTest::newRow("name longer than its line")
        << QStringLiteral("Bartoloměj Maxmilián Wolfeschlegelsteinhausenberger-Dobrovolný");
}

void TestPrintPdf::frame() {
    QFETCH(QString, name);
    load(18, 10, name);
    const QList<Page> pages = print(QStringLiteral("frame-%1.pdf").arg(name.isEmpty() ? 0 : 1));
    QCOMPARE(pages.size(), 2);
    for (int p = 0; p < 2; ++p) {
        const Page &page = pages[p];
        // Title 20 pt at (4, 4), subtitle and the name line at y = 17.
        const QString titleWord = Misc::Text(77).section(QLatin1Char(' '), 0, 0);
        const QList<Word> title = find(page, titleWord);
        QVERIFY(!title.isEmpty());
        QVERIFY(near(title[0].x, 4) && near(title[0].y, 4, 1));
        QVERIFY2(title[0].bottom - title[0].y > 6, "title is the large font");
        const QList<Word> subtitle = find(page, Misc::Text(88).section(QLatin1Char(' '), 0, 0));
        QVERIFY(!subtitle.isEmpty() && near(subtitle[0].x, 4) && near(subtitle[0].y, 17));
        const QList<Word> jmeno = find(page, QStringLiteral("Jméno:"));
        QCOMPARE(jmeno.size(), 1);
        QVERIFY(near(jmeno[0].x, 116) && near(jmeno[0].y, 17));
        const QList<Word> dots = find(page, QString(56, QLatin1Char('.')));
        QCOMPARE(int(dots.size()), 1);
        // The name above the dotted line, only when there is one, ending
        // in "…" where the line ends.
        QStringList aboveLine;
        for (const Word &w : page)
            if (w.x > 130 && w.y > 12 && w.y < 16) {
                if (aboveLine.isEmpty()) QVERIFY(near(w.x, 136));
                aboveLine << w.text;
                QVERIFY2(w.right <= dots[0].right + 0.3, qPrintable(w.text));
            }
        const QString shown = aboveLine.join(QLatin1Char(' '));
        if (shown.endsWith(QChar(0x2026))) {
            QVERIFY(name.startsWith(shown.chopped(1)));
            QVERIFY(shown.size() > 20);
        } else {
            QCOMPARE(shown, name);
        }
        // Footer at y = 285: date, page, product.
        const QList<Word> datum = find(page, Misc::Text(36) + QLatin1Char(':'));
        QCOMPARE(datum.size(), 1);
        QVERIFY(near(datum[0].x, 4) && near(datum[0].y, 285));
        QCOMPARE(int(find(page, QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))).size()), 1);
        const QList<Word> stranka = find(page, QStringLiteral("Stránka:"));
        QCOMPARE(stranka.size(), 1);
        QVERIFY(near(stranka[0].x, 100) && near(stranka[0].y, 285));
        QCOMPARE(int(find(page, QString::number(p + 1)).size()) >= 1, true);
        const QList<Word> product = find(page, QStringLiteral("Tutorix"));
        QCOMPARE(product.size(), 1);
        QVERIFY(near(product[0].x, 167) && near(product[0].y, 285));
    }
}

void TestPrintPdf::copiesDiffer() {
    load(3, 10);
    const QList<Page> pages = print(QStringLiteral("copies.pdf"), 3);
    QCOMPARE(pages.size(), 3);
    std::set<QStringList> selections;
    for (const Page &page : pages) {
        QStringList prompts;  // the first word of each row, top to bottom
        for (const Word &blank : find(page, QString(32, QLatin1Char('_'))))
            for (const Word &w : page)
                if (near(w.y, blank.y, 0.3) && near(w.x, 20)) prompts << w.text;
        QCOMPARE(prompts.size(), 10);
        QCOMPARE(int(find(page, QStringLiteral("Stránka:")).size()), 1);
        selections.insert(prompts);
    }
    QCOMPARE(int(selections.size()), 3);
}

void TestPrintPdf::tooFewRecordsFails() {
    load(1, 10);
    Misc::RecordCount = 9;  // fewer records than questions: the draw could never finish
    QString error;
    QFile::remove(pdf(QStringLiteral("few.pdf")));
    QVERIFY(!print::printToPdf(pdf(QStringLiteral("few.pdf")), 1, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(pdf(QStringLiteral("few.pdf"))));
    Misc::TopicRecordCount = 4;
    load(1, 10);
    Misc::ExerciseNumber = QStringLiteral("21");
    QVERIFY(!print::printToPdf(pdf(QStringLiteral("few.pdf")), 1, &error));
    Misc::ExerciseNumber = QStringLiteral("22");  // listening: no worksheet
    QVERIFY(!print::printToPdf(pdf(QStringLiteral("few.pdf")), 1, &error));
}

void TestPrintPdf::courseToolPrints() {
    const QString out = pdf(QStringLiteral("tool.pdf"));
    QProcess tool;
    tool.start(QStringLiteral(TUTORIX_COURSE_TOOL),
               {QStringLiteral("print"), m_course.dataDir(), QStringLiteral("19"), QStringLiteral("25"), out,
                QStringLiteral("Jiří"), QStringLiteral("2")});
    QVERIFY(tool.waitForFinished(120000));
    QCOMPARE(tool.exitCode(), 0);
    const QList<Page> pages = readPdf(out);
    QCOMPARE(pages.size(), 6);  // 3 pages per copy
    QCOMPARE(countOf(pages, QStringLiteral("A)")), 10);
    QCOMPARE(countOf(pages, QStringLiteral("Jiří")), 6);

    tool.start(QStringLiteral(TUTORIX_COURSE_TOOL),
               {QStringLiteral("print"), m_course.dataDir(), QStringLiteral("22"), QStringLiteral("10"), out});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 2);
}

void TestPrintPdf::everyExercisePrints() {
    for (int e = 1; e <= 21; ++e) {
        load(e, 30, QStringLiteral("Žofie"));
        const QList<Page> pages = print(QStringLiteral("all-%1.pdf").arg(e));
        const int expected[] = {0, 1, 1, 1, 1, 1, 1, 2, 2, 1, 2, 1, 2, 2, 2, 1, 1, 1, 6, 3, 1, 2};
        QCOMPARE(pages.size(), expected[e]);
        // Nothing is printed outside the sheet.
        for (const Page &p : pages)
            for (const Word &w : p) QVERIFY2(w.x >= 0 && w.right <= 210.5 && w.bottom <= 297, qPrintable(w.text));
    }
}

namespace {

// Answers the print dialog as soon as it is up: the file name (when given)
// goes into its output file box, then it is accepted or cancelled.
void answerPrintDialog(QString *title, const QString &toFile, int copies = 1) {
    QTimer::singleShot(200, [title, toFile, copies] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        if (!dialog) return;
        *title = dialog->windowTitle();
        if (toFile.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        if (auto *box = dialog->findChild<QLineEdit *>(QStringLiteral("filename"))) box->setText(toFile);
        dialog->printer()->setOutputFileName(toFile);
        if (auto *spin = dialog->findChild<QSpinBox *>(QStringLiteral("copies"))) spin->setValue(copies);
        dialog->accept();
    });
}

}  // namespace

void TestPrintPdf::printDialogCancelled() {
    load(1, 10);
    testsupport::messageBoxes().clear();
    Misc::PrintMode = false;
    QString title;
    answerPrintDialog(&title, {});
    print::RunPrintJob();
    QCOMPARE(title, Misc::Text(34));
    QVERIFY(testsupport::messageBoxes().isEmpty());  // silently
    QVERIFY(!Misc::PrintMode);
    QVERIFY(!frm_Game01::loaded());
}

void TestPrintPdf::printDialogToFile() {
    Misc::ExerciseNumber = QStringLiteral("7");
    Misc::QuestionCount = 20;
    Misc::PupilName = QStringLiteral("Ondřej");
    testsupport::messageBoxes().clear();
    const QString out = pdf(QStringLiteral("dialog.pdf"));
    QString title;
    answerPrintDialog(&title, out, 2);
    print::RunPrintJob();
    QCOMPARE(title, Misc::Text(34));
    // One short notice says where the PDF went.
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    QCOMPARE(testsupport::messageBoxes()[0].icon, platform::MsgIcon::Information);
    QVERIFY2(testsupport::messageBoxes()[0].text.endsWith(QFileInfo(out).absoluteFilePath()),
             qPrintable(testsupport::messageBoxes()[0].text));
    QVERIFY(!Misc::PrintMode);
    QVERIFY(!frm_Game01::existing());
    const QList<Page> pages = readPdf(out);
    // Two copies: two worksheets of two pages, each printed once.
    QCOMPARE(pages.size(), 4);
    QCOMPARE(countOf(pages, QStringLiteral("Ondřej")), 4);
    QCOMPARE(countOf(pages, QString(15, QLatin1Char('_'))), 40);
    QCOMPARE(int(find(pages[2], QStringLiteral("Stránka:")).size()), 1);
}

void TestPrintPdf::printerFailureIsReported() {
    Misc::ExerciseNumber = QStringLiteral("3");
    Misc::QuestionCount = 10;
    testsupport::messageBoxes().clear();
    QString title;
    // An output file that cannot be created: the printer cannot start.
    answerPrintDialog(&title, m_out.filePath(QStringLiteral("no/such/folder/x.pdf")));
    print::RunPrintJob();
    QCOMPARE(title, Misc::Text(34));
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    QCOMPARE(testsupport::messageBoxes()[0].caption, Misc::Text(34));
    QVERIFY(testsupport::messageBoxes()[0].text.contains(QStringLiteral("nepodařilo")));
    QVERIFY(!Misc::PrintMode);
    QVERIFY(!frm_Game01::existing());
}

void TestPrintPdf::dialogOffersOnlyWhatSheetsHonour() {
    // A page range and landscape would be ignored or squeeze the rows: the
    // dialog does not offer a range, and the sheets print portrait, whole.
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer);
    print::setUpPrintDialog(dialog);
    QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintPageRange));
    QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintCurrentPage));
    QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintSelection));
    QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintToFile));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    printer.setCopyCount(3);
    QCOMPARE(print::settlePrinter(printer), 3);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
    QCOMPARE(printer.printRange(), QPrinter::AllPages);
    QCOMPARE(printer.fromPage(), 0);
    QCOMPARE(printer.copyCount(), 1);
}

QTEST_MAIN(TestPrintPdf)
#include "tst_print_pdf.moc"
