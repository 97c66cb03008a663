#include "content/Records.h"

#include "content/scramble.h"
#include "rules/ExerciseSpec.h"

namespace content {

Layout layoutOfExercise(int n) {
    using L = Layout;
    // The file layout of exercises 1 ... 24 (entry 0 for any other number).
    static constexpr std::array<Layout, 25> kLayouts{
        L::GapSentence,  L::GapSentence, L::Switch,     L::Translation, L::Switch,      L::GapSentence,
        L::GapSentence,  L::ChoiceList,  L::ChoiceList, L::Model,       L::ChoiceList,  L::Switch,
        L::ChoiceList,   L::ModelWholeSentence,         L::TwoLines,    L::GapSentence, L::GapSentence,
        L::GapSentence,  L::WordLists,   L::Clock,      L::Model,       L::TopicItems,  L::Listening,
        L::Listening,    L::Listening};
    return kLayouts[std::size_t(exercise::spec(n).number)];
}

std::array<int, 6> fieldsOfParts(Layout layout, int exercise) {
    switch (layout) {
    case Layout::GapSentence: return {0, 2, 1, -1, -1, -1};
    case Layout::Listening: return {0, 2, 1, 6, -1, -1};
    case Layout::Switch: return {0, 2, 1, 6, 7, ::exercise::switchPositions(exercise) == 3 ? 8 : -1};
    case Layout::ChoiceList: return {0, 2, 1, 6, 7, ::exercise::spec(exercise).listOptions == 4 ? 8 : -1};
    case Layout::Model: return {0, 2, 6, 1, -1, -1};
    case Layout::ModelWholeSentence: return {0, 6, 1, -1, -1, -1};
    case Layout::TwoLines: return {0, 6, 7, 1, -1, -1};
    case Layout::Clock: return {6, 7, 8, -1, -1, -1};
    case Layout::WordLists: return {0, 6, 7, 8, 9, -1};
    case Layout::Translation: return {3, 4, -1, -1, -1, -1};
    case Layout::TopicItems:
    case Layout::TopicList: return {6, 7, 8, 9, -1, -1};
    }
    return {-1, -1, -1, -1, -1, -1};
}

bool underscoreSeparates(Layout layout) {
    return layout != Layout::Translation && layout != Layout::ModelWholeSentence && layout != Layout::TopicItems;
}

Misc::ContentRecord parseContentLine(const QString &line, Layout layout, int exercise) {
    Misc::ContentRecord rec;
    const auto fields = fieldsOfParts(layout, exercise);
    const bool underscore = underscoreSeparates(layout);
    int part = 1;
    for (QChar c : line) {
        if (c == QLatin1Char('#') || (underscore && c == QLatin1Char('_'))) {
            ++part;
            continue;
        }
        if (part <= 6 && fields[std::size_t(part - 1)] >= 0) rec.field[std::size_t(fields[std::size_t(part - 1)])] += c;
    }
    return rec;
}

QString formatContentLine(const Misc::ContentRecord &rec, Layout layout, int exercise) {
    const auto fields = fieldsOfParts(layout, exercise);
    std::size_t parts = 0;
    for (std::size_t k = 0; k < fields.size(); ++k)
        if (fields[k] >= 0) parts = k + 1;
    QString line;
    for (std::size_t k = 0; k < parts; ++k) {
        if (k > 0) line += QLatin1Char('#');
        if (fields[k] >= 0) line += rec.field[std::size_t(fields[k])];
    }
    return line;
}

std::vector<Misc::ContentRecord> parseContentText(const QByteArray &plain, Layout layout, int exercise) {
    std::vector<Misc::ContentRecord> records;
    for (const QString &line : linesOfPlainText(plain)) {
        if (int(records.size()) >= Misc::kMaxRecords) break;
        records.push_back(parseContentLine(line, layout, exercise));
    }
    return records;
}

bool LoadContentFile(const QString &path, Layout layout, int exercise) {
    bool ok = false;
    const QStringList lines = readScrambledLines(path, &ok);
    fillContentRecords(lines, layout, exercise);
    return ok;
}

void fillContentRecords(const QStringList &lines, Layout layout, int exercise) {
    const auto fields = fieldsOfParts(layout, exercise);
    for (auto &row : Misc::ContentRecords)
        for (int f : fields)
            if (f >= 0) row.field[std::size_t(f)].clear();
    Misc::RecordCount = 0;
    for (const QString &line : lines) {
        if (Misc::RecordCount >= Misc::kMaxRecords) break;  // the table holds 1000 lines
        ++Misc::RecordCount;
        const Misc::ContentRecord rec = parseContentLine(line, layout, exercise);
        auto &row = Misc::ContentRecords[std::size_t(Misc::RecordCount)];
        for (int f : fields)
            if (f >= 0) row.field[std::size_t(f)] = rec.field[std::size_t(f)];
    }
}

}  // namespace content
