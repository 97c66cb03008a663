#include "course/report/ReportCharts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>
#include <map>

namespace report {

namespace {

const char *const kGradeColours[] = {"#9e9e9e", "#2e7d32", "#7cb342", "#f9a825", "#ef6c00", "#c62828"};
const char *const kGradeTints[] = {"#f2f2f2", "#c8e6c9", "#e6f2d2", "#fff3b8", "#ffdcb3", "#ffcdd2"};
// Lines of several exercises in one chart: distinct also in grey print.
const char *const kLineColours[] = {"#1f5fa8", "#d95f02", "#1b9e77", "#7570b3", "#e7298a", "#66a61e", "#a6761d", "#444444"};
constexpr int kMaxLines = 8;

QFont chartFont(qreal points, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

std::unique_ptr<QChart> newChart() {
    auto c = std::make_unique<QChart>();
    c->setAnimationOptions(QChart::NoAnimation);
    c->setBackgroundRoundness(0);
    c->setBackgroundBrush(Qt::white);
    c->setBackgroundPen(Qt::NoPen);
    c->setMargins(QMargins(2, 2, 2, 2));
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->legend()->setVisible(false);
    c->legend()->setFont(chartFont(7.5));
    return c;
}

void styleAxis(QAbstractAxis *axis) {
    axis->setLabelsFont(chartFont(7));
    axis->setTitleFont(chartFont(7.5));
    axis->setGridLineColor(QColor(0xdd, 0xdd, 0xdd));
    axis->setLinePenColor(QColor(0x88, 0x88, 0x88));
    axis->setLabelsColor(QColor(0x33, 0x33, 0x33));
}

QValueAxis *percentAxis() {
    auto *y = new QValueAxis;
    y->setRange(0, 100);
    y->setTickCount(6);
    y->setLabelFormat(QStringLiteral("%d %%"));
    styleAxis(y);
    return y;
}

QDateTimeAxis *timeAxis(const QDateTime &first, const QDateTime &last) {
    auto *x = new QDateTimeAxis;
    const qint64 days = first.daysTo(last);
    x->setFormat(days > 400 ? QStringLiteral("M/yyyy") : QStringLiteral("d.M."));
    // A little room on both sides, so that the first and last points show whole.
    const qint64 pad = std::max<qint64>(1, days / 20);
    x->setRange(first.addDays(-pad), last.addDays(pad));
    x->setTickCount(days > 400 ? 6 : std::clamp(int(days / 7) + 2, 3, 7));
    styleAxis(x);
    return x;
}

QString percentText(double p) { return QString::number(qRound(p)) + QStringLiteral(" %"); }
QString dayText(const QDate &d) { return d.toString(QStringLiteral("d.M.yyyy")); }

// Points of one line: every run while they are few, else the average of a
// week or, over years, of a month.
std::vector<std::pair<QDateTime, double>> linePoints(const std::vector<std::pair<QDateTime, double>> &runs) {
    if (runs.size() <= 40) return runs;
    const qint64 days = runs.front().first.date().daysTo(runs.back().first.date());
    std::map<qint64, std::pair<int, double>> buckets;
    for (const auto &[when, p] : runs) {
        const QDate d = when.date();
        const QDate start = days > 1500 ? QDate(d.year(), (d.month() - 1) / 3 * 3 + 1, 1)
                            : days > 280 ? QDate(d.year(), d.month(), 1)
                                         : results::weekOf(d);
        auto &b = buckets[start.toJulianDay()];
        ++b.first;
        b.second += p;
    }
    std::vector<std::pair<QDateTime, double>> out;
    for (const auto &[day, b] : buckets)
        out.emplace_back(QDateTime(QDate::fromJulianDay(day), QTime(12, 0)), b.second / b.first);
    return out;
}

}  // namespace

QString gradeColour(int grade) { return QString::fromLatin1(kGradeColours[grade >= 1 && grade <= 5 ? grade : 0]); }
QString gradeTint(int grade) { return QString::fromLatin1(kGradeTints[grade >= 1 && grade <= 5 ? grade : 0]); }

Chart::Chart(std::unique_ptr<QChart> chart, QString title, QString description, QSizeF size)
    : m_scene(std::make_unique<QGraphicsScene>()), m_chart(chart.release()), m_title(std::move(title)),
      m_description(std::move(description)), m_size(size) {
    m_scene->addItem(m_chart);
    m_chart->setGeometry(QRectF(QPointF(0, 0), size));
    m_scene->setSceneRect(QRectF(QPointF(0, 0), size));
    // The chart lays itself out on its posted layout request.
    QCoreApplication::sendPostedEvents();
}

Chart::~Chart() = default;
Chart::Chart(Chart &&) noexcept = default;

void Chart::paint(QPainter *painter, const QRectF &rect) const {
    m_scene->render(painter, rect, QRectF(QPointF(0, 0), m_size), Qt::IgnoreAspectRatio);
}

QByteArray Chart::svg() const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator gen;
    gen.setOutputDevice(&buffer);
    gen.setSize(m_size.toSize());
    gen.setViewBox(QRectF(QPointF(0, 0), m_size));
    gen.setTitle(m_title);
    gen.setDescription(m_description);
    {
        QPainter p(&gen);
        paint(&p, QRectF(QPointF(0, 0), m_size));
    }
    QByteArray out = buffer.data();
    // Inline in HTML: no XML declaration, and a box that scales with the page.
    const qsizetype svgAt = out.indexOf("<svg");
    if (svgAt > 0) out.remove(0, svgAt);
    const qsizetype tagEnd = out.indexOf('>');
    static const QRegularExpression size(QStringLiteral(R"(\s(width|height)="[^"]*")"));
    QString t = QString::fromUtf8(out.left(tagEnd));
    t.remove(size);
    t += QStringLiteral(" class=\"chart\" role=\"img\" preserveAspectRatio=\"xMidYMid meet\"");
    // The generator opens a group for every change of the painter's state,
    // most of them with nothing inside.
    static const QRegularExpression empty(QStringLiteral(R"(<g [^>]*>\s*</g>\s*)"));
    QString body = QString::fromUtf8(out.mid(tagEnd));
    body.remove(empty);
    return t.toUtf8() + body.toUtf8();
}

Chart gradeSpreadChart(const results::ExerciseReport &e) {
    auto chart = newChart();
    auto *series = new QStackedBarSeries;
    series->setBarWidth(0.7);
    QStringList categories, parts;
    for (int g = 1; g <= 5; ++g) {
        auto *set = new QBarSet(QString::number(g));
        for (int k = 1; k <= 5; ++k) *set << (k == g ? e.grades[std::size_t(g)] : 0);
        set->setColor(QColor(gradeColour(g)));
        set->setBorderColor(QColor(gradeColour(g)).darker(130));
        series->append(set);
        categories << QString::number(g);
        parts << QStringLiteral("známka %1: %2×").arg(g).arg(e.grades[std::size_t(g)]);
    }
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    x->append(categories);
    styleAxis(x);
    x->setGridLineVisible(false);
    auto *y = new QValueAxis;
    const int most = *std::max_element(e.grades.begin() + 1, e.grades.end());
    y->setRange(0, std::max(4, most));
    y->setTickCount(5);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%d"));
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    for (QBarSet *set : series->barSets()) {
        set->setLabelColor(Qt::white);
        set->setLabelFont(chartFont(7, true));
    }
    styleAxis(y);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    return Chart(std::move(chart), QStringLiteral("Rozložení známek, cvičení %1").arg(e.exercise),
                 parts.join(QStringLiteral(", ")), QSizeF(300, 190));
}

Chart trendChart(const results::ExerciseReport &e) {
    auto chart = newChart();
    auto *line = new QLineSeries;
    auto *dots = new QScatterSeries;
    QStringList parts;
    for (const results::WeekPoint &w : e.weeks) {
        const qint64 x = QDateTime(w.week.addDays(3), QTime(12, 0)).toMSecsSinceEpoch();
        line->append(double(x), w.averagePercent);
        dots->append(double(x), w.averagePercent);
        if (parts.size() < 60)
            parts << QStringLiteral("týden od %1: %2 (%3×)").arg(dayText(w.week), percentText(w.averagePercent)).arg(w.runs);
    }
    QPen pen{QColor(kLineColours[0])};
    pen.setWidthF(2);
    line->setPen(pen);
    dots->setMarkerSize(6);
    dots->setColor(QColor(kLineColours[0]));
    dots->setBorderColor(QColor(kLineColours[0]));
    chart->addSeries(line);
    if (e.weeks.size() <= 40) chart->addSeries(dots);
    else delete dots;
    const QDateTime first(e.weeks.empty() ? QDate::currentDate() : e.weeks.front().week.addDays(3), QTime(12, 0));
    const QDateTime last(e.weeks.empty() ? QDate::currentDate() : e.weeks.back().week.addDays(3), QTime(12, 0));
    auto *x = timeAxis(first, last);
    auto *y = percentAxis();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries *s : chart->series()) s->attachAxis(x), s->attachAxis(y);
    return Chart(std::move(chart), QStringLiteral("Průměrné skóre po týdnech, cvičení %1").arg(e.exercise),
                 parts.join(QStringLiteral("; ")), QSizeF(380, 190));
}

Chart activityChart(const std::vector<results::WeekPoint> &weeks) {
    // Weeks, or months, or years: whichever gives at most 36 bars.
    std::map<qint64, int> bars;
    int unit = 0;  // 0 week, 1 month, 2 year
    for (unit = 0; unit < 3; ++unit) {
        bars.clear();
        for (const results::WeekPoint &w : weeks) {
            const QDate d = w.week;
            const QDate key = unit == 0 ? d : unit == 1 ? QDate(d.year(), d.month(), 1) : QDate(d.year(), 1, 1);
            bars[key.toJulianDay()] += w.runs;
        }
        if (bars.size() <= 36) break;
    }
    unit = std::min(unit, 2);
    auto chart = newChart();
    auto *series = new QStackedBarSeries;
    series->setBarWidth(0.75);
    auto *set = new QBarSet(QStringLiteral("běhy"));
    set->setColor(QColor(kLineColours[0]));
    set->setBorderColor(QColor(kLineColours[0]).darker(130));
    QStringList categories, parts;
    int most = 1;
    for (const auto &[day, runs] : bars) {
        const QDate d = QDate::fromJulianDay(day);
        *set << runs;
        most = std::max(most, runs);
        const QString label = unit == 0 ? d.toString(QStringLiteral("d.M.")) : unit == 1 ? d.toString(QStringLiteral("M/yy"))
                                                                                          : d.toString(QStringLiteral("yyyy"));
        categories << label;
        parts << QStringLiteral("%1: %2").arg(unit == 0 ? QStringLiteral("týden od ") + dayText(d) : label).arg(runs);
    }
    series->append(set);
    series->setLabelsVisible(bars.size() <= 20);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    set->setLabelColor(Qt::white);
    set->setLabelFont(chartFont(6.5, true));
    chart->addSeries(series);
    auto *x = new QBarCategoryAxis;
    x->append(categories);
    x->setGridLineVisible(false);
    styleAxis(x);
    x->setLabelsFont(chartFont(bars.size() > 16 ? 6 : 7));
    auto *y = new QValueAxis;
    y->setRange(0, most);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTickCount(5);
    y->applyNiceNumbers();
    styleAxis(y);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    const QString per = unit == 0 ? QStringLiteral("týden") : unit == 1 ? QStringLiteral("měsíc") : QStringLiteral("rok");
    return Chart(std::move(chart), QStringLiteral("Počet běhů třídy za %1").arg(per), parts.join(QStringLiteral(", ")),
                 QSizeF(680, 210));
}

Chart pupilScoresChart(const results::PupilReport &pupil, const TitleOf &titleOf) {
    std::map<int, std::vector<std::pair<QDateTime, double>>> byExercise;
    for (const results::ScorePoint &s : pupil.scores) byExercise[s.exercise].emplace_back(s.when, s.percent);
    std::vector<std::pair<int, int>> order;  // runs, exercise
    for (const auto &[n, runs] : byExercise) order.emplace_back(int(runs.size()), n);
    std::sort(order.begin(), order.end(), [](auto a, auto b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });
    if (int(order.size()) > kMaxLines) order.resize(kMaxLines);
    std::sort(order.begin(), order.end(), [](auto a, auto b) { return a.second < b.second; });

    auto chart = newChart();
    QStringList parts;
    QDateTime first = pupil.firstRun, last = pupil.lastRun;
    if (!first.isValid()) first = last = QDateTime::currentDateTime();
    int colour = 0;
    for (const auto &[runs, n] : order) {
        const QColor c(kLineColours[colour++ % kMaxLines]);
        auto *line = new QLineSeries;
        line->setName(QStringLiteral("%1 %2").arg(n).arg(titleOf(n)));
        QPen pen(c);
        pen.setWidthF(1.8);
        line->setPen(pen);
        const auto points = linePoints(byExercise[n]);
        line->setPointsVisible(points.size() <= 15);
        line->setMarkerSize(3.5);
        QStringList values;
        for (const auto &[when, p] : points) {
            line->append(double(when.toMSecsSinceEpoch()), p);
            if (values.size() < 12) values << QStringLiteral("%1 %2").arg(dayText(when.date()), percentText(p));
        }
        chart->addSeries(line);
        parts << QStringLiteral("cvičení %1 (%2×): %3").arg(n).arg(runs).arg(values.join(QStringLiteral(", ")));
    }
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignRight);
    auto *x = timeAxis(first, last);
    auto *y = percentAxis();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries *s : chart->series()) s->attachAxis(x), s->attachAxis(y);
    for (QLegendMarker *m : chart->legend()->markers()) m->setFont(chartFont(7));
    return Chart(std::move(chart), QStringLiteral("Skóre žáka %1 v čase, po cvičeních").arg(pupil.name),
                 parts.join(QStringLiteral("; ")), QSizeF(680, 230));
}

}  // namespace report
