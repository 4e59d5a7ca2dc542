#pragma once
// The outcome of one attempt: its code, the exam pass, the elements judged
// per task, the result on the 0..120 scale, the grade, the percentage and
// the date and time it was stored.  Per-task tables are 1-based (slot 0
// unused): by position at the end of an attempt, by file number once the
// result files have put them back into file order.

#include <array>
#include <string>

#include "content/Test.h"

namespace ispyt {

using PerTask = std::array<int, kMaxTasks + 1>;

struct AttemptResult {
  std::string attemptCode;   // a mode letter and three digits
  int pass = 0;              // mode 3: the run through the test, from 1; else 0
  PerTask judgedElements{};  // 0 = never judged
  int result120 = 0;
  int grade = 0;         // 1..gradeScale, 0 when nothing was right
  int percent = 0;       // of the elements judged, right
  std::string dateText;  // dd.mm.yy
  std::string timeText;  // hh:mm:ss
};

}  // namespace ispyt
