#include "platform/sound.h"

#include "platform/paths.h"

#include <QApplication>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSoundEffect>
#include <QUrl>

Q_LOGGING_CATEGORY(lcSound, "tutorix.sound")

namespace platform {

namespace {
bool g_muted = qEnvironmentVariableIsSet("TUTORIX_MUTE");
QSoundEffect *g_playing = nullptr;

QHash<QString, QSoundEffect *> &cache() {
    static QHash<QString, QSoundEffect *> effects;
    return effects;
}
}  // namespace

QStringList &Sounds::log() {
    static QStringList entries;
    return entries;
}

void Sounds::setMuted(bool muted) { g_muted = muted; }

void Sounds::stop() {
    if (g_playing) g_playing->stop();
    g_playing = nullptr;
}

void Sounds::play(const QString &dataPath) {
    const QString native = nativePath(dataPath);
    const bool exists = QFileInfo(native).isFile();
    QStringList &entries = log();
    entries.append(exists ? native : QStringLiteral("beep"));
    if (entries.size() > 1000) entries.removeFirst();
    if (g_muted) return;
    stop();
    if (!exists) {
        QApplication::beep();
        return;
    }
    QSoundEffect *&effect = cache()[native];
    if (!effect) {
        effect = new QSoundEffect(qApp);
        effect->setSource(QUrl::fromLocalFile(native));
    }
    g_playing = effect;
    effect->play();  // plays once loaded; a missing device just stays silent
}

}  // namespace platform
