#include "print/PrintJob.h"

#include "print/LayoutMath.h"
#include "ui/fonts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPrinter>

namespace print {

namespace {
PrintJob *g_current = nullptr;
}

PrintJob::PrintJob(QPagedPaintDevice *device, int copies) : m_device(device), m_copies(copies < 1 ? 1 : copies) {
    g_current = this;
    m_font = QFont(ui::screenFontFamily());
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setPointSizeF(12);
}

PrintJob::~PrintJob() {
    if (m_painter.isActive()) m_painter.end();
    if (g_current == this) g_current = nullptr;
}

PrintJob *PrintJob::current() { return g_current; }

bool PrintJob::startPage() {
    if (failed()) return false;
    if (m_pages == 0) {
        if (!m_painter.begin(m_device)) {
            fail(QStringLiteral("Tiskárnu se nepodařilo otevřít."));
            return false;
        }
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setFont(m_font);
    } else if (!m_device->newPage()) {
        fail(QStringLiteral("Tiskárna odmítla další stránku."));
        return false;
    }
    ++m_pages;
    return true;
}

bool PrintJob::finish() {
    if (m_painter.isActive() && !m_painter.end() && !failed()) fail(QStringLiteral("Tisk se nepodařilo dokončit."));
    if (auto *printer = dynamic_cast<QPrinter *>(m_device); printer && printer->printerState() == QPrinter::Error &&
                                                            !failed())
        fail(QStringLiteral("Tiskárna ohlásila chybu."));
    return !failed();
}

void PrintJob::fail(const QString &why) {
    if (m_error.isEmpty()) m_error = why;
}

double PrintJob::width() const { return m_device->width(); }
double PrintJob::height() const { return m_device->height(); }
double PrintJob::x(double mm) const { return pageX(mm, width()); }
double PrintJob::y(double mm) const { return pageY(mm, height()); }

void PrintJob::setFont(double points, bool bold, bool italic) {
    m_font.setPointSizeF(points);
    m_font.setBold(bold);
    m_font.setItalic(italic);
    if (m_painter.isActive()) m_painter.setFont(m_font);
}

double PrintJob::textWidth(const QString &text) const {
    return QFontMetricsF(m_font, m_device).horizontalAdvance(text);
}

void PrintJob::textAt(double xMm, double yMm, const QString &text) {
    if (!m_painter.isActive() || text.isEmpty()) return;
    const QFontMetricsF fm(m_font, m_device);
    m_painter.drawText(QPointF(x(xMm), y(yMm) + fm.ascent()), text);
}

void PrintJob::setLineWidth(int dots) {
    QPen pen = m_painter.pen();
    pen.setWidthF(dots * m_device->logicalDpiX() / 300.0);
    m_painter.setPen(pen);
}

}  // namespace print
