#include "course/report/ReportPdf.h"

#include "course/report/ReportCharts.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextTable>

#include <vector>

namespace report {

namespace {

constexpr int kDpi = 96;
constexpr int kChartObject = QTextFormat::UserObject + 1;
constexpr int kChartIndex = QTextFormat::UserProperty + 1;
// A panel: a heading and a line above charts kChartIndex ... + kChartCount - 1,
// one object, so that a page break never parts them.
constexpr int kChartCount = QTextFormat::UserProperty + 2;
constexpr int kPanelTitle = QTextFormat::UserProperty + 3;
constexpr int kPanelLine = QTextFormat::UserProperty + 4;
constexpr qreal kPanelHead = 36;

QString num(int n) { return QLocale(QLocale::Czech).toString(n); }

// Draws the charts that the document holds as object characters.
class ChartObjects : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    ChartObjects(const std::vector<Chart> &charts, qreal width) : m_charts(charts), m_width(width) {}
    QSizeF intrinsicSize(QTextDocument *, int, const QTextFormat &format) override {
        const auto [first, count] = range(format);
        qreal w = 0, h = 0;
        for (int i = first; i < first + count; ++i) {
            w += m_charts[std::size_t(i)].size().width() + (i > first ? kGap : 0);
            h = std::max(h, m_charts[std::size_t(i)].size().height());
        }
        const qreal scale = std::min<qreal>(1.0, m_width / w);
        const qreal head = format.hasProperty(kPanelTitle) ? kPanelHead : 0;
        return QSizeF(format.hasProperty(kPanelTitle) ? m_width : w * scale, head + h * scale);
    }
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int, const QTextFormat &format) override {
        // A chart is never split: it stands whole on the page being drawn or
        // belongs to another page.
        if (rect.top() < page.top() - 0.5 || rect.bottom() > page.bottom() + 0.5) return;
        const auto [first, count] = range(format);
        qreal x = rect.left(), top = rect.top();
        if (format.hasProperty(kPanelTitle)) {
            painter->save();
            painter->setPen(QColor(0x1d, 0x27, 0x33));
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPointSizeF(11.5);
            f.setBold(true);
            painter->setFont(f);
            painter->drawText(QRectF(x, top, rect.width(), 20), Qt::AlignLeft | Qt::AlignVCenter,
                              format.property(kPanelTitle).toString());
            f.setPointSizeF(8.5);
            f.setBold(false);
            painter->setFont(f);
            painter->setPen(QColor(0x5b, 0x66, 0x73));
            painter->drawText(QRectF(x, top + 19, rect.width(), 14), Qt::AlignLeft | Qt::AlignVCenter,
                              format.property(kPanelLine).toString());
            painter->restore();
            top += kPanelHead;
        }
        qreal w = 0;
        for (int i = first; i < first + count; ++i) w += m_charts[std::size_t(i)].size().width() + (i > first ? kGap : 0);
        const qreal scale = std::min<qreal>(1.0, m_width / w);
        for (int i = first; i < first + count; ++i) {
            const QSizeF size = m_charts[std::size_t(i)].size() * scale;
            m_charts[std::size_t(i)].paint(painter, QRectF(QPointF(x, top), size));
            x += size.width() + kGap * scale;
        }
    }
    QRectF page;  // of the document, being drawn now

private:
    static constexpr qreal kGap = 12;
    static std::pair<int, int> range(const QTextFormat &f) {
        return {f.property(kChartIndex).toInt(), f.hasProperty(kChartCount) ? f.property(kChartCount).toInt() : 1};
    }
    const std::vector<Chart> &m_charts;
    qreal m_width;
};

