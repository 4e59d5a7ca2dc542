#pragma once
// Shuffling the task order within one interval of the test.  Linked tasks
// (a chain carries the link digits 1, 2, …, k on consecutive tasks) move as
// one group and keep their order.

#include <array>

#include "content/Test.h"
#include "platform/Random.h"

namespace ispyt {

// Positions 1..60, each holding a task's file number (slot 0 unused).
using TaskOrder = std::array<int, kMaxTasks + 1>;
// Link digit per task file number, 0 for an unlinked task.
using TaskLinks = std::array<int, kMaxTasks + 1>;

// The longest chain the links can form; a group never holds more.
inline constexpr int kMaxLinkedTasks = 8;

TaskOrder identityOrder();

// Rearranges positions first..last of `order`.  The tasks there are cut
// into groups in order (a group takes the next task while that task's link
// digit is above 1, up to kMaxLinkedTasks tasks); the groups sit in slots
// first, first + 1, …; each slot that holds a group, in turn, swaps with
// the slot first + random(last - first + 1), empty or not; the groups are
// then read back in slot order.  Every task stays in the interval exactly
// once.  An interval outside 1..60 or with first > last changes nothing.
void ShuffleInterval(TaskOrder& order, const TaskLinks& links, int first, int last, Random& random);

}  // namespace ispyt
