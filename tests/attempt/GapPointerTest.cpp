#include <gtest/gtest.h>

#include <numbers>

#include "attempt/GapPointer.h"

namespace ispyt {
namespace {

struct RollCase {
  const char* name;
  Point from, to;
  int speed;
  double scaleMin;
  int ticks;         // ticks until it lands (0: at once)
  double lastAngle;  // in units of -pi, before landing
  int interval;
};

TEST(GapPointer, RollsToTheNextGapBySpeed) {
  constexpr double kTurn32 = 1.0 / 32;
  const RollCase cases[] = {
      // 100 px at 3 px a tick: it lands once 10 px or less are left.
      {"speed 1 at scale 1", {0, 40}, {100, 40}, 1, 1.0, 30, 29 * kTurn32, 1},
      {"speed 1 at scale 2 steps 6 px", {0, 40}, {100, 40}, 1, 2.0, 15, 14 * kTurn32, 1},
      {"speed 2 steps a pixel at a half turn", {0, 40}, {40, 40}, 2, 1.0, 30, 29.0 / 64, 1},
      {"speed 3 as 2 at 20 ms", {0, 40}, {40, 40}, 3, 1.0, 30, 29.0 / 64, 20},
      {"a tiny scale still moves", {0, 40}, {40, 40}, 2, 0.3, 30, 29.0 / 64, 1},
      {"onto the next row along this one", {300, 40}, {320, 90}, 1, 1.0, 4, 3 * kTurn32, 1},
      {"speed 0 jumps", {0, 40}, {100, 40}, 0, 1.0, 0, 0, 1},
      {"a target to the left jumps", {300, 40}, {20, 90}, 1, 1.0, 0, 0, 1},
  };
  for (const RollCase& c : cases) {
    SCOPED_TRACE(c.name);
    GapPointer pointer;
    pointer.place(c.from);
    pointer.moveTo(c.to, c.speed, c.scaleMin);
    int ticks = 0;
    double angle = 0;
    while (pointer.rolling() && ticks < 1000) {
      EXPECT_EQ(pointer.position().y, c.from.y);  // along its own row
      angle = pointer.angle();
      pointer.tick();
      ++ticks;
    }
    EXPECT_EQ(ticks, c.ticks);
    EXPECT_NEAR(angle, -c.lastAngle * std::numbers::pi, 1e-9);
    EXPECT_EQ(pointer.position(), c.to);
    EXPECT_EQ(pointer.angle(), 0);  // landed without turn
    if (c.ticks) {
      EXPECT_EQ(pointer.intervalMs(), c.interval);
    }
  }
}

}  // namespace
}  // namespace ispyt
