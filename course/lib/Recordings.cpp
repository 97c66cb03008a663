#include "course/lib/Recordings.h"

#include "content/Records.h"
#include "course/lib/RecordingAudio.h"
#include "platform/logging.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <memory>
#include <vector>

namespace course::recordings {

namespace {

// Everything that shapes the bytes of a recording; a change makes every
// recording again.
const QString kPipeline = QStringLiteral(
    "recordings 2: slt festival cmu_us_slt_arctic_hts -r 0.9; rms flite duration_stretch 1.1; "
    "22050 Hz mono 16 bit, margin 0.1 s, speech level -20 dB; slow sox tempo -s 0.75");

const QString kFestivalVoice = QStringLiteral("cmu_us_slt_arctic_hts");
constexpr int kMissingVoiceExit = 3;

bool plainFileName(const QString &name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.startsWith(QLatin1Char('.')) && name.trimmed() == name;
}

QString soundFolder(int exercise) { return QStringLiteral("Sound\\%1").arg(exercise); }
QString normalRel(const Item &item) { return soundFolder(item.exercise) + QLatin1Char('\\') + item.name; }
QString slowRel(const Item &item) {
    return soundFolder(item.exercise) + QLatin1Char('\\') + kSlowFolder + QLatin1Char('\\') + item.name;
}

// The stamp: first line the pipeline, then "name<TAB>voice<TAB>what" per
// recording, what being the sentence or the own recording's checksum.
QHash<QString, QString> readStamp(const QString &path) {
    QHash<QString, QString> done;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return done;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    if (lines.value(0) != kPipeline) return done;  // made another way: make everything again
    for (int i = 1; i < lines.size(); ++i) {
        const int tab = lines[i].indexOf(QLatin1Char('\t'));
        if (tab > 0) done.insert(lines[i].left(tab), lines[i].mid(tab + 1));
    }
    return done;
}

// One recording to make.
struct Work {
    Item item;
    Voice voice = Voice::Woman;
    QString source;  // the own recording, or the synthesised file
    QString entry;   // its stamp entry after the name
};

// An external program run, with what it is for in messages.
struct Job {
    QString program;
    QStringList args;
    QString what;
    int missingVoiceExit = -1;  // the exit code that means the voice is missing
    QString missingVoiceMessage;
};

// Runs the jobs, as many at a time as there are processors. Returns false
// with a message for the first that failed.
bool runJobs(const QList<Job> &jobs, QString *error) {
    const int parallel = qMax(1, QThread::idealThreadCount());
    struct Running {
        std::unique_ptr<QProcess> process;
        int job;
    };
    std::vector<Running> running;
    int next = 0;
    QString failure;
    auto finish = [&](Running &r) {
        QProcess &p = *r.process;
        const Job &job = jobs[r.job];
        if (!failure.isEmpty()) return;
        if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0) return;
        if (job.missingVoiceExit >= 0 && p.exitCode() == job.missingVoiceExit) {
            failure = job.missingVoiceMessage;
            return;
        }
        const QString said = QString::fromLocal8Bit(p.readAllStandardError()).trimmed().right(400);
        failure = job.what + (said.isEmpty() ? QString() : QStringLiteral(": ") + said);
    };
    while (next < jobs.size() || !running.empty()) {
        while (failure.isEmpty() && next < jobs.size() && int(running.size()) < parallel) {
            auto p = std::make_unique<QProcess>();
            p->setStandardInputFile(QProcess::nullDevice());
            p->setStandardOutputFile(QProcess::nullDevice());
            p->start(jobs[next].program, jobs[next].args);
            running.push_back({std::move(p), next});
            ++next;
        }
        if (running.empty()) break;
        // Wait for the oldest a little, then take whatever has finished.
        running.front().process->waitForFinished(50);
        for (std::size_t i = 0; i < running.size();) {
            QProcess &p = *running[i].process;
            if (p.state() == QProcess::NotRunning) {
                if (p.error() == QProcess::FailedToStart && failure.isEmpty())
                    failure = jobs[running[i].job].what + QStringLiteral(": nejde spustit ") + jobs[running[i].job].program;
                else
                    finish(running[i]);
                running.erase(running.begin() + std::ptrdiff_t(i));
            } else {
                ++i;
            }
        }
    }
    if (!failure.isEmpty() && error) *error = failure;
    return failure.isEmpty();
}

QString scheme(const QString &text) {
    QString s = text;
    s.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString program(const QString &name) { return QStandardPaths::findExecutable(name); }

QString missingPackage(const QString &what, const QString &package) {
    return QStringLiteral("chybí %1, bez něj nevzniknou nahrávky poslechu (balíček Debianu %2)")
        .arg(what, package);
}

// The sox arguments that give the course's sample format.
QStringList soxOut(const QString &to) {
    return {QStringLiteral("-t"), QStringLiteral("wav"), QStringLiteral("-e"), QStringLiteral("signed-integer"),
            QStringLiteral("-b"), QStringLiteral("16"), QStringLiteral("-c"), QStringLiteral("1"),
            QStringLiteral("-r"), QString::number(audio::kRate), to};
}
// Repeatable (fixed seeds), no dither, quiet.
const QStringList kSoxIn = {QStringLiteral("-R"), QStringLiteral("-D"), QStringLiteral("-V1")};

bool readFile(const QString &path, QByteArray *bytes) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    *bytes = f.readAll();
    return true;
}

// The built recording from a converted file: trimmed and levelled.
bool finished(const QString &path, QByteArray *out, QString *error, const QString &what) {
    QByteArray bytes;
    std::optional<audio::Pcm> pcm;
    if (readFile(path, &bytes)) pcm = audio::readWav(bytes);
    if (!pcm) {
        if (error) *error = what + QStringLiteral(": převedenou nahrávku nejde přečíst");
        return false;
    }
    const audio::Pcm cut = audio::trimmed(*pcm);
    if (cut.samples.empty()) {
        if (error) *error = what + QStringLiteral(": nahrávka je tichá");
        return false;
    }
    *out = audio::wavBytes(audio::levelled(cut));
    return true;
}

// Speaks the synthetic recordings into their source files.
bool synthesise(const QList<Work *> &work, const QString &tmp, QString *error) {
    QList<Work *> woman, man;
    for (Work *w : work) (w->voice == Voice::Woman ? woman : man).append(w);
    QList<Job> jobs;
    if (!woman.isEmpty()) {
        const QString festival = program(QStringLiteral("festival"));
        if (festival.isEmpty()) {
            if (error) *error = missingPackage(QStringLiteral("festival"), QStringLiteral("festival"));
            return false;
        }
        // One festival per processor, each speaking its share in turn.
        const int parts = qMin<int>(int(woman.size()), qMax(1, QThread::idealThreadCount()));
        for (int part = 0; part < parts; ++part) {
            QString script = QStringLiteral("(if (not (member_string %1 (voice.list))) (exit %2))\n"
                                            "(voice_%3)\n"
                                            "(set! hts_engine_params (append hts_engine_params (list (list \"-r\" 0.9))))\n")
                                 .arg(scheme(kFestivalVoice))
                                 .arg(kMissingVoiceExit)
                                 .arg(kFestivalVoice);
            for (int i = part; i < woman.size(); i += parts)
                script += QStringLiteral("(utt.save.wave (utt.synth (Utterance Text %1)) %2 'riff)\n")
                              .arg(scheme(woman[i]->item.sentence), scheme(woman[i]->source));
            const QString file = QStringLiteral("%1/festival-%2.scm").arg(tmp).arg(part);
            QFile f(file);
            if (!f.open(QIODevice::WriteOnly) || f.write(script.toUtf8()) < 0 || !f.flush()) {
                if (error) *error = QStringLiteral("%1 nejde zapsat").arg(file);
                return false;
            }
            f.close();
            jobs.append({festival, {QStringLiteral("-b"), file}, QStringLiteral("festival nahrávky nenamluvil"),
                         kMissingVoiceExit,
                         QStringLiteral("chybí hlas %1 programu festival, který namlouvá nahrávky poslechu "
                                        "(balíček Debianu festvox-us-slt-hts)")
                             .arg(kFestivalVoice)});
        }
    }
    if (!man.isEmpty()) {
        const QString flite = program(QStringLiteral("flite"));
        if (flite.isEmpty()) {
            if (error) *error = missingPackage(QStringLiteral("flite"), QStringLiteral("flite"));
            return false;
        }
        QProcess list;
        list.start(flite, {QStringLiteral("-lv")});
        list.waitForFinished(10000);
        if (!QString::fromLocal8Bit(list.readAllStandardOutput()).split(QLatin1Char(' ')).contains(QStringLiteral("rms"))) {
            if (error) *error = missingPackage(QStringLiteral("hlas rms programu flite"), QStringLiteral("flite"));
            return false;
        }
        for (Work *w : man) {
            const QString text = w->source + QStringLiteral(".txt");
            QFile f(text);
            if (!f.open(QIODevice::WriteOnly) || f.write(w->item.sentence.toUtf8() + '\n') < 0 || !f.flush()) {
                if (error) *error = QStringLiteral("%1 nejde zapsat").arg(text);
                return false;
            }
            f.close();
            jobs.append({flite,
                         {QStringLiteral("-voice"), QStringLiteral("rms"), QStringLiteral("--setf"),
                          QStringLiteral("duration_stretch=1.1"), QStringLiteral("-f"), text, QStringLiteral("-o"),
                          w->source},
                         QStringLiteral("flite nenamluvil %1").arg(w->item.name), -1, {}});
        }
    }
    return runJobs(jobs, error);
}

QString hashOf(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(&f);
    return QString::fromLatin1(h.result().toHex());
}

}  // namespace

