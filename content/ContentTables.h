// The tables the content loaders fill: the records of the content file last
// loaded, the items of the chosen topics and the temporary plain copy.
//
// They belong to the shared state of the program (Misc) but live beside
// their loaders, so that content/ needs nothing above it; state/Misc.h
// includes this header.
#pragma once

#include <QString>

#include <array>
#include <vector>

namespace Misc {

inline QString TempFilePath;  // the temporary unscrambled copy (Dat.tmp)

inline constexpr int kMaxRecords = 1000;
inline constexpr int kRecordFields = 16;

// One line of a content file split into its fields (0 ... 15).
struct ContentRecord {
    std::array<QString, kRecordFields> field;
};

// Rows 1 ... RecordCount hold the lines of the content file last loaded.
inline std::vector<ContentRecord> ContentRecords(kMaxRecords + 1);
inline int RecordCount = 0;
// Rows 1 ... TopicRecordCount: the items of the topics chosen for exercise 21.
inline std::vector<ContentRecord> TopicRecords(kMaxRecords + 1);
inline int TopicRecordCount = 0;

}  // namespace Misc
