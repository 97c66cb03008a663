// The answers log, Odpovedi.dat: one line for every checked row of every
// checked page, beside the results log in the results folder. The teacher's
// report reads it to show which items a class gets wrong.
//
// Windows-1250 text with CR LF line ends, one row per line:
//   date|time|name|exercise|item|answer|expected|verdict
//   8.12.2026|14:03:27|Jana Malá|7|I _ ten years old.|is|am|0
// date is d.M.yyyy, time hh:mm:ss, exercise 1 ... 24, verdict 1 (right) or
// 0 (wrong). A "|", tab or line end inside a text field is stored as a
// space; an empty answer is stored empty.
#pragma once

#include "platform/filelock.h"
#include "platform/safefile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace results {

// The file's name in the results folder.
inline constexpr char kAnswersFileName[] = "Odpovedi.dat";

// One checked row.
struct AnswerEntry {
    QDateTime when;
    QString name;
    int exercise = 0;
    QString item;      // readable key of the content record (ItemKey)
    QString answer;    // what the pupil answered, "" when nothing
    QString expected;  // the right answer
    bool right = false;

    bool operator==(const AnswerEntry &) const = default;
};

// A text as it can stand in one field: "|", tabs and line ends become spaces.
QString answerLogField(const QString &text);

// The line of an entry (without its line end).
QString formatAnswerLine(const AnswerEntry &entry);

// Reads a line back; nothing when it has not 8 fields, a valid date and
// time, an exercise 1 ... 24 and a verdict 0 or 1.
std::optional<AnswerEntry> parseAnswerLine(const QString &line);

// Appends the lines of one checked page to the file in one write under its
// lock (Odpovedi.dat.lock), cut back to the old length when the write fails
// midway, exactly as the results log is appended.
platform::WriteResult appendAnswers(const QString &nativePath, const std::vector<AnswerEntry> &entries,
                                    int waitMs = platform::kLockWaitMs);

}  // namespace results
