// The course tool: its source reader on any bytes, and the checker on any
// data file. Reading a source and building it gives lines that read back
// the same; every problem the checker reports names the file and a line.
#include "content/scramble.h"
#include "course/lib/Checker.h"
#include "course/lib/SourceText.h"
#include "fuzz_support.h"
#include "platform/codec.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::ensureGuiApplication();
    if (size < 1) return 0;
    const QByteArray rest = fuzz::bytes(data + 1, size - 1);

    const QStringList source = course::sourceLinesFromBytes(rest);
    bool encodable = true;
    for (const QString &l : source) encodable &= platform::representableIn1250(l);
    if (encodable)
        FUZZ_CHECK(platform::splitLines(platform::decode1250(course::encodeCourseText(source))) == source);

    const int kind = data[0] % 27;
    const QString name = kind < 24 ? QStringLiteral("%1.dat").arg(kind + 1)
                         : kind == 24 ? QStringLiteral("Texty.dat")
                         : kind == 25 ? QStringLiteral("Znamky.dat")
                                      : QStringLiteral("%1.res").arg(data[0] % 24 + 1);
    // Every problem names the file and a line: a line of the file, or for
    // the screen texts the number of a text the program looks up (1 ... 1000).
    static const QRegularExpression where(QStringLiteral("^f:(\\d+): \\S"));
    const QByteArray plain = kind <= 24 ? content::scrambleBytes(rest) : rest;
    const qsizetype lines = plain.count('\n') + 1;
    const qsizetype last = kind == 24 ? std::max<qsizetype>(lines, 1000) : lines;
    for (const QString &p : course::checkDataFile(name, rest, QStringLiteral("f"))) {
        const auto m = where.match(p);
        FUZZ_CHECK(m.hasMatch());
        FUZZ_CHECK(m.captured(1).toLongLong() <= last);
    }
    return 0;
}
