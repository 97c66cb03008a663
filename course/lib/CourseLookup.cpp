#include "course/lib/CourseLookup.h"

#include "content/scramble.h"
#include "platform/configfile.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "state/AnswersLog.h"

#include <QFileInfo>

namespace course {

CourseSetup lookUpCourse() {
    CourseSetup s;
    s.iniPath = platform::findConfigFile(platform::configSearchOfProcess());
    if (s.iniPath.isEmpty()) return s;
    const QString hd =
        platform::getPrivateProfileString(QStringLiteral("LING1"), QStringLiteral("HD"), {}, s.iniPath).trimmed();
    if (hd.isEmpty()) return s;
    const QString data = platform::resolveConfigDir(hd, QFileInfo(s.iniPath).path());
    s.dataDir = platform::nativePath(data);
    s.results = Misc::decideResultsDir(s.iniPath, data);
    return s;
}

namespace {
// A texts file that unscrambles to at least one line.
bool readable(const QString &path) {
    bool ok = false;
    return platform::fileExists(path) && !content::readScrambledLines(path, &ok).isEmpty() && ok;
}
}  // namespace

QString courseTextsPathFor(const QString &folder) {
    const QString own = platform::nativePath(folder + QStringLiteral("/Texty.dat"));
    if (readable(own)) return own;
    const CourseSetup s = lookUpCourse();
    if (s.dataDir.isEmpty()) return {};
    const QString course = platform::nativePath(s.dataDir + QStringLiteral("/Texty.dat"));
    return readable(course) ? course : QString();
}

QStringList courseTextsFor(const QString &folder) {
    const QString path = courseTextsPathFor(folder);
    return path.isEmpty() ? QStringList() : content::readScrambledLines(path);
}

bool holdsResults(const QString &folder) {
    QStringList names{QStringLiteral("Vysledky.dat"), QLatin1String(results::kAnswersFileName)};
    for (int n = 1; n <= 24; ++n) names << QStringLiteral("%1.res").arg(n);
    for (const QString &name : names)
        if (QFileInfo(platform::nativePath(folder + QLatin1Char('/') + name)).size() > 0) return true;
    return false;
}

QString fallbackNotice(const CourseSetup &setup) {
    const Misc::ResultsDirChoice &c = setup.results;
    if (c.whyNot.isEmpty() || c.dir.isEmpty() || !holdsResults(c.dir)) return {};
    return QStringLiteral("Pozor: do nastavené složky výsledků %1 nelze zapisovat (%2). Program na tomto počítači "
                          "proto ukládá výsledky do složky %3 a ta už nějaké výsledky obsahuje.")
        .arg(c.configured, Misc::czechFolderReason(c.whyNotError), c.dir);
}

}  // namespace course
