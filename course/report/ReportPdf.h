// The teacher's report as a PDF on A4, with the same content as the HTML
// page: laid out by Qt's text document, charts painted straight into the
// PDF as vector drawings, one pupil per page, page numbers in the footer.
#pragma once

#include "course/report/ReportDocument.h"

#include <QByteArray>

namespace report {

QByteArray writePdf(const ReportDocument &doc);

}  // namespace report
