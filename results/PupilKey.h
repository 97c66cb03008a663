// One pupil under several spellings: "jana mala" and "Jana  Malá" are the
// same pupil to the teacher's report and to forgetting a pupil.
#pragma once

#include <QString>

namespace results {

// The name with case folded, diacritics removed, and spaces trimmed and
// collapsed to one: equal keys mean one pupil.
QString pupilKeyOf(const QString &name);

}  // namespace results
