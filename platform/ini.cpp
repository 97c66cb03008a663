#include "platform/ini.h"

#include "platform/codec.h"
#include "platform/paths.h"

#include <QFile>

namespace platform {

QString profileStringFromText(const QString &iniText, const QString &section,
                              const QString &key, const QString &defaultValue) {
    const QString wantSection = section.trimmed();
    const QString wantKey = key.trimmed();
    bool inSection = false;
    QString value;
    bool found = false;
    for (const QString &raw : splitLines(iniText)) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = name.compare(wantSection, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString name = (eq < 0 ? line : line.left(eq)).trimmed();
        if (name.compare(wantKey, Qt::CaseInsensitive) != 0) continue;
        value = eq < 0 ? QString() : line.mid(eq + 1).trimmed();
        found = true;
        break;
    }
    if (!found) value = defaultValue;
    else if (value.size() >= 2 &&
             ((value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'))) ||
              (value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\'')))))
        value = value.mid(1, value.size() - 2);
    return value.left(kProfileBufferSize - 1);
}

QString getPrivateProfileString(const QString &section, const QString &key,
                                const QString &defaultValue, const QString &iniPath) {
    QFile f(nativePath(iniPath));
    if (!f.open(QIODevice::ReadOnly)) return defaultValue.left(kProfileBufferSize - 1);
    return profileStringFromText(decode1250(f.readAll()), section, key, defaultValue);
}

}  // namespace platform
