#pragma once
// A scheduler on a virtual clock: `advance` moves time forward and fires
// every timer that falls due, in time order, as the event loop would.

#include <map>

#include "platform/Scheduler.h"

namespace ispyt {

class ManualScheduler : public Scheduler {
 public:
  std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override;
  long long nowMs() const override { return now_; }

  // Fires everything due up to now + ms.  An interval of 0 counts as 1 ms,
  // so a timer that restarts itself cannot stall virtual time.
  void advance(long long ms);
  // Advances until no timer is active or `limitMs` virtual ms have passed.
  void runUntilIdle(long long limitMs = 60 * 60 * 1000);
  int activeTimers() const;

 private:
  class ManualTimer;
  friend class ManualTimer;
  long long now_ = 0;
  long long order_ = 0;
  std::map<int, ManualTimer*> timers_;
  int nextId_ = 1;
};

}  // namespace ispyt
