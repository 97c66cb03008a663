#include "app/Startup.h"

#include "app/Services.h"
#include "content/scramble.h"
#include "platform/codec.h"
#include "platform/curfile.h"
#include "platform/display.h"
#include "platform/ini.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "screens/frm_Pozadi.h"
#include "screens/frm_Select.h"

#include <QLoggingCategory>

#include <cmath>

Q_LOGGING_CATEGORY(lcStartup, "tutorix.startup")

namespace Misc {

QString StartupMessage(int number) {
    switch (number) {
    case 1: return QStringLiteral("Nelze nalézt soubor Tutorix.INI. Nainstalujte aplikaci znovu.");
    case 2: return QStringLiteral("Nelze nalézt soubory se zdroji dat. Nainstalujte aplikaci znovu.");
    case 3:
        return QStringLiteral("Nelze korektně číst z CD-ROM Tutorix.") + QStringLiteral("\r\n") +
               QStringLiteral("Zkontrolujte, je-li CD-ROM v CD mechanice.");
    }
    return {};
}

QString WithTrailingBackslash(const QString &dir) {
    return dir.endsWith(QLatin1Char('\\')) ? dir : dir + QLatin1Char('\\');
}

namespace {
void startupFailure(int number) {
    platform::msgBox(StartupMessage(number), QStringLiteral("Chyba"), platform::MsgIcon::Critical,
                     platform::MsgButtons::Ok);
}
}  // namespace

void LoadGradeTable(const QString &path) {
    const QStringList lines = platform::readTextLines(platform::nativePath(path));
    for (int n = 1; n <= 5 && n <= lines.size(); ++n) GradeTable[std::size_t(n)] = ParseGradeLine(lines.at(n - 1));
}

void FillTextTable(const QStringList &lines) {
    for (auto &t : TextTable) t.clear();
    for (int k = 1; k <= kTextTableSize && k <= lines.size(); ++k) TextTable[std::size_t(k)] = lines.at(k - 1);
}

void LoadTextTable(const QString &path) { FillTextTable(content::readScrambledLines(path)); }

bool LoadConfiguration() {
    WindowsDir = WithTrailingBackslash(platform::windowsDirectory());
    const QString ini = WindowsDir + QStringLiteral("Tutorix.ini");
    const QString missing = QStringLiteral("Chyba\\");

    MediaDir = WithTrailingBackslash(platform::getPrivateProfileString(QStringLiteral("LING1"), QStringLiteral("CD"),
                                                                       QStringLiteral("Chyba"), ini));
    if (MediaDir == missing) {
        startupFailure(1);
        return false;
    }
    DataDir = WithTrailingBackslash(platform::getPrivateProfileString(QStringLiteral("LING1"), QStringLiteral("HD"),
                                                                      QStringLiteral("Chyba"), ini));
    if (DataDir == missing) {
        startupFailure(1);
        return false;
    }
    bool dataOk = true;
    for (const char *name : {"Vysledky.dat", "Znamky.dat", "Texty.dat"})
        dataOk &= platform::fileExists(DataDir + QLatin1String(name));
    if (!dataOk) {
        startupFailure(2);
        return false;
    }
    bool mediaOk = true;
    for (const char *name : {"Bitmap\\Games\\01_bckg.bmp", "Bitmap\\Tab\\01.bmp", "Sound\\Click.wav"})
        mediaOk &= platform::fileExists(MediaDir + QLatin1String(name));
    if (!mediaOk) {
        startupFailure(3);
        return false;
    }
    // A damaged cursor file is a damaged media file like any other.
    bool cursorOk[3] = {};
    CursorArrow = platform::loadCursorFile(MediaDir + QStringLiteral("Cur\\Arrow.cur"), &cursorOk[0]);
    CursorHand = platform::loadCursorFile(MediaDir + QStringLiteral("Cur\\Hand.cur"), &cursorOk[1]);
    CursorHelp = platform::loadCursorFile(MediaDir + QStringLiteral("Cur\\Help.cur"), &cursorOk[2]);
    if (!cursorOk[0] || !cursorOk[1] || !cursorOk[2]) {
        startupFailure(3);
        return false;
    }
    SaveKeyboardLayout();
    LoadGradeTable(DataDir + QStringLiteral("znamky.dat"));
    LoadTextTable(DataDir + QStringLiteral("texty.dat"));
    qCInfo(lcStartup) << "media" << MediaDir << "data" << DataDir;
    return true;
}

void SetDisplayMode() {
    platform::DisplayMode now;
    if (platform::DisplayModes::current(now))
        SavedDisplayMode = {now.width, now.height, now.bitsPerPixel, now.refreshRate};
    if (!platform::DisplayModes::change(640, 480, 16)) {
        platform::msgBox(Text(44), Text(45), platform::MsgIcon::None, platform::MsgButtons::Ok);
        frm_Pozadi::get().Show();
    }
}

void RestoreDisplayMode() {
    const platform::DisplayMode saved{SavedDisplayMode.width, SavedDisplayMode.height, SavedDisplayMode.bitsPerPixel,
                                      SavedDisplayMode.refreshRate};
    if (!platform::DisplayModes::restore(saved))
        platform::msgBox(Text(47), Text(48), platform::MsgIcon::None, platform::MsgButtons::Ok);
}

bool RunExitSequence() {
    PlayClickSound();
    if (platform::msgBox(Text(1), Text(2), platform::MsgIcon::Question, platform::MsgButtons::YesNo) !=
        platform::MsgResult::Yes)
        return false;
    RestoreDisplayMode();
    frm_Pozadi::Unload();
    frm_Select::Unload();
    EndProgram(0);
    return true;
}

}  // namespace Misc
