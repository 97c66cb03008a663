#include "print/Worksheets.h"

#include "platform/msgbox.h"

namespace print {

void RunPrintJob() {
    platform::msgBox(QStringLiteral("Tisk pracovních listů zatím není k dispozici."), QStringLiteral("Tutorix Lingvana 1"),
                     platform::MsgIcon::Information, platform::MsgButtons::Ok);
}

void PrintWorksheets() {}

bool PrintToPdf(const QString &, int) { return false; }

}  // namespace print
