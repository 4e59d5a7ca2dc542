#include "attempt/ShuffleInterval.h"

#include <utility>
#include <vector>

namespace ispyt {

TaskOrder identityOrder() {
  TaskOrder order{};
  for (int k = 0; k <= kMaxTasks; ++k) order[k] = k;
  return order;
}

void ShuffleInterval(TaskOrder& order, const TaskLinks& links, int first, int last,
                     Random& random) {
  if (first < 1 || last > kMaxTasks || first > last) return;
  const int width = last - first + 1;

  auto linkOf = [&](int task) { return task >= 1 && task <= kMaxTasks ? links[task] : 0; };
  // Slot s - first holds a group; the slots after the last group are empty.
  std::vector<std::vector<int>> slots(static_cast<std::size_t>(width));
  std::size_t groups = 0;
  for (int p = first; p <= last; ++p) {
    bool joins = groups > 0 && linkOf(order[p]) > 1 &&
                 slots[groups - 1].size() < static_cast<std::size_t>(kMaxLinkedTasks);
    if (!joins) ++groups;
    slots[groups - 1].push_back(order[p]);
  }

  for (std::size_t s = 0; s < slots.size(); ++s)
    if (!slots[s].empty())
      std::swap(slots[s], slots[static_cast<std::size_t>(random.random(width))]);

  int p = first;
  for (const std::vector<int>& group : slots)
    for (int task : group) order[p++] = task;
}

}  // namespace ispyt
