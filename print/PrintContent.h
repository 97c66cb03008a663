// The content of the print button's worksheets, loaded without the exercise
// form: the records of the current exercise's file, checked as a run checks
// them, and for exercise 21 the items of the topics chosen on the topic
// screen.
#pragma once

namespace print {

// Loads the records of ExerciseNumber (exactly "1" ... "24") and sets the
// counts a run starts with (QuestionCount items, the first page's items,
// nothing right or wrong yet). A file that cannot be used fails the running
// print job with the file's message. Returns false when nothing can be
// printed.
bool loadWorksheetContent();

}  // namespace print
