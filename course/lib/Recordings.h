// The recordings of the listening exercises 22, 23 and 24.
//
// Each sentence is spoken by one of two voices, taking turns item by item: a
// woman (festival's HTS voice slt) and a man (flite's voice rms), both a
// little slower than their default. A teacher's own recording
// recordings/<name>.wav|.flac|.ogg in the course sources takes the place of
// the synthetic one. Every recording is trimmed to the sentence with 0.1 s
// of silence around it and brought to one speech level; a second recording
// at three-quarter speed, pitch kept, lies in the folder "slow" beside it.
//
// A stamp file in each recordings folder holds the voice and the sentence
// (or the own recording's checksum) of every recording, so a rebuild only
// makes the recordings that changed. Same sources give the same bytes.
#pragma once

#include "course/lib/MediaStyle.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace course::recordings {

// One recording of a listening exercise.
struct Item {
    int exercise = 0;
    QString name;      // the file name of the content line ("22-01.wav")
    QString sentence;  // the whole sentence, gap filled
};

// The folder of the slower recordings inside an exercise's sound folder;
// no content line may use it as a recording name.
inline const QString kSlowFolder = QStringLiteral("slow");
// The folder of a course's sources that holds the teacher's own recordings.
inline const QString kOwnFolder = QStringLiteral("recordings");
// The file kinds of own recordings, in the order they are looked for.
inline QStringList ownExtensions() { return {QStringLiteral("wav"), QStringLiteral("flac"), QStringLiteral("ogg")}; }

// The stamp file in each recordings folder.
inline const QString kStampName = QStringLiteral("recordings.stamp");

enum class Voice { Woman, Man, Own };
// "slt", "rms", "own": the voice as the stamp file names it.
QString voiceId(Voice v);

// The voice of the index-th synthetic recording of an exercise (0-based):
// the two voices take turns.
Voice voiceOfItem(int index);

// The recordings of exercise n from its content source lines; false with a
// message in error for a name that is no plain file name, the reserved
// folder name, a name used for two sentences or an empty sentence.
bool itemsOf(int exercise, const QStringList &lines, const QString &file, QList<Item> *items, QString *error);

// The stem of a recording name: "22-01" for "22-01.wav".
inline QString stemOf(const QString &name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

// The teacher's own recording for a recording name in srcDir/recordings
// ("" when there is none). Two own files for one name are an error.
QString ownRecording(const QString &srcDir, const QString &name, QString *error);

// Makes the recordings (normal and slow) of the items under the writer's
// Sound\<exercise> folders, with the stamp files; recordings of items no
// longer in the course are removed. A missing program or voice stops it with
// a message that names its Debian package.
bool buildRecordings(media::Writer &w, const QString &srcDir, const QList<Item> &items);

}  // namespace course::recordings
