#include "presentation/ClockDial.h"

#include <cmath>
#include <numbers>

namespace ispyt {

ClockStep clockStep(Size panel, const ScreenScale& s, int elapsed, int limit, bool showCountdown,
                    bool textured) {
  ClockStep c;
  c.centre = {panel.width / 2.0, panel.height / 2.0};
  // A step of 6 degrees a second, the first second at twelve o'clock.
  const double a = ((elapsed - 1) * 6.0 - 90.0) * std::numbers::pi / 180.0;
  const double rx = panel.width / 2.0 * 4 / 5 * 6 / 7, ry = panel.height / 2.0 * 4 / 5 * 6 / 7;
  c.handEnd = {c.centre.x + std::cos(a) * rx, c.centre.y + std::sin(a) * ry};
  // The face is drawn anew at every full minute.
  const int lastMinute = elapsed - elapsed % 60;
  c.minutesLeft = limit > lastMinute ? (limit - lastMinute) / 60 : 0;
  const int left = limit - elapsed;
  c.countdown = showCountdown && limit > 0 && left >= 0 && left < kCountdownSeconds;
  if (c.countdown) {
    c.secondsLeft = left;
    c.countdownAt = {s.x(left < 10 ? 29 : 23), s.y(41)};
    c.countdownSize = s.font(12);
    c.yellowCopy = !textured;
  }
  return c;
}

}  // namespace ispyt
