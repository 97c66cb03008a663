// Windows-1250 codec, line splitting and the UTF-8 test on any bytes.
#include "fuzz_support.h"
#include "platform/codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray in = fuzz::bytes(data, size);
    const QString text = platform::decode1250(in);
    // Decode then encode gives back the same bytes: no byte value is lost.
    FUZZ_CHECK(text.size() == in.size());
    FUZZ_CHECK(platform::encode1250(text) == in);
    FUZZ_CHECK(platform::representableIn1250(text));
    // Lines hold no line feed, and writing them with CR LF reads back the same.
    const QStringList lines = platform::splitLines(text);
    for (const QString &l : lines) FUZZ_CHECK(!l.contains(QLatin1Char('\n')));
    FUZZ_CHECK(platform::splitLines(platform::joinLinesCrLf(lines)) == lines);
    // What the UTF-8 test accepts is well-formed UTF-8 with some non-ASCII text.
    if (platform::looksLikeUtf8(in)) {
        FUZZ_CHECK(QString::fromUtf8(in).toUtf8() == in);
        FUZZ_CHECK(QString::fromUtf8(in).size() < in.size());
    }
    return 0;
}
