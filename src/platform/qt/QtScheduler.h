#pragma once
// Timers on Qt's event loop.

#include "platform/Scheduler.h"

#include <QElapsedTimer>

namespace ispyt {

class QtScheduler : public Scheduler {
 public:
  QtScheduler() { clock_.start(); }
  std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override;
  long long nowMs() const override { return clock_.elapsed(); }

 private:
  QElapsedTimer clock_;
};

}  // namespace ispyt
