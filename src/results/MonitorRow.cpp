#include "results/MonitorRow.h"

#include <algorithm>

#include "results/Scoring.h"

namespace ispyt {

MonitorRow monitorRow(const MonitorGroup& group, const Test& test, const Settings& settings) {
  GradingCounts c;
  c.taskCount = std::clamp(std::min(group.taskCount, test.taskCount), 0, kMaxTasks);
  c.guessingCode = settings.guessingCode;
  long long judged = 0;
  for (int k = 1; k <= c.taskCount; ++k) {
    c.elementCount[k] = test.task(k).elementCount;
    c.itemCount[k] = test.task(k).itemCount;
    c.weight[k] = settings.taskWeights[k];
    c.wrongCount[k] = group.wrongCount[k];
    c.missCount[k] = group.missCount[k];
    c.judgedElements[k] = group.judgedElements[k];
    judged += c.judgedElements[k] != 0 ? c.judgedElements[k] : c.elementCount[k];
  }
  c.elementsJudged = static_cast<int>(std::clamp<long long>(judged, -1000000000, 1000000000));
  MonitorRow row;
  row.attemptCode = group.attemptCode;
  row.name = group.name;
  row.elementsJudged = c.elementsJudged;
  for (int k = 1; k <= c.taskCount; ++k) row.taskPercent[k] = TaskPercent(c, k);
  // Counts from a damaged file could grade past either end of the scale.
  row.grade = std::clamp(RecomputeGrade(c, settings.gradeScale), 0, std::max(settings.gradeScale, 0));
  return row;
}

}  // namespace ispyt