class Pdf {
public:
    Pdf(const ReportDocument &doc, qreal width) : d(doc), r(doc.report), m_width(width), c(&m_doc) {}
    QTextDocument &build();
    std::vector<Chart> charts;

private:
    void heading(const QString &text, int level, bool newPage = false);
    void para(const QString &text, bool muted = false, qreal points = 9.5);
    void chart(Chart chart);
    void endCharts();
    // Heading, a line below it and charts as one block that a page break never splits.
    void chartBlock(const QString &title, const QString &line, std::vector<Chart> blockCharts);
    QTextTable *table(int rows, const QStringList &headers, const QString &caption);
    void cell(QTextTable *t, int row, int column, const QString &text, int grade = -1, bool bold = false,
              bool right = false);
    void glance();
    void exercises();
    void hardest();
    void pupil(const results::PupilReport &p, bool first);
    QString wrongList(const results::WrongAnswers &w) const {
        QStringList parts;
        for (const auto &[text, count] : w)
            parts << QStringLiteral("%1 %2×").arg(text.trimmed().isEmpty() ? answerCs(text) : QStringLiteral("„%1“").arg(text),
                                                  QString::number(count));
        return parts.join(QStringLiteral(", "));
    }

    const ReportDocument &d;
    const results::ClassReport &r;
    qreal m_width;
    QTextDocument m_doc;
    QTextCursor c;
    bool m_inCharts = false;
};

QTextCharFormat textFormat(qreal points, bool bold = false, const QColor &colour = QColor(0x1d, 0x27, 0x33)) {
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("DejaVu Sans")});
    f.setFontPointSize(points);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setForeground(colour);
    return f;
}

void Pdf::heading(const QString &text, int level, bool newPage) {
    endCharts();
    QTextBlockFormat b;
    b.setTopMargin(level == 1 ? 0 : level == 2 ? 14 : 9);
    b.setBottomMargin(4);
    b.setHeadingLevel(level);
    if (newPage) b.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    c.insertBlock(b, textFormat(level == 1 ? 18 : level == 2 ? 14 : 11.5, true));
    c.insertText(text);
}

void Pdf::para(const QString &text, bool muted, qreal points) {
    endCharts();
    QTextBlockFormat b;
    b.setBottomMargin(4);
    c.insertBlock(b, textFormat(points, false, muted ? QColor(0x5b, 0x66, 0x73) : QColor(0x1d, 0x27, 0x33)));
    c.insertText(text);
}

void Pdf::chart(Chart ch) {
    if (!m_inCharts) {
        QTextBlockFormat b;
        b.setTopMargin(4);
        b.setBottomMargin(6);
        b.setNonBreakableLines(true);
        c.insertBlock(b);
        m_inCharts = true;
    } else {
        c.insertText(QStringLiteral("  "));
    }
    QTextCharFormat f;
    f.setObjectType(kChartObject);
    f.setProperty(kChartIndex, int(charts.size()));
    charts.push_back(std::move(ch));
    c.insertText(QString(QChar::ObjectReplacementCharacter), f);
}

void Pdf::endCharts() { m_inCharts = false; }

void Pdf::chartBlock(const QString &title, const QString &line, std::vector<Chart> blockCharts) {
    endCharts();
    QTextBlockFormat b;
    b.setTopMargin(8);
    b.setBottomMargin(4);
    c.insertBlock(b);
    QTextCharFormat f;
    f.setObjectType(kChartObject);
    f.setProperty(kChartIndex, int(charts.size()));
    f.setProperty(kChartCount, int(blockCharts.size()));
    f.setProperty(kPanelTitle, title);
    f.setProperty(kPanelLine, line);
    for (Chart &ch : blockCharts) charts.push_back(std::move(ch));
    c.insertText(QString(QChar::ObjectReplacementCharacter), f);
}

QTextTable *Pdf::table(int rows, const QStringList &headers, const QString &caption) {
    if (!caption.isEmpty()) {
        para(caption, false, 9.5);
        QTextCharFormat bold = textFormat(9.5, true);
        c.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
        c.mergeCharFormat(bold);
        c.clearSelection();
        c.movePosition(QTextCursor::EndOfBlock);
    }
    endCharts();
    QTextTableFormat tf;
    tf.setBorderCollapse(true);
    tf.setBorder(0.6);
    tf.setBorderBrush(QColor(0xc5, 0xcb, 0xd1));
    tf.setCellPadding(3);
    tf.setCellSpacing(0);
    tf.setHeaderRowCount(1);
    tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tf.setBottomMargin(8);
    QTextTable *t = c.insertTable(rows + 1, int(headers.size()), tf);
    for (int k = 0; k < headers.size(); ++k) {
        QTextTableCell h = t->cellAt(0, k);
        QTextTableCellFormat cf = h.format().toTableCellFormat();
        cf.setBackground(QColor(0xf0, 0xf2, 0xf5));
        h.setFormat(cf);
        QTextCursor hc = h.firstCursorPosition();
        hc.insertText(headers[k], textFormat(8, true));
    }
    return t;
}

