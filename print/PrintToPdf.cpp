// Worksheets straight into a PDF file, without a dialog, from the records
// already loaded: the same drawing path as a printer job.
#include "platform/logging.h"
#include "state/Misc.h"
#include "platform/safefile.h"
#include "print/PrintJob.h"
#include "print/Worksheets.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace print {

bool printToPdf(const QString &pdfPath, int copies, QString *error) {
    // The document is made in memory and written in one checked write, so a
    // failed print never leaves a short PDF over an old one.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    bool ok = false;
    QString why;
    {
        QPdfWriter pdf(&file);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setResolution(300);
        pdf.setTitle(Misc::Text(34));
        pdf.setCreator(QStringLiteral("Tutorix Lingvana 1"));
        PrintJob job(&pdf, copies);
        PrintWorksheets();
        if (!job.failed() && job.pagesStarted() == 0) job.fail(QStringLiteral("no page was printed"));
        ok = job.finish();
        why = job.error();
    }
    if (!ok) {
        qCWarning(lcPrint).noquote() << "worksheets not printed to" << pdfPath << ":" << why;
        if (error) *error = why;
        return false;
    }
    const platform::WriteResult written = platform::writeFileAtomic(pdfPath, file.data());
    if (!written && error) *error = written.message;
    if (written) qCInfo(lcPrint).noquote() << "worksheets printed to" << pdfPath;
    return written.ok;
}

}  // namespace print
