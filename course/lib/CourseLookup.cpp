#include "course/lib/CourseLookup.h"

#include "content/scramble.h"
#include "platform/configfile.h"
#include "platform/ini.h"
#include "platform/paths.h"

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
    s.results = Misc::DecideResultsDir(s.iniPath, data);
    return s;
}

QStringList courseTextsFor(const QString &folder) {
    const QString own = platform::nativePath(folder + QStringLiteral("/Texty.dat"));
    if (platform::fileExists(own)) return content::readScrambledLines(own);
    const CourseSetup s = lookUpCourse();
    if (s.dataDir.isEmpty()) return {};
    const QString course = platform::nativePath(s.dataDir + QStringLiteral("/Texty.dat"));
    if (!platform::fileExists(course)) return {};
    return content::readScrambledLines(course);
}

}  // namespace course