void Pdf::cell(QTextTable *t, int row, int column, const QString &text, int grade, bool bold, bool right) {
    QTextTableCell cl = t->cellAt(row + 1, column);
    if (grade >= 0) {
        QTextTableCellFormat cf = cl.format().toTableCellFormat();
        cf.setBackground(QColor(gradeTint(grade)));
        cl.setFormat(cf);
    }
    QTextCursor cc = cl.firstCursorPosition();
    if (right) {
        QTextBlockFormat b = cc.blockFormat();
        b.setAlignment(Qt::AlignRight);
        cc.setBlockFormat(b);
    }
    cc.insertText(text, textFormat(8, bold));
}

void Pdf::glance() {
    heading(QStringLiteral("Třída na první pohled"), 2);
    if (r.pupils.empty()) return para(QStringLiteral("Ve vybraných výsledcích zatím není žádný běh cvičení."), true);
    para(QStringLiteral("V každém políčku: poslední známka, v závorce nejlepší známka a počet běhů. Barva podle "
                        "poslední známky (1 zelená … 5 červená)."),
         true, 8);
    QStringList headers{QStringLiteral("Žák")};
    for (const results::ExerciseReport &e : r.exercises) headers << QString::number(e.exercise);
    headers << QStringLiteral("Běhů") << QStringLiteral("Průměr");
    QTextTable *t = table(int(r.pupils.size()), headers, QStringLiteral("Žáci a cvičení"));
    for (int i = 0; i < int(r.pupils.size()); ++i) {
        const results::PupilReport &p = r.pupils[std::size_t(i)];
        cell(t, i, 0, p.name, -1, true);
        int k = 1;
        for (const results::ExerciseReport &e : r.exercises) {
            const results::GradeCell &g = p.cells[std::size_t(e.exercise)];
            if (g.runs == 0) cell(t, i, k++, QStringLiteral("–"));
            else
                cell(t, i, k++,
                     QStringLiteral("%1 (%2, %3×)")
                         .arg(g.lastGrade > 0 ? QString::number(g.lastGrade) : QStringLiteral("–"),
                              g.bestGrade > 0 ? QString::number(g.bestGrade) : QStringLiteral("–"),
                              QString::number(g.runs)),
                     g.lastGrade);
        }
        cell(t, i, k++, num(p.runs), -1, false, true);
        cell(t, i, k, percentCs(p.averagePercent), -1, false, true);
    }
    c.movePosition(QTextCursor::End);
    QStringList names;
    for (const results::ExerciseReport &e : r.exercises) names << QStringLiteral("%1 %2").arg(e.exercise).arg(d.title(e.exercise));
    para(QStringLiteral("Cvičení: ") + names.join(QStringLiteral(" · ")), true, 7.5);
}

void Pdf::exercises() {
    if (!r.activity.empty()) {
        heading(QStringLiteral("Aktivita"), 2);
        chart(activityChart(r.activity));
    }
    heading(QStringLiteral("Cvičení"), 2);
    QTextTable *t = table(int(r.exercises.size()),
                          {QStringLiteral("Cvičení"), QStringLiteral("Běhů"), QStringLiteral("Průměrné skóre"),
                           QStringLiteral("Známka 1"), QStringLiteral("Známka 2"), QStringLiteral("Známka 3"),
                           QStringLiteral("Známka 4"), QStringLiteral("Známka 5")},
                          QStringLiteral("Přehled cvičení"));
    for (int i = 0; i < int(r.exercises.size()); ++i) {
        const results::ExerciseReport &e = r.exercises[std::size_t(i)];
        cell(t, i, 0, QStringLiteral("%1 · %2").arg(e.exercise).arg(d.title(e.exercise)));
        cell(t, i, 1, num(e.runs), -1, false, true);
        cell(t, i, 2, e.runs > 0 ? percentCs(e.averagePercent) : QStringLiteral("–"), -1, false, true);
        for (int g = 1; g <= 5; ++g) cell(t, i, 2 + g, num(e.grades[std::size_t(g)]), -1, false, true);
    }
    c.movePosition(QTextCursor::End);
    for (const results::ExerciseReport &e : r.exercises) {
        if (e.runs == 0) continue;
        std::vector<Chart> two;
        two.push_back(gradeSpreadChart(e));
        two.push_back(trendChart(e));
        chartBlock(QStringLiteral("Cvičení %1 · %2").arg(e.exercise).arg(d.title(e.exercise)),
                   QStringLiteral("%1 · běhů: %2 · průměrné skóre: %3")
                       .arg(d.groups[std::size_t(e.exercise)], num(e.runs), percentCs(e.averagePercent)),
                   std::move(two));
    }
}

