// Content records: any unscrambled file parses within the table's limits,
// and records written as lines, stored scrambled and read back are the same
// records.
#include "content/Records.h"
#include "content/scramble.h"
#include "fuzz_support.h"
#include "platform/codec.h"

using content::Layout;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const int exercise = data[0] % 24 + 1;
    const Layout layout = (data[0] / 24) % 2 ? Layout::TopicList : content::layoutOfExercise(exercise);
    const QByteArray rest = fuzz::bytes(data + 1, size - 1);
    const bool underscore = content::underscoreSeparates(layout);
    const auto fields = content::fieldsOfParts(layout, exercise);

    // Reading any bytes: one record per line, at most the table's size, and
    // no separator of the layout inside a field.
    const auto parsed = content::parseContentText(rest, layout, exercise);
    const QStringList lines = content::linesOfPlainText(rest);
    FUZZ_CHECK(qsizetype(parsed.size()) == std::min<qsizetype>(lines.size(), Misc::kMaxRecords));
    for (const auto &rec : parsed)
        for (const QString &f : rec.field) {
            FUZZ_CHECK(!f.contains(QLatin1Char('#')));
            FUZZ_CHECK(!underscore || !f.contains(QLatin1Char('_')));
        }

    // Writing records then reading them: the input's text, cut at the unit
    // separator 0x1F, fills the layout's fields of several records.
    QString text = platform::decode1250(rest);
    text.remove(QLatin1Char('#')).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    if (underscore) text.remove(QLatin1Char('_'));
    const QStringList pieces = text.split(QChar(0x1F));
    std::vector<int> used;  // the fields the layout's parts go to, in part order
    for (int f : fields)
        if (f >= 0) used.push_back(f);
    std::vector<Misc::ContentRecord> records;
    Misc::ContentRecord rec;
    std::size_t j = 0;
    for (const QString &piece : pieces) {
        rec.field[std::size_t(used[j])] = piece;
        if (++j == used.size()) {
            records.push_back(rec);
            rec = {};
            j = 0;
        }
    }
    if (j > 0 || records.empty()) records.push_back(rec);
    QStringList written;
    for (const auto &r : records) written << content::formatContentLine(r, layout, exercise);
    const QByteArray stored = content::scrambleBytes(platform::encode1250(platform::joinLinesCrLf(written)));
    const auto back = content::parseContentText(content::scrambleBytes(stored), layout, exercise);
    const std::size_t expectedCount = std::min<std::size_t>(records.size(), std::size_t(Misc::kMaxRecords));
    FUZZ_CHECK(back.size() == expectedCount);
    for (std::size_t i = 0; i < back.size(); ++i)
        for (int f : fields)
            if (f >= 0) FUZZ_CHECK(back[i].field[std::size_t(f)] == records[i].field[std::size_t(f)]);
    return 0;
}
