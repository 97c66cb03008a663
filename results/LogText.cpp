#include "results/LogText.h"

#include "platform/codec.h"

namespace results {

QByteArray logBytesToAppend(const QByteArray &oldLog, const QStringList &lines) {
    QByteArray out;
    if (!oldLog.isEmpty() && !oldLog.endsWith('\n')) out += "\r\n";
    out += platform::encode1250(platform::joinLinesCrLf(lines));
    return out;
}

}  // namespace results