void Pdf::hardest() {
    if (!d.answersRead) return;
    heading(QStringLiteral("Nejtěžší položky"), 2, true);
    para(QStringLiteral("Položky, ve kterých třída chybovala nejčastěji, s nejčastějšími chybnými odpověďmi."), true, 8.5);
    for (const results::ExerciseReport &e : r.exercises) {
        if (e.hardest.empty()) continue;
        QTextTable *t = table(int(e.hardest.size()),
                              {QStringLiteral("Položka"), QStringLiteral("Správně je"), QStringLiteral("Špatně"),
                               QStringLiteral("Pokusů"), QStringLiteral("Nejčastější chybné odpovědi")},
                              QStringLiteral("Cvičení %1 · %2").arg(e.exercise).arg(d.title(e.exercise)));
        for (int i = 0; i < int(e.hardest.size()); ++i) {
            const results::ItemStats &it = e.hardest[std::size_t(i)];
            cell(t, i, 0, it.item);
            cell(t, i, 1, it.expected);
            cell(t, i, 2, shareCs(it.wrong, it.attempts), -1, true, true);
            cell(t, i, 3, num(it.attempts), -1, false, true);
            cell(t, i, 4, wrongList(it.wrongAnswers));
        }
        c.movePosition(QTextCursor::End);
    }
}

void Pdf::pupil(const results::PupilReport &p, bool first) {
    (void)first;
    heading(p.name, 2, true);
    QString line = QStringLiteral("%1 · průměrné skóre %2").arg(countCs(p.runs, "běh", "běhy", "běhů"), percentCs(p.averagePercent));
    if (p.firstRun.isValid()) line += QStringLiteral(" · od %1 do %2").arg(dateCs(p.firstRun.date()), dateCs(p.lastRun.date()));
    if (d.answersRead)
        line += QStringLiteral(" · %1, z toho špatně %2").arg(countCs(p.answers, "odpověď", "odpovědi", "odpovědí"), num(p.wrongAnswers));
    para(line, true, 9);
    if (!p.scores.empty()) chart(pupilScoresChart(p, [&](int n) { return d.title(n); }));
    int rows = 0;
    for (int n = 1; n <= 24; ++n) rows += p.cells[std::size_t(n)].runs > 0;
    QTextTable *t = table(rows, {QStringLiteral("Cvičení"), QStringLiteral("Běhů"), QStringLiteral("Poslední známka"),
                                 QStringLiteral("Nejlepší známka")},
                          QStringLiteral("Cvičení žáka"));
    int i = 0;
    for (int n = 1; n <= 24; ++n) {
        const results::GradeCell &g = p.cells[std::size_t(n)];
        if (g.runs == 0) continue;
        cell(t, i, 0, QStringLiteral("%1 · %2").arg(n).arg(d.title(n)));
        cell(t, i, 1, num(g.runs), -1, false, true);
        cell(t, i, 2, g.lastGrade > 0 ? QString::number(g.lastGrade) : QStringLiteral("–"), g.lastGrade, true, true);
        cell(t, i, 3, g.bestGrade > 0 ? QString::number(g.bestGrade) : QStringLiteral("–"), g.bestGrade, false, true);
        ++i;
    }
    c.movePosition(QTextCursor::End);
    if (!d.answersRead) return;
    if (p.missed.empty()) return para(QStringLiteral("Žádná chybná odpověď."), true);
    t = table(int(p.missed.size()),
              {QStringLiteral("Cvičení"), QStringLiteral("Položka"), QStringLiteral("Správně je"),
               QStringLiteral("Odpověď žáka"), QStringLiteral("Špatně / pokusů")},
              QStringLiteral("Nejčastěji chybné položky"));
    for (int k = 0; k < int(p.missed.size()); ++k) {
        const results::ItemStats &it = p.missed[std::size_t(k)];
        cell(t, k, 0, QString::number(it.exercise), -1, false, true);
        cell(t, k, 1, it.item);
        cell(t, k, 2, it.expected);
        cell(t, k, 3, wrongList(it.wrongAnswers));
        cell(t, k, 4, QStringLiteral("%1 / %2").arg(it.wrong).arg(it.attempts), -1, false, true);
    }
    c.movePosition(QTextCursor::End);
}

