#include "attempt/GapPointer.h"

#include <algorithm>
#include <numbers>

#include "platform/Rounding.h"

namespace ispyt {
namespace {

constexpr int kLandingDistance = 10;
constexpr int kTickMs = 1;
constexpr int kSlowestTickMs = 20;

}  // namespace

void GapPointer::place(Point at) {
  target_ = at;
  land();
}

void GapPointer::moveTo(Point target, int speed, double scaleMin) {
  target_ = target;
  if (speed <= 0 || target.x < position_.x) {
    land();
    return;
  }
  const bool fast = speed == 1;
  // At least a pixel a tick, so that a tiny scale still arrives.
  step_ = std::max(1, roundHalfEven((fast ? 3 : 1) * scaleMin));
  turn_ = -std::numbers::pi / (fast ? 32 : 64);
  slowest_ = speed >= 3;
  rolling_ = true;
}

bool GapPointer::tick() {
  if (!rolling_) return false;
  position_.x += step_;
  angle_ += turn_;
  if (target_.x - position_.x <= kLandingDistance) land();
  return rolling_;
}

int GapPointer::intervalMs() const { return slowest_ ? kSlowestTickMs : kTickMs; }

void GapPointer::land() {
  position_ = target_;
  angle_ = 0;
  rolling_ = false;
}

}  // namespace ispyt
