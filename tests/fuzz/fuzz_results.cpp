// Results tables and the results log: parsed records format and parse back
// the same; records written then read are the same records; sorting keeps
// the table ranked; an append keeps the old log byte for byte.
#include "fuzz_support.h"
#include "platform/codec.h"
#include "results/LogText.h"
#include "state/ResultsRules.h"

#include <QDateTime>

using results::ResultRecord;

namespace {
QString label(int k) { return QStringLiteral("T%1").arg(k); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray in = fuzz::bytes(data, size);
    const QStringList lines = platform::splitLines(platform::decode1250(in));

    // Any table: every line that parses formats to a line that parses back
    // to the same record (the name made storable).
    std::vector<ResultRecord> table;
    for (const QString &line : lines) {
        const auto r = results::parseResultLine(line);
        if (!r) continue;
        FUZZ_CHECK(r->mark == 0);
        const QByteArray stored = platform::encode1250(results::formatResultLine(*r));
        const auto again = results::parseResultLine(platform::decode1250(stored));
        FUZZ_CHECK(again.has_value());
        ResultRecord expected = *r;
        expected.name = results::storableName(r->name);
        FUZZ_CHECK(*again == expected);
        table.push_back(*r);
    }
    // Inserting keeps the table ranked and reports where the new one went.
    if (!table.empty() && table.size() <= 200) {
        const ResultRecord fresh = table.back();
        table.pop_back();
        const int rank = results::insertResult(table, fresh);
        FUZZ_CHECK(rank >= 1 && rank <= int(table.size()));
        FUZZ_CHECK(table[std::size_t(rank - 1)].mark == 1);
        for (std::size_t i = 0; i + 1 < table.size(); ++i) FUZZ_CHECK(!results::ranksAfter(table[i], table[i + 1]));
    }

    // Records written then read: a record built from the input.
    if (size >= 6) {
        ResultRecord r;
        r.right = std::int16_t(data[0] | (data[1] << 8));
        r.wrong = std::int16_t(data[2] | (data[3] << 8));
        r.grade = std::int16_t(data[4] | (data[5] << 8));
        r.name = results::storableName(platform::decode1250(in.mid(6, 40)));
        const QByteArray file = platform::encode1250(platform::joinLinesCrLf({results::formatResultLine(r)}));
        const QStringList read = platform::splitLines(platform::decode1250(file));
        FUZZ_CHECK(read.size() == 1);
        const auto back = results::parseResultLine(read.first());
        FUZZ_CHECK(back.has_value() && *back == r);
    }

    // The log: the first half is the old log, the second names the entry.
    const qsizetype half = in.size() / 2;
    const QByteArray oldLog = in.left(half);
    const QString words = platform::decode1250(in.mid(half));
    results::LogEntry e;
    e.name = words.left(40);
    e.group = words.mid(40, 20);
    e.exercise = words.mid(60, 30);
    e.questionCount = int(words.size());
    e.right = words.mid(90, 3);
    e.wrong = words.mid(93, 3);
    e.grade = words.mid(96, 2);
    e.when = QDateTime(QDate(2000 + int(size % 100), 1 + int(size % 12), 1 + int(size % 28)), QTime(int(size % 24), 7));
    const QStringList entry = results::logEntryLinesOf(e, label);
    FUZZ_CHECK(entry.size() == 4);
    const QByteArray added = results::logBytesToAppend(oldLog, entry);
    const QByteArray newLog = oldLog + added;
    FUZZ_CHECK(newLog.startsWith(oldLog));
    FUZZ_CHECK(newLog.endsWith("\r\n"));
    const QStringList newLines = platform::splitLines(platform::decode1250(newLog));
    FUZZ_CHECK(newLines.size() >= 4);
    FUZZ_CHECK(newLines.mid(newLines.size() - 4) == entry);
    return 0;
}
