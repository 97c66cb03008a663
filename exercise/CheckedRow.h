// What a checked row of a page says, without any widget: the item it asked,
// what the pupil answered, what was expected and the verdict. Every checked
// page hands its rows on through one place, where the answers log takes them.
#pragma once

#include "state/Misc.h"

#include <QString>

namespace exercise {

struct CheckedRow {
    QString item;      // ItemKey of the row's content record
    QString answer;    // as the pupil left it ("" when nothing was given)
    QString expected;  // the right answer
    bool right = false;
};

// A readable key of a content record that does not depend on its place in
// the file: the prompt of the row with the gap written as "_", e.g.
// "There is _ apple on the table.", "Yesterday I _ my grandpa's car. (wash)",
// "five past one", "Which one is an animal?", "pes". Runs of spaces become
// one and the key is trimmed.
QString itemKeyOf(int exercise, const Misc::ContentRecord &record);

}  // namespace exercise
