// The bytes an entry adds to the results log, computed without any file so
// that an append can be checked on memory: the old log is never rewritten,
// only these bytes go after its end.
#pragma once

#include <QByteArray>
#include <QStringList>

namespace results {

// What appending lines to a log whose current content is oldLog writes at
// its end: a CR LF first when the old log's last line lacks its line end,
// then each line in Windows-1250 followed by CR LF. oldLog + the result is
// the new log; it starts with oldLog byte for byte.
QByteArray logBytesToAppend(const QByteArray &oldLog, const QStringList &lines);

}  // namespace results
