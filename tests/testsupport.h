// Helpers shared by the tests: a private copy of the bundled course, message
// boxes answered and recorded, sounds muted and logged.
#pragma once

#include "platform/msgbox.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace testsupport {

// The bundled course built by the build (build/course).
QString builtCourseDir();

// A course whose data folder is a private copy (results may be written) and
// whose media folder is the built one. Tutorix.ini sits in root().
class CourseCopy {
public:
    CourseCopy();
    QString root() const { return m_dir.path(); }
    QString dataDir() const { return m_dir.path() + QStringLiteral("/data"); }
    QString mediaDir() const;
    bool isValid() const { return m_valid; }
    // Points the program at this course (TUTORIX_WINDOWS_DIR).
    void activate() const;

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

// Records every message box and answers it with answer (Ok for OK boxes).
void recordMessageBoxes(platform::MsgResult answer = platform::MsgResult::Yes);
QList<platform::MsgBoxCall> &messageBoxes();
void setMessageBoxAnswer(platform::MsgResult answer);

// The bytes of a file, empty when it cannot be read.
QByteArray readBytes(const QString &path);
// Replaces a file's bytes; false when it could not be written whole.
bool writeBytes(const QString &path, const QByteArray &bytes);

// Mutes sound output; every request still lands in platform::Sounds::log().
void muteSounds();

// Loads the configuration of the active course (LoadConfiguration) with
// message boxes recorded and the end of the program caught; returns its
// result.
bool loadConfiguration();
// How often the program asked to end since the last call (and the code).
int endRequests(int *lastCode = nullptr);

// Connects the screens as the program does at start-up (Misc::connectScreens);
// every test that includes this header has them connected before main.
bool connectScreens();
inline const bool screensConnected = connectScreens();

}  // namespace testsupport
