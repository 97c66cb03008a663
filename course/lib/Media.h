// The media tree of a course (pictures, pointers, sounds), drawn from code
// and from the course texts.
#pragma once

#include <QString>
#include <QStringList>

namespace course {

// Writes every picture, pointer and sound of the course under mediaDir.
// texts are the lines of Texty (line k = text k). Returns false with a
// message in error on failure.
bool buildMedia(const QString &srcDir, const QStringList &texts, const QString &mediaDir, QString *error);

}  // namespace course