QTextDocument &Pdf::build() {
    m_doc.setDocumentMargin(0);
    m_doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    c.setBlockCharFormat(textFormat(18, true));
    c.insertText(QStringLiteral("Výsledky třídy"));
    QString sub = QStringLiteral("Tutorix Lingvana 1");
    if (!d.scope().isEmpty()) sub += QStringLiteral(" · ") + d.scope();
    para(sub, true, 10);
    QString figures = QStringLiteral("Žáků: %1 · běhů cvičení: %2 · cvičení: %3")
                          .arg(num(int(r.pupils.size())), num(r.runs), num(int(r.exercises.size())));
    if (d.answersRead) figures += QStringLiteral(" · zkontrolovaných odpovědí: %1").arg(num(r.answers));
    para(figures, false, 10);
    for (const QString &n : d.notes) para(n, false, 9);
    glance();
    exercises();
    hardest();
    for (std::size_t i = 0; i < r.pupils.size(); ++i) pupil(r.pupils[i], i == 0);
    para(QStringLiteral("Vytvořeno %1 programem tutorix-course report ze složek: %2")
             .arg(d.made.toString(QStringLiteral("d.M.yyyy H:mm")), d.folders.join(QStringLiteral(", "))),
         true, 7.5);
    return m_doc;
}

}  // namespace

QByteArray writePdf(const ReportDocument &doc) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                                         QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("Výsledky třídy – Tutorix"));
        writer.setCreator(QStringLiteral("tutorix-course report"));
        const QRectF page = writer.pageLayout().paintRectPixels(kDpi);
        const qreal footer = 22;

        Pdf pdf(doc, page.width());
        QTextDocument &text = pdf.build();
        auto *objects = new ChartObjects(pdf.charts, page.width());
        objects->setParent(&text);
        text.documentLayout()->setPaintDevice(&writer);
        text.documentLayout()->registerHandler(kChartObject, objects);
        text.setPageSize(QSizeF(page.width(), page.height() - footer));

        QPainter painter(&writer);
        const int pages = text.pageCount();
        const qreal h = page.height() - footer;
        for (int i = 0; i < pages; ++i) {
            if (i > 0) writer.newPage();
            painter.save();
            painter.translate(0, -i * h);
            QAbstractTextDocumentLayout::PaintContext ctx;
            ctx.clip = QRectF(0, i * h, page.width(), h);
            objects->page = ctx.clip;
            ctx.palette.setColor(QPalette::Text, Qt::black);
            painter.setClipRect(ctx.clip);
            text.documentLayout()->draw(&painter, ctx);
            painter.restore();
            painter.setPen(QColor(0x5b, 0x66, 0x73));
            painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
            const QRectF foot(0, page.height() - footer + 8, page.width(), footer - 8);
            painter.drawLine(QPointF(0, foot.top() - 2), QPointF(page.width(), foot.top() - 2));
            painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tutorix – výsledky třídy"));
            painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("strana %1 z %2").arg(i + 1).arg(pages));
        }
    }
    return buffer.data();
}

}  // namespace report

#include "ReportPdf.moc"
