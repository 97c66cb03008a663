#include "platform/sound.h"

#include "platform/logging.h"
#include "platform/paths.h"
#include "platform/soundoutput.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <memory>

namespace platform {

namespace {
bool g_muted = qEnvironmentVariableIsSet("TUTORIX_MUTE");
bool g_outputTried = false;
std::unique_ptr<SoundOutput> g_output;
QString g_recording;

void logRequest(const QString &entry) {
    QStringList &entries = Sounds::log();
    entries.append(entry);
    if (entries.size() > 1000) entries.removeFirst();
}

// Where the sound module may lie: named by TUTORIX_SOUND_MODULE, installed
// in the program's module folder, or beside the program (the build folder).
QStringList moduleCandidates() {
    const QString name = QStringLiteral("libtutorix_sound.so");
    const QString named = qEnvironmentVariable("TUTORIX_SOUND_MODULE");
    if (!named.isEmpty()) return {named};
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + QStringLiteral("/../" TUTORIX_MODULE_DIR "/") + name, dir + QLatin1Char('/') + name};
}

SoundOutput *output() {
    if (g_outputTried) return g_output.get();
    g_outputTried = true;
    QStringList errors;
    for (const QString &path : moduleCandidates()) {
        if (!QFileInfo(path).isFile()) {
            errors.append(path + QStringLiteral(": not found"));
            continue;
        }
        QLibrary module(path);
        auto create = reinterpret_cast<TutorixCreateSoundOutput>(module.resolve(TUTORIX_SOUND_OUTPUT_ENTRY));
        if (!create) {
            errors.append(module.errorString());
            continue;
        }
        g_output.reset(create());
        // The players go with the application, as Qt Multimedia expects.
        qAddPostRoutine([] { g_output.reset(); });
        qCInfo(lcPlatform) << "sound module" << QDir::cleanPath(path);
        return g_output.get();
    }
    qCWarning(lcPlatform) << "no sound module, the program stays silent:" << errors.join(QStringLiteral("; "));
    return nullptr;
}
}  // namespace

QStringList &Sounds::log() {
    static QStringList entries;
    return entries;
}

void Sounds::setMuted(bool muted) { g_muted = muted; }

void Sounds::prepare() {
    if (g_muted) return;
    if (!g_output) g_outputTried = false;  // a module that failed is tried again
    output();
}

bool Sounds::hasOutput() { return g_output != nullptr; }

void Sounds::stop() {
    if (g_output) {
        g_output->stop(0);
        g_output->stop(1);
    }
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
    SoundOutput *out = output();
    if (out) out->stop(c);
    if (!exists) {
        QApplication::beep();
        return;
    }
    if (out) out->play(c, native);
}

}  // namespace platform