QString voiceId(Voice v) {
    switch (v) {
    case Voice::Woman: return QStringLiteral("slt");
    case Voice::Man: return QStringLiteral("rms");
    case Voice::Own: return QStringLiteral("own");
    }
    return {};
}

Voice voiceOfItem(int index) { return index % 2 == 0 ? Voice::Woman : Voice::Man; }

bool itemsOf(int exercise, const QStringList &lines, const QString &file, QList<Item> *items, QString *error) {
    QHash<QString, QString> sentenceOf;  // by lower-case name
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty()) continue;
        const Misc::ContentRecord r = content::parseContentLine(lines[i], content::Layout::Listening, exercise);
        const QString name = r.field[6].trimmed();
        const QString where = QStringLiteral("%1:%2: ").arg(file).arg(i + 1);
        auto fail = [&](const QString &why) {
            if (error) *error = where + why;
            return false;
        };
        if (!plainFileName(name))
            return fail(QStringLiteral("název nahrávky „%1“ není prostý název souboru").arg(name));
        if (name.compare(kSlowFolder, Qt::CaseInsensitive) == 0)
            return fail(QStringLiteral("název nahrávky „%1“ je název složky pomalejších nahrávek").arg(name));
        const QString sentence = (r.field[0] + r.field[1] + r.field[2]).simplified();
        if (sentence.isEmpty()) return fail(QStringLiteral("věta je prázdná"));
        const QString key = name.toLower();
        if (sentenceOf.contains(key) && sentenceOf[key] != sentence)
            return fail(QStringLiteral("název nahrávky „%1“ mají dvě věty").arg(name));
        if (sentenceOf.contains(key)) continue;
        sentenceOf.insert(key, sentence);
        items->append({exercise, name, sentence});
    }
    return true;
}

