#pragma once
// The gradient and the seven patterns the colour schemes fill pictures
// with.  Each pixel is computed from its row r of h and column i of w in
// integer arithmetic; channels are bytes and wrap modulo 256 where the
// arithmetic leaves 0..255, which is what gives the patterns their bands.

#include "platform/Canvas.h"
#include "platform/Picture.h"
#include "platform/Random.h"

namespace ispyt {

struct Fill {
  int pattern = 0;  // 0: the plain gradient; 1..7: a pattern
  Rgb c1, c2;       // top (or left) and bottom colours
  friend bool operator==(const Fill&, const Fill&) = default;
};

// The colours of a pattern named without colours of its own.
inline constexpr Rgb kPatternFirst{128, 255, 255};
inline constexpr Rgb kPatternSecond{160, 160, 255};

inline constexpr Fill gradient(Rgb top, Rgb bottom) { return {0, top, bottom}; }
inline constexpr Fill pattern(int n, Rgb c1 = kPatternFirst, Rgb c2 = kPatternSecond) {
  return {n, c1, c2};
}

// Fills the whole picture.  The noise of patterns 1 to 4 is drawn pixel by
// pixel, row by row, from a grain that `random` seeds.
void fillPicture(Picture& picture, const Fill& fill, Random& random);

}  // namespace ispyt
