#pragma once
// The input gaps of a task text: the answer boxes whose current texts the
// renderer reserves room for, and the anchors where it drew each gap.

#include <array>
#include <string>

#include "platform/Geometry.h"

namespace ispyt {

inline constexpr int kGapCount = 10;

struct GapBox {
  std::string text;    // the box's current answer, Windows-1251
  bool inUse = false;  // set once a text has reserved a gap for it
};

using GapBoxes = std::array<GapBox, kGapCount>;

struct GapAnchors {
  std::array<Point, kGapCount> at{};  // gap j at at[j - 1]: its first cell in the slot
  int cellWidth = 0;                  // g at which the gaps were drawn
};

}  // namespace ispyt