QString ownRecording(const QString &srcDir, const QString &name, QString *error) {
    const QDir dir(srcDir + QLatin1Char('/') + kOwnFolder);
    if (!dir.exists()) return {};
    QStringList found;
    for (const QString &ext : ownExtensions()) {
        const QString file = dir.filePath(stemOf(name) + QLatin1Char('.') + ext);
        if (QFileInfo(file).isFile()) found << file;
    }
    if (found.size() > 1 && error)
        *error = QStringLiteral("%1: dvě vlastní nahrávky pro %2; nech jednu").arg(found.join(QStringLiteral(", ")), name);
    return found.value(0);
}

bool buildRecordings(media::Writer &w, const QString &srcDir, const QList<Item> &items) {
    QElapsedTimer clock;
    clock.start();
    QHash<int, QHash<QString, QString>> done;  // per exercise, by name
    QList<int> exercises;
    for (const Item &item : items)
        if (!exercises.contains(item.exercise)) exercises.append(item.exercise);
    for (int n : exercises)
        done.insert(n, readStamp(w.path(soundFolder(n) + QLatin1Char('\\') + kStampName)));

    // What each recording is made from, and which ones changed.
    QList<Work> all;
    QHash<int, int> position;  // per exercise: recordings so far
    QString error;
    for (const Item &item : items) {
        // The voices take turns by the place of the item, so an own
        // recording leaves the voices of the others as they were.
        const Voice turn = voiceOfItem(position[item.exercise]++);
        Work work{item, Voice::Own, ownRecording(srcDir, item.name, &error), {}};
        if (!error.isEmpty()) return w.fail(error);
        if (work.source.isEmpty()) {
            work.voice = turn;
            work.entry = voiceId(work.voice) + QLatin1Char('\t') + item.sentence;
        } else {
            work.entry = voiceId(Voice::Own) + QLatin1Char('\t') + hashOf(work.source);
        }
        all.append(work);
    }
    QList<Work *> todo;
    for (Work &work : all)
        if (done[work.item.exercise].value(work.item.name) != work.entry ||
            !QFileInfo::exists(w.path(normalRel(work.item))) || !QFileInfo::exists(w.path(slowRel(work.item))))
            todo.append(&work);

    if (!todo.isEmpty()) {
        const QString sox = program(QStringLiteral("sox"));
        if (sox.isEmpty()) return w.fail(missingPackage(QStringLiteral("sox"), QStringLiteral("sox")));
        QTemporaryDir tmp;
        if (!tmp.isValid()) return w.fail(QStringLiteral("nejde vytvořit dočasnou složku"));
        QList<Work *> speak;
        for (int i = 0; i < todo.size(); ++i)
            if (todo[i]->voice != Voice::Own) {
                todo[i]->source = QStringLiteral("%1/raw-%2.wav").arg(tmp.path()).arg(i);
                speak.append(todo[i]);
            }
        if (!synthesise(speak, tmp.path(), &error)) return w.fail(error);

        // Converted to the course's format, trimmed and levelled; then the
        // slower one made from that.
        auto path = [&](const char *kind, int i) { return QStringLiteral("%1/%2-%3.wav").arg(tmp.path()).arg(kind).arg(i); };
        QList<Job> convert, slow;
        for (int i = 0; i < todo.size(); ++i) {
            const bool own = todo[i]->voice == Voice::Own;
            const QString what = own ? QStringLiteral("%1: sox ji nepřečte (FLAC a Ogg potřebují balíček Debianu "
                                                      "libsox-fmt-base)")
                                           .arg(todo[i]->source)
                                     : QStringLiteral("sox nepřevedl %1").arg(todo[i]->item.name);
            convert.append({sox, kSoxIn + QStringList{todo[i]->source} + soxOut(path("converted", i)), what, -1, {}});
            slow.append({sox,
                         kSoxIn + QStringList{path("normal", i)} + soxOut(path("slowed", i)) +
                             QStringList{QStringLiteral("tempo"), QStringLiteral("-s"), QStringLiteral("0.75")},
                         QStringLiteral("sox nezpomalil %1").arg(todo[i]->item.name), -1, {}});
        }
        if (!runJobs(convert, &error)) return w.fail(error);
        for (int i = 0; i < todo.size(); ++i) {
            QByteArray normal;
            if (!finished(path("converted", i), &normal, &error, todo[i]->item.name)) return w.fail(error);
            QFile f(path("normal", i));
            if (!f.open(QIODevice::WriteOnly) || f.write(normal) != normal.size() || !f.flush())
                return w.fail(QStringLiteral("%1 nejde zapsat").arg(f.fileName()));
            if (!w.bytes(normalRel(todo[i]->item), normal)) return false;
        }
        if (!runJobs(slow, &error)) return w.fail(error);
        for (int i = 0; i < todo.size(); ++i) {
            QByteArray slower;
            if (!finished(path("slowed", i), &slower, &error, todo[i]->item.name)) return w.fail(error);
            if (!w.bytes(slowRel(todo[i]->item), slower)) return false;
        }
    }

    // Recordings of items no longer in the course are removed.
    for (int n : exercises) {
        QSet<QString> names;
        for (const Item &item : items)
            if (item.exercise == n) names.insert(item.name.toLower());
        const QHash<QString, QString> &old = done[n];
        for (auto it = old.cbegin(); it != old.cend(); ++it)
            if (!names.contains(it.key().toLower()) && plainFileName(it.key())) {
                QFile::remove(w.path(normalRel({n, it.key(), {}})));
                QFile::remove(w.path(slowRel({n, it.key(), {}})));
            }
        QString stamp = kPipeline + QLatin1Char('\n');
        for (const Work &work : all)
            if (work.item.exercise == n) stamp += work.item.name + QLatin1Char('\t') + work.entry + QLatin1Char('\n');
        if (!w.bytes(soundFolder(n) + QLatin1Char('\\') + kStampName, stamp.toUtf8())) return false;
    }
    qCDebug(lcCourse) << todo.size() << "of" << items.size() << "recordings made in" << clock.elapsed() << "ms";
    return true;
}

}  // namespace course::recordings
