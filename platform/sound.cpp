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
// What plays on each channel (effect 0, recording 1).
QSoundEffect *g_playing[2] = {nullptr, nullptr};
QString g_recording;

QHash<QString, QSoundEffect *> &cache() {
    static QHash<QString, QSoundEffect *> effects;
    return effects;
}

void stopChannel(int channel) {
    if (g_playing[channel]) g_playing[channel]->stop();
    g_playing[channel] = nullptr;
}

void logRequest(const QString &entry) {
    QStringList &entries = Sounds::log();
    entries.append(entry);
    if (entries.size() > 1000) entries.removeFirst();
}
}  // namespace

QStringList &Sounds::log() {
    static QStringList entries;
    return entries;
}

void Sounds::setMuted(bool muted) { g_muted = muted; }

void Sounds::stop() {
    stopChannel(0);
    stopChannel(1);
    g_recording.clear();
}

QString Sounds::recording() { return g_recording; }

void Sounds::beep() {
    logRequest(QStringLiteral("beep"));
    if (!g_muted) QApplication::beep();
}

void Sounds::play(const QString &dataPath, Channel channel) {
    const QString native = nativePath(dataPath);
    const bool exists = QFileInfo(native).isFile();
    logRequest(exists ? native : QStringLiteral("beep"));
    const int c = channel == Channel::Recording ? 1 : 0;
    if (c == 1) g_recording = exists ? native : QString();
    if (g_muted) return;
    stopChannel(c);
    if (!exists) {
        QApplication::beep();
        return;
    }
    // The same file on the other channel needs its own player, or playing
    // it as an effect would restart the recording.
    QSoundEffect *&effect = cache()[QString::number(c) + native];
    if (!effect) {
        effect = new QSoundEffect(qApp);
        effect->setSource(QUrl::fromLocalFile(native));
    }
    g_playing[c] = effect;
    effect->play();  // plays once loaded; a missing device just stays silent
}

}  // namespace platform
