#pragma once
// One step of the attempt's clock: where the second hand points, the
// minutes left on the face, and the seconds counted down in the last two
// minutes.  Positions are pixels on the clock panel.

#include "platform/Geometry.h"
#include "presentation/ScreenScale.h"
#include "presentation/TaskWheel.h"

namespace ispyt {

inline constexpr int kCountdownSeconds = 120;

struct ClockStep {
  PointF centre;
  PointF handEnd;
  int minutesLeft = 0;  // whole minutes left at the last full minute
  bool countdown = false;
  int secondsLeft = 0;
  Point countdownAt;        // the countdown's top-left corner
  int countdownSize = 0;    // points
  bool yellowCopy = false;  // a copy one pixel up and left, on untextured panels
};

// `elapsed` seconds of `limit` (both in seconds); `showCountdown`: the
// caller asks for the countdown (the clock runs).
ClockStep clockStep(Size panel, const ScreenScale& scale, int elapsed, int limit,
                    bool showCountdown, bool textured);

}  // namespace ispyt
