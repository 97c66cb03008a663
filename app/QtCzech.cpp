#include "app/QtCzech.h"

#include "platform/logging.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Misc {

bool installCzechQtTranslations() {
    static QTranslator *installed = nullptr;
    if (installed) return true;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const char *name : {"qtbase_cs", "qt_cs"}) {
        if (translator->load(QLatin1String(name), folder)) {
            QCoreApplication::installTranslator(translator);
            installed = translator;
            return true;
        }
    }
    qCWarning(lcApp) << "no Czech translations of Qt in" << folder;
    delete translator;
    return false;
}

}  // namespace Misc
