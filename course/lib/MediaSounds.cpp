// The sounds: a soft click and a soft hover blip synthesised here, and the
// recordings of the listening exercises 22, 23 and 24 made from the
// sentences of the content sources (Recordings.h).
#include "course/lib/MediaParts.h"

#include "course/lib/CourseTool.h"
#include "course/lib/RecordingAudio.h"
#include "course/lib/Recordings.h"
#include "rules/ExerciseSpec.h"

#include <cmath>

namespace course::media {

namespace {

constexpr int kRate = audio::kRate;

QByteArray wav(const std::vector<double> &samples) {
    return audio::wavBytes({kRate, std::vector<float>(samples.begin(), samples.end())});
}

// A short wooden tick: two quickly fading partials.
QByteArray click() {
    std::vector<double> s(size_t(kRate * 0.045));
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double env = std::exp(-t / 0.007) * std::min(1.0, t / 0.0008);
        s[i] = 0.32 * env * (0.75 * std::sin(2 * M_PI * 1350 * t) + 0.25 * std::sin(2 * M_PI * 2900 * t));
    }
    return wav(s);
}

// A gentle rising blip for the mouse entering a button.
QByteArray enter() {
    const double length = 0.07;
    std::vector<double> s(size_t(kRate * length));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double f = 760 + 320 * (t / length);
        phase += 2 * M_PI * f / kRate;
        const double env = std::sin(M_PI * t / length);
        s[i] = 0.16 * env * env * std::sin(phase);
    }
    return wav(s);
}

bool buildListeningRecordings(Writer &w, const QString &srcDir) {
    QList<recordings::Item> items;
    for (int n = 1; n <= 24; ++n) {
        if (!exercise::isListening(n)) continue;
        const QString src = QStringLiteral("%1/%2.txt").arg(srcDir).arg(n);
        bool ok = false;
        const QStringList lines = readSourceLines(src, &ok);
        if (!ok) return w.fail(src + QStringLiteral(": soubor chybí"));
        QString error;
        if (!recordings::itemsOf(n, lines, src, &items, &error)) return w.fail(error);
    }
    return recordings::buildRecordings(w, srcDir, items);
}

}  // namespace

void buildSounds(Writer &w, const QString &srcDir) {
    w.bytes(QStringLiteral("Sound\\click.wav"), click());
    w.bytes(QStringLiteral("Sound\\enter.wav"), enter());
    if (w.ok()) buildListeningRecordings(w, srcDir);
}

}  // namespace course::media
