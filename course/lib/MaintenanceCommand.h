// tutorix-course forget FOLDER --pupil NAME [--dry-run] and
// tutorix-course archive FOLDER ARCHIVE: a pupil's records removed from a
// results folder, and a school year moved into an archive folder, both
// while pupils may be saving (results/ResultsMaintenance.h).
#pragma once

#include <QStringList>
#include <QTextStream>

namespace course {

// args are the words after the command. Exit codes: 0 done, 1 a file could
// not be read or written (what was done so far is printed), 2 wrong usage.
int runForgetCommand(const QStringList &args, QTextStream &out, QTextStream &err);
int runArchiveCommand(const QStringList &args, QTextStream &out, QTextStream &err);

}  // namespace course
