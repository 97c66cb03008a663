// The INI reader on any text, and a value written then read back.
#include "fuzz_support.h"
#include "platform/codec.h"
#include "platform/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = platform::decode1250(fuzz::bytes(data, size));
    const QString value = platform::profileStringFromText(text, QStringLiteral("LING1"), QStringLiteral("CD"),
                                                          QStringLiteral("Chyba"));
    FUZZ_CHECK(value.size() <= platform::kProfileBufferSize - 1);
    FUZZ_CHECK(!value.contains(QLatin1Char('\n')));

    // The input as one value: written under the key of a fresh file, it
    // reads back trimmed, unquoted and cut to the buffer.
    QString written = text;
    written.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    const QString ini = QStringLiteral("[Other]\r\nCD=x\r\n[ling1]\r\n  cd = ") + written + QStringLiteral("\r\nCD=later\r\n");
    QString expected = written.trimmed();
    if (expected.size() >= 2 && expected.front() == expected.back() &&
        (expected.front() == QLatin1Char('"') || expected.front() == QLatin1Char('\'')))
        expected = expected.mid(1, expected.size() - 2);
    const QString read = platform::profileStringFromText(ini, QStringLiteral("LING1"), QStringLiteral("CD"), QStringLiteral("Chyba"));
    FUZZ_CHECK(read == expected.left(platform::kProfileBufferSize - 1));
    return 0;
}
