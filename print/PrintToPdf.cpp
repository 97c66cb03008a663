// Worksheets straight into a PDF file, without a dialog, from the records
// already loaded: the same drawing path as a printer job.
#include "app/Misc.h"
#include "print/PrintJob.h"
#include "print/Worksheets.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace print {

bool PrintToPdf(const QString &pdfPath, int copies, QString *error) {
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = QStringLiteral("cannot write %1").arg(pdfPath);
        return false;
    }
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
        file.cancelWriting();
        if (error) *error = why;
        return false;
    }
    if (!file.commit()) {
        if (error) *error = QStringLiteral("cannot write %1").arg(pdfPath);
        return false;
    }
    return true;
}

}  // namespace print
