// Grade bands: any Znamky.dat parses to bytes; bands written then read are
// the same bands; a grade is always one of the bands' grades.
#include "state/GradeBands.h"
#include "fuzz_support.h"
#include "platform/codec.h"
#include "state/ResultsRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray in = fuzz::bytes(data, size);
    const auto bands = Misc::parseGradeBands(in);
    const QStringList lines = platform::splitLines(platform::decode1250(in));
    for (int n = 1; n <= 5; ++n) {
        const Misc::GradeBand &b = bands[std::size_t(n)];
        const Misc::GradeBand expected = n <= lines.size() ? Misc::parseGradeLine(lines.at(n - 1)) : Misc::GradeBand{};
        FUZZ_CHECK(b.lower == expected.lower && b.upper == expected.upper && b.grade == expected.grade);
    }
    // A grade for any count is empty or the grade of a band that holds it.
    if (size >= 2) {
        const int total = data[0] % 31;
        const int right = total ? data[1] % (total + 1) : 0;
        const QString grade = results::gradeFor(right, total, bands);
        if (!grade.isEmpty()) {
            bool found = false;
            for (int n = 1; n <= 5; ++n) found |= QString::number(bands[std::size_t(n)].grade) == grade;
            FUZZ_CHECK(found);
        }
    }
    // Bands from the first 15 bytes, written as the file's lines, read back.
    if (size >= 15) {
        std::array<Misc::GradeBand, 6> written{};
        QStringList out;
        for (int n = 1; n <= 5; ++n) {
            const int k = (n - 1) * 3;
            written[std::size_t(n)] = {data[k], data[k + 1], data[k + 2]};
            out << QStringLiteral("%1|%2|%3").arg(data[k]).arg(data[k + 1]).arg(data[k + 2]);
        }
        const auto back = Misc::parseGradeBands(platform::encode1250(platform::joinLinesCrLf(out)));
        for (int n = 1; n <= 5; ++n) {
            FUZZ_CHECK(back[std::size_t(n)].lower == written[std::size_t(n)].lower);
            FUZZ_CHECK(back[std::size_t(n)].upper == written[std::size_t(n)].upper);
            FUZZ_CHECK(back[std::size_t(n)].grade == written[std::size_t(n)].grade);
        }
    }
    return 0;
}
