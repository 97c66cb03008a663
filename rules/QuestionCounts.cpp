#include "rules/QuestionCounts.h"

namespace screens {

int countOfButton(int k) { return 5 * k + 5; }

}  // namespace screens
