#pragma once
// An attempt rebuilt from its journal without a screen: the test read
// again as it was opened, the run replayed through the engine on a manual
// clock.  It tells what a waiting journal holds (tasks done, time used)
// before the teacher is asked to resume it, and it checks that it can be.

#include <string>

#include "attempt/AttemptJournal.h"
#include "attempt/AttemptState.h"
#include "content/Test.h"

namespace ispyt {

struct RebuiltAttempt {
  // Why it cannot be rebuilt (Windows-1251, for the teacher); empty when
  // it can.
  std::string refusal;
  Test test;
  AttemptState state;

  bool ok() const { return refusal.empty(); }
};

RebuiltAttempt rebuildAttempt(const JournalReading& journal);

// "The test file has changed since the attempt began" (Windows-1251).
std::string testChangedText();

}  // namespace ispyt
