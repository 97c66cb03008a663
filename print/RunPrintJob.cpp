// The print button's job: a printer chosen in the print dialog, and the
// current exercise's worksheets printed onto it from its content file.
#include "state/Misc.h"
#include "ui/Form.h"
#include "platform/msgbox.h"
#include "print/PrintContent.h"
#include "print/PrintJob.h"
#include "print/Worksheets.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

namespace print {

namespace {

void reportFailure(const QString &why) {
    platform::msgBox(QStringLiteral("Pracovní list se nepodařilo vytisknout.\n%1").arg(why), Misc::Text(34),
                     platform::MsgIcon::Exclamation, platform::MsgButtons::Ok);
}

}  // namespace

void setUpPrintDialog(QPrintDialog &dialog) {
    dialog.setWindowTitle(Misc::Text(34));
    // Users without a printer print to a PDF file, so that stays offered.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
}

int settlePrinter(QPrinter &printer) {
    // Every copy is its own worksheet with its own random items, so the
    // program draws the copies itself and the driver prints each sheet once
    // (letting the driver repeat them too would multiply the sheets).
    const int copies = printer.copyCount();
    printer.setCopyCount(1);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    return copies;
}

void RunPrintJob() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, Misc::CurrentScreen);
    setUpPrintDialog(dialog);
    if (dialog.exec() != QDialog::Accepted) return;  // cancelled: nothing printed, nothing said

    const int copies = settlePrinter(printer);
    printer.setDocName(Misc::Text(34));

    PrintJob job(&printer, copies);
    Misc::PrintMode = true;
    if (loadWorksheetContent()) PrintWorksheets();
    if (!job.failed() && job.pagesStarted() == 0)
        job.fail(QStringLiteral("Cvičení nevytvořilo žádnou stránku."));
    job.finish();
    Misc::PrintMode = false;
    if (job.failed()) {
        reportFailure(job.error());
    } else if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // Printed to a file: the pupil would not know where it went.
        platform::msgBox(QStringLiteral("Pracovní list je uložen v souboru:\n%1")
                             .arg(QDir::toNativeSeparators(QFileInfo(printer.outputFileName()).absoluteFilePath())),
                         Misc::Text(34), platform::MsgIcon::Information, platform::MsgButtons::Ok);
    }
}

}  // namespace print
