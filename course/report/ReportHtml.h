// The teacher's report as one self-contained HTML page: inline styles, an
// inline sorting script, inline SVG charts with text alternatives, and
// print styles for A4 with one pupil per page. Nothing is loaded from the
// network or from files beside it.
#pragma once

#include "course/report/ReportDocument.h"

#include <QByteArray>

namespace report {

QByteArray writeHtml(const ReportDocument &doc);

}  // namespace report
