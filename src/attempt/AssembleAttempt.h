#pragma once
// Preparing a new attempt before its first task is shown: the right-hand
// items of every matching task are shuffled, and with "Сортування" the task
// order is shuffled within each interval of the settings and every
// per-task table is moved into the new order.

#include "attempt/AttemptAssembly.h"
#include "attempt/AttemptState.h"
#include "attempt/ShuffleInterval.h"
#include "content/Settings.h"
#include "content/Test.h"
#include "platform/Random.h"

namespace ispyt {

// Swaps each right-hand item (with its letter) with one at a random
// position; an empty right-hand item ("--") stays in the last slot.
void shuffleRightItems(Task& task, Random& random);

// Moves the tasks of `test`, the weights of `settings` and the records of
// `state` so that position k holds what position order[k] held, for
// k = 1..test.taskCount; the display order follows.  `order` must be a
// permutation of 1..taskCount there; otherwise nothing moves and the result
// is false.
bool rearrangeTasks(const TaskOrder& order, Test& test, AttemptState& state, Settings& settings);

// `test` is as loaded (file order) and `state` freshly started.  `random`
// is the program's clock-seeded generator (tests seed it).  Intervals are
// taken as far as they lie within the test.
void AssembleAttempt(Test& test, AttemptState& state, Settings& settings, Random& random);

// The assembly the attempt engine runs.
class AttemptAssembler final : public AttemptAssembly {
 public:
  explicit AttemptAssembler(Random& random) : random_(random) {}
  void assemble(Test& test, AttemptState& state, Settings& settings) override {
    AssembleAttempt(test, state, settings, random_);
  }

 private:
  Random& random_;
};

}  // namespace ispyt
