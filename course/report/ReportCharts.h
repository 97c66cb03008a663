// The charts of the teacher's report, drawn by Qt Charts: the spread of
// grades and the trend of an exercise, the runs of the class per week and a
// pupil's scores over time. Each chart is made once and then either written
// as SVG (for the HTML page) or painted straight into the PDF.
#pragma once

#include "results/ClassReport.h"

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>

class QChart;
class QGraphicsScene;
class QPainter;

namespace report {

// The colour of a grade 1 ... 5 (strong, for bars and lines) and its light
// tint (for table cells); grey for 0.
QString gradeColour(int grade);
QString gradeTint(int grade);

// A chart with its text alternative.
class Chart {
public:
    Chart(std::unique_ptr<QChart> chart, QString title, QString description, QSizeF size);
    ~Chart();
    Chart(Chart &&) noexcept;

    const QString &title() const { return m_title; }
    const QString &description() const { return m_description; }
    QSizeF size() const { return m_size; }

    // An inline <svg> element (no XML declaration), scaling to its box,
    // with <title> and <desc>.
    QByteArray svg() const;
    // Paints the chart into rect (vector output on a PDF).
    void paint(QPainter *painter, const QRectF &rect) const;

private:
    std::unique_ptr<QGraphicsScene> m_scene;  // owns the chart
    QChart *m_chart = nullptr;
    QString m_title, m_description;
    QSizeF m_size;
};

using TitleOf = std::function<QString(int exercise)>;

Chart gradeSpreadChart(const results::ExerciseReport &exercise);
Chart trendChart(const results::ExerciseReport &exercise);
// Runs per week; over long periods per month or per year, so that bars stay readable.
Chart activityChart(const std::vector<results::WeekPoint> &weeks);
// A line per exercise (the most practised ones), score in % over time.
Chart pupilScoresChart(const results::PupilReport &pupil, const TitleOf &titleOf);

}  // namespace report
