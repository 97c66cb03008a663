#include "course/lib/MediaCheck.h"

#include "content/Records.h"
#include "content/scramble.h"
#include "course/lib/RecordingAudio.h"
#include "course/lib/Recordings.h"
#include "course/lib/SourceText.h"
#include "platform/codec.h"
#include "platform/curfile.h"
#include "platform/paths.h"
#include "rules/ExerciseGroups.h"
#include "rules/ExerciseSpec.h"
#include "rules/RunLengths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

namespace course {

namespace {

QString nn(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// A picture the program opens, with the size its screen needs (0 x 0: any
// size, as long as it loads).
struct Picture {
    QString rel;
    int width = 0;
    int height = 0;
};

QList<Picture> expectedPictures() {
    QList<Picture> list;
    auto add = [&](const QString &rel, int w = 0, int h = 0) { list.append({rel, w, h}); };
    const QString sel = QStringLiteral("Bitmap\\Select\\");
    add(sel + QStringLiteral("bckg.bmp"), 640, 480);
    add(sel + QStringLiteral("mkone.bmp"), 91, 75);
    add(sel + QStringLiteral("mkoneh.bmp"), 91, 75);
    const auto &groups = screens::exerciseGroups();
    for (int g = 1; g <= 7; ++g) {
        for (int s = 0; s <= 1; ++s) add(sel + QStringLiteral("l_%1_%2.bmp").arg(g).arg(s), 300, 46);
        const auto &group = groups[std::size_t(g)];
        for (std::size_t k = 0; k < group.exercises.size(); ++k)
            for (int s = 0; s <= 1; ++s)
                add(sel + QStringLiteral("r_%1_%2.bmp").arg(nn(group.exercises[k])).arg(s), 300, group.heights[k]);
    }
    add(QStringLiteral("Bitmap\\Intro\\title.bmp"), 640, 480);
    add(QStringLiteral("Bitmap\\Help\\autori.bmp"), 640, 480);
    add(QStringLiteral("Bitmap\\Help\\setup.bmp"), 640, 480);
    const QString setup = QStringLiteral("Bitmap\\Setup\\");
    const QString games = QStringLiteral("Bitmap\\Games\\");
    for (int n = 1; n <= 24; ++n) {
        add(QStringLiteral("Bitmap\\Help\\%1.bmp").arg(nn(n)), 640, 480);
        add(setup + QStringLiteral("bg%1.bmp").arg(nn(n)), 640, 480);
        add(QStringLiteral("Bitmap\\Tab\\%1.bmp").arg(nn(n)), 640, 480);
        add(games + QStringLiteral("%1_bckg.bmp").arg(nn(n)), 640, 480);
    }
    for (int n = 1; n <= 24; ++n)
        if (exercise::spec(n).rowsPerPage == 10 || exercise::isWordLists(n)) add(games + QStringLiteral("%1_bckg5.bmp").arg(nn(n)), 640, 480);
    for (int c : exercise::kRunLengths) {
        add(setup + QStringLiteral("Sipka_%1.bmp").arg(c));
        add(setup + QStringLiteral("%1_0.bmp").arg(c), 35, 29);
        add(setup + QStringLiteral("%1_1.bmp").arg(c), 35, 29);
    }
    add(setup + QStringLiteral("pokracuj.bmp"), 94, 23);
    add(setup + QStringLiteral("tiskni.bmp"), 96, 23);
    add(setup + QStringLiteral("mzpet.bmp"), 91, 75);
    add(setup + QStringLiteral("mzpeth.bmp"), 91, 75);
    add(setup + QStringLiteral("nap_0.bmp"), 26, 26);
    add(setup + QStringLiteral("nap_1.bmp"), 26, 26);
    add(setup + QStringLiteral("tema_0.bmp"));
    add(setup + QStringLiteral("tema_1.bmp"));
    add(setup + QStringLiteral("bg21_set.bmp"), 640, 480);
    for (const char *b : {"mkont", "mnove", "mtab", "mzpet"}) {
        add(games + QString::fromLatin1(b) + QStringLiteral(".bmp"), 91, 75);
        add(games + QString::fromLatin1(b) + QStringLiteral("h.bmp"), 91, 75);
    }
    add(games + QStringLiteral("Check_ok.bmp"), 32, 32);
    add(games + QStringLiteral("Check_ko.bmp"), 32, 32);
    add(games + QStringLiteral("Hint_2.bmp"), 212, 37);
    add(games + QStringLiteral("Hint_3.bmp"), 531, 37);
    add(games + QStringLiteral("Hint_4.bmp"), 605, 57);
    add(games + QStringLiteral("Hint_5.bmp"), 531, 57);
    add(games + QStringLiteral("Hint_6.bmp"), 250, 37);
    for (int s = 0; s <= 2; ++s) {
        add(games + QStringLiteral("02_sw_%1.bmp").arg(s));
        add(games + QStringLiteral("04_sw_1%1.bmp").arg(s));
        add(games + QStringLiteral("04_sw_2%1.bmp").arg(s));
        add(games + QStringLiteral("18_sw_%1.bmp").arg(s));
    }
    for (int s = 0; s <= 3; ++s) add(games + QStringLiteral("11_sw_%1.bmp").arg(s));
    for (const char *s : {"18_sum10", "18_sum20", "18_sum30"})
        add(games + QString::fromLatin1(s) + QStringLiteral(".bmp"), 640, 480);
    add(QStringLiteral("Bitmap\\Tab\\back_0.bmp"), 91, 75);
    add(QStringLiteral("Bitmap\\Tab\\back_1.bmp"), 91, 75);
    return list;
}

bool decodable(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && audio::readWav(f.readAll()).has_value();
}

bool isWav(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

// The recording names (field 6) of a listening exercise's content file.
QStringList recordingNames(const QString &dataDir, int exercise, bool *readable) {
    QFile f(platform::nativePath(QStringLiteral("%1/%2.dat").arg(dataDir).arg(exercise)));
    *readable = f.open(QIODevice::ReadOnly);
    if (!*readable) return {};
    const QStringList lines = platform::splitLines(platform::decode1250(content::scrambleBytes(f.readAll())));
    QStringList names;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty()) continue;
        names << content::parseContentLine(line, content::Layout::Listening, exercise).field[6];
    }
    return names;
}

}  // namespace

QStringList checkMedia(const QString &mediaDir, const QString &dataDir) {
    QStringList problems;
    if (!QFileInfo(mediaDir).isDir()) return {mediaDir + QStringLiteral(": chybí složka s obrázky a zvuky")};
    const QString root = mediaDir.endsWith(QLatin1Char('/')) ? mediaDir : mediaDir + QLatin1Char('/');
    auto where = [&](const QString &rel) { return root + QString(rel).replace(QLatin1Char('\\'), QLatin1Char('/')); };

    for (const Picture &pic : expectedPictures()) {
        const QString path = platform::nativePath(where(pic.rel));
        if (!QFileInfo(path).isFile()) {
            problems << where(pic.rel) + QStringLiteral(": soubor chybí");
            continue;
        }
        const QImage img(path);
        if (img.isNull()) {
            problems << where(pic.rel) + QStringLiteral(": obrázek nejde přečíst");
            continue;
        }
        if (pic.width > 0 && (img.width() != pic.width || img.height() != pic.height))
            problems << where(pic.rel) + QStringLiteral(": má %1 x %2 pixelů, obrazovka potřebuje %3 x %4")
                                             .arg(img.width())
                                             .arg(img.height())
                                             .arg(pic.width)
                                             .arg(pic.height);
    }
    for (const char *c : {"Arrow", "Hand", "Help"}) {
        const QString rel = QStringLiteral("Cur\\%1.cur").arg(QLatin1String(c));
        QFile f(platform::nativePath(where(rel)));
        if (!f.open(QIODevice::ReadOnly))
            problems << where(rel) + QStringLiteral(": soubor chybí");
        else if (!platform::parseCursorFile(f.readAll()).valid)
            problems << where(rel) + QStringLiteral(": kurzor nejde přečíst");
    }
    for (const char *s : {"click", "enter"}) {
        const QString rel = QStringLiteral("Sound\\%1.wav").arg(QLatin1String(s));
        const QString path = platform::nativePath(where(rel));
        if (!QFileInfo(path).isFile())
            problems << where(rel) + QStringLiteral(": soubor chybí");
        else if (!isWav(path))
            problems << where(rel) + QStringLiteral(": není to soubor WAV");
    }
    for (int n = 1; n <= 24; ++n) {
        if (!exercise::isListening(n)) continue;
        bool readable = false;
        const QStringList names = recordingNames(dataDir, n, &readable);
        if (!readable) continue;  // the content check reports a missing content file
        QSet<QString> named;
        for (const QString &name : names) {
            named.insert(name.toLower());
            const QString rel = QStringLiteral("Sound\\%1\\%2").arg(n).arg(name);
            const QString path = platform::nativePath(where(rel));
            if (name.isEmpty() || !QFileInfo(path).isFile())
                problems << where(rel) + QStringLiteral(": chybí nahrávka položky z %1.dat").arg(n);
            else if (!decodable(path))
                problems << where(rel) + QStringLiteral(": nejde přečíst jako nahrávka PCM WAV");
            const QString slow = platform::nativePath(
                where(QStringLiteral("Sound\\%1\\%2\\%3").arg(n).arg(recordings::kSlowFolder, name)));
            if (!name.isEmpty() && QFileInfo(slow).isFile() && !decodable(slow))
                problems << slow + QStringLiteral(": nejde přečíst jako nahrávka PCM WAV");
        }
        // Files of the folders that no content line names.
        const QString folder = platform::nativePath(where(QStringLiteral("Sound\\%1").arg(n)));
        for (const QString &sub : {QString(), recordings::kSlowFolder}) {
            const QDir dir(sub.isEmpty() ? folder : folder + QLatin1Char('/') + sub);
            for (const QString &file : dir.entryList(QDir::Files)) {
                if (sub.isEmpty() && file == recordings::kStampName) continue;
                if (!named.contains(file.toLower()))
                    problems << dir.filePath(file) + QStringLiteral(": žádný řádek %1.dat tuto nahrávku nejmenuje").arg(n);
            }
        }
    }
    return problems;
}

QStringList checkOwnRecordings(const QString &srcDir) {
    const QDir dir(srcDir + QLatin1Char('/') + recordings::kOwnFolder);
    if (!dir.exists()) return {};
    QSet<QString> stems;  // of the recording names, lower case
    for (int n = 1; n <= 24; ++n) {
        if (!exercise::isListening(n)) continue;
        const QString src = QStringLiteral("%1/%2.txt").arg(srcDir).arg(n);
        for (const QString &line : readSourceLines(src))
            if (!line.trimmed().isEmpty())
                stems.insert(recordings::stemOf(
                    content::parseContentLine(line, content::Layout::Listening, n).field[6].trimmed()).toLower());
    }
    const QString sox = QStandardPaths::findExecutable(QStringLiteral("sox"));
    QStringList problems;
    QHash<QString, QString> seen;  // stem -> first file
    for (const QString &file : dir.entryList(QDir::Files, QDir::Name)) {
        const QString path = dir.filePath(file);
        const QString ext = QFileInfo(file).suffix().toLower();
        const QString stem = recordings::stemOf(file).toLower();
        if (!recordings::ownExtensions().contains(ext)) {
            problems << path + QStringLiteral(": sestavení čte jen nahrávky .wav, .flac a .ogg");
            continue;
        }
        if (!stems.contains(stem)) {
            problems << path + QStringLiteral(": žádný řádek 22.txt, 23.txt ani 24.txt nejmenuje nahrávku %1")
                                   .arg(recordings::stemOf(file));
            continue;
        }
        if (seen.contains(stem)) {
            problems << path + QStringLiteral(": druhá vlastní nahrávka vedle %1; sestavení vezme jen jednu").arg(seen[stem]);
            continue;
        }
        seen.insert(stem, file);
        if (sox.isEmpty()) {
            problems << path + QStringLiteral(": nejde zkontrolovat, chybí program sox (balíček Debianu sox)");
            continue;
        }
        QProcess p;
        p.start(sox, {QStringLiteral("-V1"), path, QStringLiteral("-n")});
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            problems << path + QStringLiteral(": nejde přečíst: ") +
                            QString::fromLocal8Bit(p.readAllStandardError()).simplified();
    }
    return problems;
}

}  // namespace course
