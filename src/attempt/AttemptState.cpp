#include "attempt/AttemptState.h"

namespace ispyt {

void AttemptState::resetTaskTables() {
  for (int k = 0; k <= kMaxTasks; ++k) {
    tasks[k] = TaskRecord{};
    tasks[k].missCount = mode == kModeExam ? -1 : 0;
    displayOrder[k] = k;
  }
}

bool AttemptState::allDone() const { return doneCount() == taskCount; }

int AttemptState::doneCount() const {
  int n = 0;
  for (int k = 1; k <= taskCount; ++k)
    if (tasks[k].countsDone()) ++n;
  return n;
}

}  // namespace ispyt
