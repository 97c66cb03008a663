#include "course/lib/Icons.h"

#include "platform/safefile.h"
#include "ui/Form.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

namespace course {

namespace {
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) return true;  // unchanged
    existing.close();
    const platform::WriteResult r = platform::writeFileAtomic(path, bytes);
    if (!r.ok && error) *error = QStringLiteral("%1: %2").arg(path, platform::czechReason(r.error));
    return r.ok;
}
}  // namespace

QByteArray programIconSvg() {
    // Units of the 64-pixel drawing of ui::drawProgramIcon.
    return QByteArrayLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
        "  <rect x=\"6\" y=\"6\" width=\"52\" height=\"52\" rx=\"10\" ry=\"10\" fill=\"#2e6fb7\"/>\n"
        "  <rect x=\"14\" y=\"50\" width=\"36\" height=\"4\" fill=\"#f4c430\"/>\n"
        "  <text x=\"32\" y=\"27\" dominant-baseline=\"central\" text-anchor=\"middle\" fill=\"#ffffff\"\n"
        "        font-family=\"Liberation Sans, Arial, sans-serif\" font-weight=\"bold\" font-size=\"38\">T</text>\n"
        "</svg>\n");
}

bool writeIcons(const QString &outDir, const QString &name, QString *error) {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(outDir).arg(size);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!QDir().mkpath(dir) || !ui::drawProgramIcon(size).save(&buffer, "PNG")) {
            if (error) *error = QStringLiteral("%1 nejde nakreslit").arg(dir);
            return false;
        }
        if (!writeBytes(QStringLiteral("%1/%2.png").arg(dir, name), png, error)) return false;
    }
    const QString svgDir = outDir + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(svgDir)) {
        if (error) *error = QStringLiteral("%1 nejde vytvořit").arg(svgDir);
        return false;
    }
    return writeBytes(QStringLiteral("%1/%2.svg").arg(svgDir, name), programIconSvg(), error);
}

}  // namespace course
