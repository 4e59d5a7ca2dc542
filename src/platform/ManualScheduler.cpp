#include "platform/ManualScheduler.h"

#include <limits>

namespace ispyt {

class ManualScheduler::ManualTimer : public Timer {
 public:
  ManualTimer(ManualScheduler& owner, std::function<void()> onTick)
      : owner_(owner), onTick_(std::move(onTick)), id_(owner.nextId_++) {
    owner_.timers_[id_] = this;
  }
  ~ManualTimer() override { owner_.timers_.erase(id_); }

  void start(int intervalMs) override {
    interval_ = intervalMs < 0 ? 0 : intervalMs;
    active_ = true;
    due_ = owner_.now_ + (interval_ == 0 ? 1 : interval_);
    order_ = owner_.order_++;
  }
  void stop() override { active_ = false; }
  bool isActive() const override { return active_; }
  int interval() const override { return interval_; }
  void setInterval(int intervalMs) override {
    if (active_)
      start(intervalMs);
    else
      interval_ = intervalMs < 0 ? 0 : intervalMs;
  }
  void setSingleShot(bool singleShot) override { singleShot_ = singleShot; }

  void fire() {
    if (singleShot_) {
      active_ = false;
    } else {
      due_ += interval_ == 0 ? 1 : interval_;
      order_ = owner_.order_++;
    }
    onTick_();
  }

  ManualScheduler& owner_;
  std::function<void()> onTick_;
  int id_;
  int interval_ = 0;
  bool active_ = false;
  bool singleShot_ = false;
  long long due_ = 0;
  long long order_ = 0;
};

std::unique_ptr<Timer> ManualScheduler::createTimer(std::function<void()> onTick) {
  return std::make_unique<ManualTimer>(*this, std::move(onTick));
}

void ManualScheduler::advance(long long ms) {
  const long long target = now_ + ms;
  for (;;) {
    ManualTimer* next = nullptr;
    for (auto& [id, t] : timers_) {
      if (!t->active_ || t->due_ > target) continue;
      if (!next || t->due_ < next->due_ || (t->due_ == next->due_ && t->order_ < next->order_))
        next = t;
    }
    if (!next) break;
    if (next->due_ > now_) now_ = next->due_;
    next->fire();
  }
  now_ = target;
}

void ManualScheduler::runUntilIdle(long long limitMs) {
  const long long end = now_ + limitMs;
  while (activeTimers() > 0 && now_ < end) {
    long long soonest = std::numeric_limits<long long>::max();
    for (auto& [id, t] : timers_)
      if (t->active_ && t->due_ < soonest) soonest = t->due_;
    long long step = soonest > now_ ? soonest - now_ : 0;
    if (now_ + step > end) step = end - now_;
    advance(step);
  }
}

int ManualScheduler::activeTimers() const {
  int n = 0;
  for (auto& [id, t] : timers_) n += t->active_ ? 1 : 0;
  return n;
}

}  // namespace ispyt
