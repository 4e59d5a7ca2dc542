#include "attempt/AssembleAttempt.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ispyt {
namespace {

bool isPermutation(const TaskOrder& order, int n) {
  std::array<bool, kMaxTasks + 1> seen{};
  for (int k = 1; k <= n; ++k) {
    int t = order[k];
    if (t < 1 || t > n || seen[t]) return false;
    seen[t] = true;
  }
  return true;
}

template <typename Table>
void permute(Table& table, const TaskOrder& order, int n) {
  std::vector<typename Table::value_type> moved;
  moved.reserve(static_cast<std::size_t>(n));
  for (int k = 1; k <= n; ++k) moved.push_back(std::move(table[order[k]]));
  for (int k = 1; k <= n; ++k) table[k] = std::move(moved[static_cast<std::size_t>(k - 1)]);
}

}  // namespace

void shuffleRightItems(Task& task, Random& random) {
  const int n =
      std::clamp(task.hasEmptyRightItem ? task.itemCount - 1 : task.itemCount, 0, kMaxItems);
  for (int j = 1; j <= n; ++j) {
    int other = random.random(n) + 1;
    std::swap(task.rightItems[j], task.rightItems[other]);
    std::swap(task.rightLetters[j], task.rightLetters[other]);
  }
}

bool rearrangeTasks(const TaskOrder& order, Test& test, AttemptState& state, Settings& settings) {
  const int n = std::clamp(test.taskCount, 0, kMaxTasks);
  if (!isPermutation(order, n)) return false;
  permute(test.tasks, order, n);
  permute(settings.taskWeights, order, n);
  permute(state.tasks, order, n);
  permute(state.displayOrder, order, n);
  return true;
}

void AssembleAttempt(Test& test, AttemptState& state, Settings& settings, Random& random) {
  const int n = std::clamp(test.taskCount, 0, kMaxTasks);
  for (int k = 1; k <= n; ++k)
    if (test.task(k).type == TaskType::Matching) shuffleRightItems(test.task(k), random);
  if (!settings.shuffle) return;

  TaskOrder order = identityOrder();
  const int intervals = std::clamp(settings.intervalCount, 0, Settings::kMaxIntervals);
  for (int j = 1; j <= intervals; ++j)
    ShuffleInterval(order, settings.taskLinks, std::max(settings.intervals[j].first, 1),
                    std::min(settings.intervals[j].last, n), random);
  rearrangeTasks(order, test, state, settings);
}

}  // namespace ispyt
