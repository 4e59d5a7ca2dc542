#pragma once
// The marker on a Restoration grid that shows the current gap.  When the
// testee moves on to the next gap it rolls there along the row it stands
// on: every tick it moves right and turns, faster or slower by the pointer
// speed, and lands on the target gap once it comes within 10 pixels (at
// once at speed 0, or when the target lies to the left).  While it rolls
// the grid takes no clicks.  The screen's timer ticks it at intervalMs.

#include "platform/Geometry.h"

namespace ispyt {

class GapPointer {
 public:
  // Stands on `at` without turn.
  void place(Point at);
  // Rolls from where it stands toward `target` at `speed` (0..3); `scaleMin`
  // scales the step.
  void moveTo(Point target, int speed, double scaleMin);
  // One step of the roll; returns whether it still rolls.
  bool tick();

  bool rolling() const { return rolling_; }
  Point position() const { return position_; }
  double angle() const { return angle_; }  // radians, the turn drawn
  int intervalMs() const;                  // of the timer while it rolls

 private:
  void land();

  Point position_{};
  Point target_{};
  double angle_ = 0;
  int step_ = 0;          // pixels per tick
  double turn_ = 0;       // radians per tick
  bool slowest_ = false;  // speed 3: the step of 2 at a longer interval
  bool rolling_ = false;
};

}  // namespace ispyt
