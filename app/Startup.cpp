#include "app/Startup.h"

#include "state/ResultsDir.h"
#include "app/SceneMode.h"
#include "state/Services.h"
#include "app/StartupTables.h"
#include "content/scramble.h"
#include "platform/codec.h"
#include "platform/configfile.h"
#include "platform/curfile.h"
#include "platform/display.h"
#include "platform/ini.h"
#include "platform/logging.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "screens/frm_Pozadi.h"
#include "screens/frm_Select.h"

#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace Misc {

QString startupMessage(int number) {
    switch (number) {
    case 1: return QStringLiteral("Nelze nalézt soubor Tutorix.INI. Nainstalujte aplikaci znovu.");
    case 2: return QStringLiteral("Nelze nalézt soubory se zdroji dat. Nainstalujte aplikaci znovu.");
    case 3:
        return QStringLiteral("Nelze korektně číst z CD-ROM Tutorix.") + QStringLiteral("\r\n") +
               QStringLiteral("Zkontrolujte, je-li CD-ROM v CD mechanice.");
    }
    return {};
}

QString resultsFolderMessage(const ResultsDirChoice &choice) {
    return QStringLiteral("Do nastavené složky výsledků nelze zapisovat:\r\n%1\r\nDůvod: %2.\r\n\r\n"
                          "Výsledky se tentokrát ukládají do složky:\r\n%3\r\n\r\n"
                          "Učitel je v nastavené složce neuvidí; řekněte mu o tom.")
        .arg(choice.configured, czechFolderReason(choice.whyNotError), choice.dir);
}

QString withTrailingBackslash(const QString &dir) {
    return dir.endsWith(QLatin1Char('\\')) ? dir : dir + QLatin1Char('\\');
}

QString missingFilesMessage(int number, const QStringList &files, bool damaged) {
    return startupMessage(number) + (damaged ? QStringLiteral("\r\n\r\nNelze přečíst: ") : QStringLiteral("\r\n\r\nChybí: ")) +
           files.join(QStringLiteral(", "));
}

namespace {
// A failure also goes to standard error, where a start from a terminal or a
// session log shows it when no message box can.
void showStartupFailure(const QString &text) {
    const QString line = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(stderr, "tutorix: %s\n", qUtf8Printable(line));
    platform::msgBox(text, QStringLiteral("Chyba"), platform::MsgIcon::Critical, platform::MsgButtons::Ok);
}

// Message 2 or 3 when any of names is missing in dir; true when all exist.
bool allPresent(int message, const QString &dir, std::initializer_list<const char *> names) {
    QStringList missing;
    for (const char *name : names)
        if (!platform::fileExists(dir + QLatin1String(name)))
            missing << platform::nativePath(dir + QLatin1String(name));
    if (missing.isEmpty()) return true;
    showStartupFailure(missingFilesMessage(message, missing));
    return false;
}
}  // namespace

void LoadGradeTable(const QString &path) {
    const QStringList lines = platform::readTextLines(platform::nativePath(path));
    for (int n = 1; n <= 5 && n <= lines.size(); ++n) GradeTable[std::size_t(n)] = parseGradeLine(lines.at(n - 1));
}

namespace {
// Message 1, followed by where the program looked (no file found) or which
// file lacked a key; also on standard error, where a start from a terminal or
// a session log shows it when no message box can.
void configurationNotFound(const QStringList &looked, const QString &read) {
    QString text = startupMessage(1);
    if (!read.isEmpty()) {
        text += QStringLiteral("\r\n\r\nSoubor %1 neobsahuje klíče CD a HD v oddílu [LING1].").arg(read);
    } else {
        text += QStringLiteral("\r\n\r\nHledáno v:");
        for (const QString &place : looked) text += QStringLiteral("\r\n") + place;
    }
    showStartupFailure(text);
}

// Finds Tutorix.ini (platform/configfile.h gives the order) and sets
// WindowsDir to its folder; on failure shows message 1 with the places.
bool locateConfiguration(QString *iniPath) {
    const platform::ConfigSearch search = platform::configSearchOfProcess();
    *iniPath = platform::findConfigFile(search);
    const QStringList looked = platform::configCandidates(search);
    WindowsDir = withTrailingBackslash(iniPath->isEmpty() ? QFileInfo(looked.value(0)).path()
                                                          : QFileInfo(*iniPath).path());
    if (!iniPath->isEmpty()) return true;
    configurationNotFound(looked, {});
    return false;
}
}  // namespace

