#pragma once
// The task wheel's geometry on the score panel: a ring of petals, one per
// task, and which petal a click lies on.  Coordinates are screen pixels
// relative to the score panel's top-left corner.

#include "platform/Geometry.h"
#include "presentation/ScreenScale.h"

namespace ispyt {

struct PointF {
  double x = 0;
  double y = 0;
};

struct TaskWheel {
  PointF centre;
  double radius = 0;  // of the ring the petal centres lie on
  int taskCount = 0;

  // Petal i (1..taskCount) sits on the ring in the middle of the i-th of
  // taskCount equal sectors, counted clockwise from straight up.
  PointF petalCentre(int i) const;
  // The petal a click lies on, 0 for none: the click's distance from the
  // petal's centre, rounded, is below sin(pi / taskCount) times the radius,
  // rounded.
  int petalAt(Point click) const;
};

// The design radius for a wheel of n tasks: 45 up to 9 tasks, 50 up to 15,
// 55 up to 31, 60 up to 40, 65 above.
int wheelDesignRadius(int taskCount);

// The wheel of `taskCount` tasks on the score panel at this scale.
TaskWheel taskWheel(const ScreenScale& scale, int taskCount);

}  // namespace ispyt
