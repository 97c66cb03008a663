#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace ui {

QString screenFontFamily() {
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const char *name : {"MS Sans Serif", "Liberation Sans", "DejaVu Sans", "Arial"})
            if (families.contains(QString::fromLatin1(name), Qt::CaseInsensitive)) return QString::fromLatin1(name);
        return QStringLiteral("Sans Serif");
    }();
    return family;
}

int pixelsForPoints(double points) { return int(std::lround(points * 96.0 / 72.0)); }

QFont screenFont(double points) {
    // The same choice as screenFontFamily, left to Qt's font matching so that
    // a screen without text (the title) does not wait for the font list.
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("Arial")});
    f.setPixelSize(pixelsForPoints(points));
    f.setStyleHint(QFont::SansSerif);
    return f;
}

}  // namespace ui
