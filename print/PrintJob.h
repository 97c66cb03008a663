// The running print job: the paged device the worksheets go to (a printer
// or a PDF file), the painter on it, the number of worksheet copies, and
// whether something failed on the way.
//
// Only one job runs at a time; while it exists PrintJob::current() names it,
// so the exercise form's load (print mode) can print onto it.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

class QPagedPaintDevice;

namespace print {

class PrintJob {
public:
    PrintJob(QPagedPaintDevice *device, int copies);
    ~PrintJob();
    PrintJob(const PrintJob &) = delete;
    PrintJob &operator=(const PrintJob &) = delete;

    static PrintJob *current();

    QPagedPaintDevice *device() const { return m_device; }
    QPainter &painter() { return m_painter; }
    int copies() const { return m_copies; }

    // Starts the next sheet: the first call opens the document, every later
    // one feeds a new page. Nothing is sent for a job that never starts a
    // page. False (and the job failed) when the device refuses.
    bool startPage();
    int pagesStarted() const { return m_pages; }

    // Closes the document, which sends it to the printer / writes the file.
    bool finish();

    void fail(const QString &why);
    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }

    // Drawing-area size in device units and mm conversions.
    double width() const;
    double height() const;
    double x(double mm) const;
    double y(double mm) const;

    // The worksheet font ("MS Sans Serif", which maps to the screen font
    // family) at a size in points; the painter takes it at once.
    void setFont(double points, bool bold, bool italic);
    const QFont &font() const { return m_font; }
    double textWidth(const QString &text) const;
    // Draws text with its top-left corner at (x mm, y mm) in the current font.
    void textAt(double xMm, double yMm, const QString &text);
    // Pen of n printer dots at 300 dpi, scaled to the device resolution.
    void setLineWidth(int dots);

private:
    QPagedPaintDevice *m_device;
    QPainter m_painter;
    QFont m_font;
    int m_copies;
    int m_pages = 0;
    QString m_error;
};

}  // namespace print
