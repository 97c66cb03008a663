// Line formats of the content files and their loaders.
//
// A content line is cut into parts at the separators of its layout ("#"
// everywhere, "_" too except in the translation, whole-sentence model and
// topic-item layouts); each part goes to one field of the record. Parts the
// layout does not use are ignored.
#pragma once

#include "content/ContentTables.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace content {

enum class Layout {
    GapSentence,         // 1, 5, 6, 15, 16, 17
    Listening,           // 22, 23, 24
    Switch,              // 2, 4, 11
    ChoiceList,          // 7, 8, 10, 12
    Model,               // 9, 20
    ModelWholeSentence,  // 13
    TwoLines,            // 14
    Clock,               // 19
    WordLists,           // 18
    Translation,         // 3
    TopicItems,          // 21 (the exercise's own reading)
    TopicList,           // 21 (the topic screen's reading)
};

// The layout an exercise's content file is read with (1 ... 24).
Layout layoutOfExercise(int exercise);

// Fields that parts 1, 2, ... go to (-1: the part is ignored), for a layout
// and exercise (the sixth part of Switch and ChoiceList counts only in
// exercises 11, 8 and 12).
std::array<int, 6> fieldsOfParts(Layout layout, int exercise);
// True when "_" separates parts in the layout.
bool underscoreSeparates(Layout layout);

// Splits one line into a record.
Misc::ContentRecord parseContentLine(const QString &line, Layout layout, int exercise);

// The line that parseContentLine reads back as rec: the fields of the
// layout's parts joined by "#". Round trips when the fields hold no
// separator of the layout and no line break.
QString formatContentLine(const Misc::ContentRecord &rec, Layout layout, int exercise);

// Every line of an unscrambled content file held in memory (Windows-1250,
// CR LF), parsed; at most kMaxRecords records, as the table holds.
std::vector<Misc::ContentRecord> parseContentText(const QByteArray &plain, Layout layout, int exercise);

// Loads a scrambled content file into ContentRecords and RecordCount: the
// fields of the layout are cleared in every row first, then each line fills
// one row. Returns false when the file was missing or empty.
bool LoadContentFile(const QString &path, Layout layout, int exercise);
// The same for lines already read: clears the layout's fields in every row,
// then fills one row per line (at most 1000).
void fillContentRecords(const QStringList &lines, Layout layout, int exercise);

// After a TopicItems load: copies the rows whose topic (field 8) is chosen
// into TopicRecords (fields 6 ... 9), in file order. chosen(t) tells whether
// topic button t is selected.
template <class Chosen>
void copyChosenTopics(Chosen chosen) {
    int j = 0;
    for (int b = 1; b <= Misc::RecordCount; ++b) {
        const auto &row = Misc::ContentRecords[std::size_t(b)];
        bool ok = false;
        const int t = row.field[8].trimmed().toInt(&ok);
        if (!ok || !chosen(t)) continue;
        ++j;
        auto &dst = Misc::TopicRecords[std::size_t(j)];
        for (int f = 6; f <= 9; ++f) dst.field[std::size_t(f)] = row.field[std::size_t(f)];
        Misc::TopicRecordCount = j;
    }
    if (j == 0) Misc::TopicRecordCount = 0;
}

}  // namespace content
