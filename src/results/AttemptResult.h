#pragma once
// The outcome of one attempt: its code, the result on the 0..120 scale, the
// grade, the percentage and the date and time it was stored.  The exam pass
// and the elements judged per task are kept by the attempt state, which
// counts them.

#include <array>
#include <string>

#include "content/Test.h"

namespace ispyt {

using PerTask = std::array<int, kMaxTasks + 1>;

struct AttemptResult {
  std::string attemptCode;  // a mode letter and three digits
  int result120 = 0;
  int grade = 0;         // 1..gradeScale, 0 when nothing was right
  int percent = 0;       // of the elements judged, right
  std::string dateText;  // dd.mm.yy
  std::string timeText;  // hh:mm:ss
};

}  // namespace ispyt
