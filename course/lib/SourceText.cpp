#include "course/lib/SourceText.h"

#include "platform/codec.h"

#include <QFile>

namespace course {

QStringList sourceLinesFromBytes(const QByteArray &utf8) {
    QString text = QString::fromUtf8(utf8);
    // Editors on Windows often start a UTF-8 file with a byte order mark; it
    // is no part of the first line.
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return platform::splitLines(text);
}

QStringList readSourceLines(const QString &path, bool *ok) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (ok) *ok = false;
        return {};
    }
    if (ok) *ok = true;
    return sourceLinesFromBytes(f.readAll());
}

QByteArray encodeCourseText(const QStringList &lines) {
    return platform::encode1250(platform::joinLinesCrLf(lines));
}

}  // namespace course
