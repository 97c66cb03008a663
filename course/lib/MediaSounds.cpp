// The sounds: a soft click and a soft hover blip synthesised here, and the
// recordings of the listening exercises 22, 23 and 24 spoken by espeak-ng
// from the sentences of the content sources. A stamp file in each
// recordings folder holds the voice and the sentence of every recording, so
// a rebuild only speaks the sentences that changed.
#include "course/lib/MediaParts.h"

#include "content/Records.h"
#include "course/lib/CourseTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <cmath>

namespace course::media {

namespace {

constexpr int kRate = 22050;

QByteArray wav(const std::vector<double> &samples) {
    QByteArray d;
    auto put32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) d.append(char((v >> (8 * i)) & 0xFF)); };
    auto put16 = [&](quint16 v) { d.append(char(v & 0xFF)); d.append(char(v >> 8)); };
    const quint32 bytes = quint32(samples.size() * 2);
    d.append("RIFF");
    put32(36 + bytes);
    d.append("WAVEfmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    d.append("data");
    put32(bytes);
    for (double s : samples) put16(quint16(qint16(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0))));
    return d;
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

const QStringList kVoice = {QStringLiteral("-v"), QStringLiteral("en-gb"), QStringLiteral("-s"), QStringLiteral("130")};

struct Recording {
    QString name;
    QString sentence;
};

bool plainFileName(const QString &name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.startsWith(QLatin1Char('.')) && name.trimmed() == name;
}

// The stamp: first line the voice, then "name<TAB>sentence" per recording.
QHash<QString, QString> readStamp(const QString &path, const QString &voice) {
    QHash<QString, QString> done;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return done;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    if (lines.value(0) != voice) return done;  // another voice: speak everything again
    for (int i = 1; i < lines.size(); ++i) {
        const int tab = lines[i].indexOf(QLatin1Char('\t'));
        if (tab > 0) done.insert(lines[i].left(tab), lines[i].mid(tab + 1));
    }
    return done;
}

bool speakRecordings(Writer &w, const QString &srcDir, int exercise) {
    const QString src = QStringLiteral("%1/%2.txt").arg(srcDir).arg(exercise);
    bool ok = false;
    const QStringList lines = readSourceLines(src, &ok);
    if (!ok) return w.fail(src + QStringLiteral(": missing"));
    QList<Recording> items;
    QHash<QString, int> seen;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty()) continue;
        const Misc::ContentRecord r = content::parseContentLine(lines[i], content::Layout::Listening, exercise);
        const QString name = r.field[6].trimmed();
        const QString where = QStringLiteral("%1:%2: ").arg(src).arg(i + 1);
        if (!plainFileName(name))
            return w.fail(where + QStringLiteral("the recording name \"%1\" is not a plain file name").arg(name));
        const QString sentence = (r.field[0] + r.field[1] + r.field[2]).simplified();
        if (sentence.isEmpty()) return w.fail(where + QStringLiteral("the sentence is empty"));
        if (seen.contains(name.toLower()) && items[seen[name.toLower()]].sentence != sentence)
            return w.fail(where + QStringLiteral("the recording name \"%1\" is used for two sentences").arg(name));
        if (seen.contains(name.toLower())) continue;
        seen.insert(name.toLower(), int(items.size()));
        items.append({name, sentence});
    }

    const QString folder = QStringLiteral("Sound\\%1").arg(exercise);
    const QString voice = QStringLiteral("espeak-ng ") + kVoice.join(QLatin1Char(' '));
    const QString stampRel = folder + QStringLiteral("\\recordings.stamp");
    const QHash<QString, QString> done = readStamp(w.path(stampRel), voice);

    QList<Recording> todo;
    for (const Recording &r : items)
        if (done.value(r.name) != r.sentence || !QFileInfo::exists(w.path(folder + QLatin1Char('\\') + r.name)))
            todo.append(r);

    if (!todo.isEmpty()) {
        const QString espeak = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
        if (espeak.isEmpty())
            return w.fail(QStringLiteral("espeak-ng is not installed; it speaks the recordings of exercise %1")
                              .arg(exercise));
        QDir().mkpath(QFileInfo(w.path(stampRel)).path());
        // Speak a few sentences at a time, one process per processor.
        const int parallel = qMax(1, QThread::idealThreadCount());
        for (int first = 0; first < todo.size(); first += parallel) {
            QList<QProcess *> running;
            QStringList outputs;
            for (int j = first; j < qMin<int>(int(todo.size()), first + parallel); ++j) {
                const QString out = w.path(folder + QLatin1Char('\\') + todo[j].name) + QStringLiteral(".part");
                auto *proc = new QProcess;
                proc->setProcessChannelMode(QProcess::ForwardedErrorChannel);
                proc->start(espeak, kVoice + QStringList{QStringLiteral("-w"), out, QStringLiteral("--stdin")});
                proc->write(todo[j].sentence.toUtf8() + '\n');
                proc->closeWriteChannel();
                running.append(proc);
                outputs.append(out);
            }
            bool allOk = true;
            for (int j = 0; j < running.size(); ++j) {
                QProcess *proc = running[j];
                const bool finished = proc->waitForFinished(60000);
                if (!finished || proc->exitStatus() != QProcess::NormalExit || proc->exitCode() != 0) allOk = false;
                QFile part(outputs[j]);
                QByteArray data;
                if (part.open(QIODevice::ReadOnly)) data = part.readAll();
                part.close();
                part.remove();
                if (allOk && !data.startsWith("RIFF")) allOk = false;
                if (allOk) w.bytes(folder + QLatin1Char('\\') + todo[first + j].name, data);
                delete proc;
            }
            if (!allOk) return w.fail(QStringLiteral("espeak-ng could not speak a recording of exercise %1").arg(exercise));
        }
    }

    // Recordings of items no longer in the course are removed.
    for (auto it = done.cbegin(); it != done.cend(); ++it)
        if (!seen.contains(it.key().toLower()) && plainFileName(it.key()))
            QFile::remove(w.path(folder + QLatin1Char('\\') + it.key()));

    QString stamp = voice + QLatin1Char('\n');
    for (const Recording &r : items) stamp += r.name + QLatin1Char('\t') + r.sentence + QLatin1Char('\n');
    return w.bytes(stampRel, stamp.toUtf8());
}

}  // namespace

void buildSounds(Writer &w, const QString &srcDir) {
    w.bytes(QStringLiteral("Sound\\click.wav"), click());
    w.bytes(QStringLiteral("Sound\\enter.wav"), enter());
    for (int n = 22; n <= 24 && w.ok(); ++n) speakRecordings(w, srcDir, n);
}

}  // namespace course::media
