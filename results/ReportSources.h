// Reading results folders into the teacher's report: the results log
// (Vysledky.dat, its four-line entries) gives the runs, the answers log
// (Odpovedi.dat) the checked answers. Both are read as streams, line by
// line, and handed to a ReportBuilder as they are read, so that a school's
// years of results never have to fit in memory as text.
//
// Several folders (a classroom share, copies from pupils' homes, an archive)
// are read into one report; an entry that an earlier folder already held
// counts once.
#pragma once

#include "results/ClassReport.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace results {

// What was read from one folder.
struct FolderReading {
    QString folder;
    bool hasLog = false;      // Vysledky.dat could be read
    bool hasAnswers = false;  // Odpovedi.dat could be read
    bool hasTexts = false;    // the log's words were known, so its entries could be read
    int runs = 0;             // entries taken (before the report's filter)
    int answers = 0;
    int duplicates = 0;       // entries passed over because an earlier folder held them
    int unreadable = 0;       // lines of the answers log that are no answer line
};

// A set of 64-bit fingerprints with open addressing: a school's ten years of
// answers take 8 bytes each, not a node each.
class FingerprintSet {
public:
    // True when the fingerprint was not in the set yet.
    bool insert(std::uint64_t fingerprint);
    bool contains(std::uint64_t fingerprint) const;
    std::size_t size() const { return m_count; }

private:
    std::size_t slotOf(std::uint64_t fingerprint) const;
    std::vector<std::uint64_t> m_slots;
    std::size_t m_count = 0;
};

class ReportReader {
public:
    // merge: more folders will be read, so entries are remembered to be
    // counted once (one folder needs no memory of them).
    ReportReader(ReportBuilder &builder, bool merge) : m_builder(builder), m_merge(merge) {}

    // Reads the two logs of a folder. texts are the lines of the course's
    // Texty.dat: the words the results log was written with and the
    // exercise titles it names.
    FolderReading readFolder(const QString &folder, const QStringList &texts);

private:
    // True when an entry is new to the report: not held by an earlier folder.
    bool isNew(FingerprintSet &seen, std::vector<std::uint64_t> &mine, const QString &text);
    void endFolder();

    ReportBuilder &m_builder;
    bool m_merge = false;
    FingerprintSet m_runs, m_answers;  // of the folders read before
    std::vector<std::uint64_t> m_newRuns, m_newAnswers;  // of the folder being read
};

}  // namespace results
