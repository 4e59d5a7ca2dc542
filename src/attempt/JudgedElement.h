#pragma once
// One judged answer element of a field, blank, position or pair: the counts
// it adds and the mark the working mode lets the screen show.

#include "attempt/TaskJudge.h"

namespace ispyt {

// Counts one element in `state` (wrong: also the record's wrongCount, and
// its missCount when `countsMiss`).  Marks are shown in modes 0, 1 and 3; in
// mode 0 a wrong element is shown right instead, recorded in hintMarks, and
// the feedback pause set.
void judgeElement(bool right, int slot, bool countsMiss, Judgement& result, TaskRecord& record,
                  AttemptState& state);

}  // namespace ispyt
