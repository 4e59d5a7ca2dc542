#pragma once
// Putting a new attempt together before its first task: the matching items
// shuffled and, when the test asks for it, the task order shuffled within
// its intervals, every per-task table of the test, of the settings and of
// the attempt moved into that order and `displayOrder` set.

#include "attempt/AttemptState.h"
#include "content/Settings.h"
#include "content/Test.h"

namespace ispyt {

class AttemptAssembly {
 public:
  virtual ~AttemptAssembly() = default;
  virtual void assemble(Test& test, AttemptState& state, Settings& settings) = 0;
};

}  // namespace ispyt
