#include "course/lib/Media.h"

#include "course/lib/CourseExercises.h"
#include "course/lib/MediaParts.h"
#include "rules/ExerciseGroups.h"

#include <QDir>

namespace course {

namespace media {

QString exerciseName(const QStringList &texts, int n) { return courseText(texts, screens::nameTextOfExercise(n)); }

QString groupTitle(const QStringList &texts, int n) {
    const int g = screens::groupOfExercise(n);
    return g ? courseText(texts, screens::exerciseGroups()[std::size_t(g)].titleText) : QString();
}


Icon taskIcon(int n) { return courseExercise(n).icon; }

QImage continueButton() { return slideButton(94, 23, Icon::Forward, QStringLiteral("Pokračuj")); }
QImage printButton() { return slideButton(96, 23, Icon::Print, QStringLiteral("Tiskni")); }

}  // namespace media

bool buildMedia(const QString &srcDir, const QStringList &texts, const QString &mediaDir, QString *error) {
    if (!QDir().mkpath(mediaDir)) {
        if (error) *error = QStringLiteral("%1 nejde vytvořit").arg(mediaDir);
        return false;
    }
    media::Writer w(mediaDir, error);
    media::buildSelectPictures(w, texts);
    media::buildIntroAndHelpPictures(w, texts);
    media::buildSetupPictures(w, texts);
    media::buildGameBackgrounds(w, texts);
    media::buildGameControls(w);
    media::buildResultsPictures(w, texts);
    media::buildCursors(w);
    media::buildSounds(w, srcDir);
    return w.ok();
}

}  // namespace course