bool LoadConfiguration() {
    QString ini;
    if (!locateConfiguration(&ini)) return false;
    const QString missing = QStringLiteral("Chyba\\");
    const QString iniFolder = QFileInfo(ini).path();
    for (const auto &[key, dir] : {std::pair{"CD", &MediaDir}, std::pair{"HD", &DataDir}}) {
        const QString value = platform::getPrivateProfileString(QStringLiteral("LING1"), QLatin1String(key),
                                                                QStringLiteral("Chyba"), ini);
        if (withTrailingBackslash(value) == missing) {
            configurationNotFound({}, ini);
            return false;
        }
        *dir = withTrailingBackslash(platform::resolveConfigDir(value, iniFolder));
    }
    if (!allPresent(2, DataDir, {"Vysledky.dat", "Znamky.dat", "Texty.dat"})) return false;
    if (!allPresent(3, MediaDir, {"Bitmap\\Games\\01_bckg.bmp", "Bitmap\\Tab\\01.bmp", "Sound\\Click.wav"}))
        return false;
    // A damaged cursor file is a damaged media file like any other.
    QStringList badCursors;
    const std::pair<const char *, QCursor *> cursors[] = {
        {"Cur\\Arrow.cur", &CursorArrow}, {"Cur\\Hand.cur", &CursorHand}, {"Cur\\Help.cur", &CursorHelp}};
    for (const auto &[name, cursor] : cursors) {
        bool ok = false;
        *cursor = platform::loadCursorFile(MediaDir + QLatin1String(name), &ok);
        if (!ok) badCursors << platform::nativePath(MediaDir + QLatin1String(name));
    }
    if (!badCursors.isEmpty()) {
        showStartupFailure(missingFilesMessage(3, badCursors, true));
        return false;
    }
    SaveKeyboardLayout();
    if (!loadCheckedTables()) return false;
    const ResultsDirChoice results = chooseResultsDir(ini);
    if (!results.whyNot.isEmpty())
        platform::msgBox(resultsFolderMessage(results), QStringLiteral("Chyba"), platform::MsgIcon::Exclamation,
                         platform::MsgButtons::Ok);
    qCInfo(lcApp) << "media" << MediaDir << "data" << DataDir;
    return true;
}

void SetDisplayMode() {
    platform::DisplayMode now;
    if (platform::DisplayModes::current(now))
        SavedDisplayMode = {now.width, now.height, now.bitsPerPixel, now.refreshRate};
    // The switch, or the scene scaled over the background form (SceneMode).
    if (!switchDisplayOrScale(readSceneSettings())) frm_Pozadi::get().Show();
}

void RestoreDisplayMode() {
    const platform::DisplayMode saved{SavedDisplayMode.width, SavedDisplayMode.height, SavedDisplayMode.bitsPerPixel,
                                      SavedDisplayMode.refreshRate};
    if (!platform::DisplayModes::restore(saved))
        platform::msgBox(Text(47), Text(48), platform::MsgIcon::None, platform::MsgButtons::Ok);
}

bool runExitSequence() {
    PlayClickSound();
    if (platform::msgBox(Text(1), Text(2), platform::MsgIcon::Question, platform::MsgButtons::YesNo) !=
        platform::MsgResult::Yes)
        return false;
    RestoreDisplayMode();
    frm_Pozadi::Unload();
    frm_Select::Unload();
    endProgram(0);
    return true;
}

}  // namespace Misc
