#include "presentation/TaskWheel.h"

#include <cmath>
#include <numbers>

#include "platform/Rounding.h"

namespace ispyt {

PointF TaskWheel::petalCentre(int i) const {
  const double a = (i - 0.5) * 2 * std::numbers::pi / taskCount;
  return {centre.x + radius * std::sin(a), centre.y - radius * std::cos(a)};
}

int TaskWheel::petalAt(Point click) const {
  if (taskCount < 1) return 0;
  const int reach = roundHalfEven(std::sin(std::numbers::pi / taskCount) * radius);
  for (int i = 1; i <= taskCount; ++i) {
    const PointF c = petalCentre(i);
    const int distance = roundHalfEven(std::hypot(click.x - c.x, click.y - c.y));
    if (distance < reach) return i;
  }
  return 0;
}

int wheelDesignRadius(int taskCount) {
  if (taskCount <= 9) return 45;
  if (taskCount <= 15) return 50;
  if (taskCount <= 31) return 55;
  if (taskCount <= 40) return 60;
  return 65;
}

// The wheel is drawn at three times its size around (450 sx, 264 sy) and
// then reduced, so on the panel it stands at (150 sx, 88 sy).
TaskWheel taskWheel(const ScreenScale& scale, int taskCount) {
  return {{150 * scale.scaleX, 88 * scale.scaleY},
          wheelDesignRadius(taskCount) * scale.scaleMin,
          taskCount};
}

}  // namespace ispyt
