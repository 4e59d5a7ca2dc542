#pragma once
// One attempt of "Monitor.dm" graded again with the open test and its
// settings, as the monitoring charts show it: each task's percentage, the
// elements counted and the grade.

#include <string>

#include "content/Settings.h"
#include "content/Test.h"
#include "results/MonitorFile.h"

namespace ispyt {

struct MonitorRow {
  std::string attemptCode;
  std::string name;
  PerTask taskPercent{};
  int elementsJudged = 0;  // judged elements, a task never judged counting in full
  int grade = 0;
};

// `test` is in file order as opening loads it; the group's tasks beyond
// the test's count are not read.
MonitorRow monitorRow(const MonitorGroup& group, const Test& test, const Settings& settings);

}  // namespace ispyt
