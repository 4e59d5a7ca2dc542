#pragma once
// What the card says of a stored result opened from the menu: its code, who
// took it and when, the mode, the tasks done, the right answers' share and
// the grade when it is shown.  Windows-1251 lines.

#include <string>

#include "attempt/AttemptState.h"
#include "attempt/StudentCard.h"
#include "results/AttemptResult.h"
#include "results/ComputeGrade.h"

namespace ispyt {

std::string storedResultSummary(const AttemptResult& result, const StudentCard& card,
                                const AttemptState& attempt, const GradeOutcome& grade,
                                int gradeScale);

}  // namespace ispyt
