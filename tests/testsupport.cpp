#include "testsupport.h"

#include "state/Services.h"
#include "app/ScreenLinks.h"
#include "app/Startup.h"
#include "platform/sound.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace testsupport {

namespace {
QList<platform::MsgBoxCall> g_messages;
platform::MsgResult g_answer = platform::MsgResult::Yes;
int g_endRequests = 0;
int g_lastCode = 0;

bool copyDir(const QString &from, const QString &to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files);
    while (it.hasNext()) {
        it.next();
        if (!QFile::copy(it.filePath(), to + QLatin1Char('/') + it.fileName())) return false;
    }
    return true;
}
}  // namespace

QString builtCourseDir() { return QStringLiteral(TUTORIX_BUILD_DIR) + QStringLiteral("/course"); }

CourseCopy::CourseCopy() {
    m_valid = m_dir.isValid() && copyDir(builtCourseDir() + QStringLiteral("/data"), dataDir());
    QFile ini(root() + QStringLiteral("/Tutorix.ini"));
    m_valid = m_valid && ini.open(QIODevice::WriteOnly);
    ini.write(QStringLiteral("[LING1]\r\nCD=%1\\\r\nHD=%2\\\r\n").arg(mediaDir(), dataDir()).toLatin1());
}

QString CourseCopy::mediaDir() const { return builtCourseDir() + QStringLiteral("/media"); }

void CourseCopy::activate() const { qputenv("TUTORIX_WINDOWS_DIR", root().toLocal8Bit()); }

void recordMessageBoxes(platform::MsgResult answer) {
    g_answer = answer;
    platform::setMsgBoxHook([](const platform::MsgBoxCall &call) {
        g_messages.append(call);
        return call.buttons == platform::MsgButtons::Ok ? platform::MsgResult::Ok : g_answer;
    });
}

QList<platform::MsgBoxCall> &messageBoxes() { return g_messages; }

void setMessageBoxAnswer(platform::MsgResult answer) { g_answer = answer; }

void muteSounds() { platform::Sounds::setMuted(true); }

bool loadConfiguration() {
    recordMessageBoxes(g_answer);
    muteSounds();
    Misc::setEndProgramHook([](int code) {
        ++g_endRequests;
        g_lastCode = code;
    });
    return Misc::LoadConfiguration();
}

int endRequests(int *lastCode) {
    const int n = g_endRequests;
    if (lastCode) *lastCode = g_lastCode;
    g_endRequests = 0;
    return n;
}

QByteArray readBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

bool connectScreens() {
    Misc::connectScreens();
    return true;
}

}  // namespace testsupport
