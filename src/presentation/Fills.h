#pragma once
// The gradient and the seven patterns the colour schemes fill pictures
// with.  Each pixel is computed from its row r of h and column i of w in
// integer arithmetic; channels are bytes and wrap modulo 256 where the
// arithmetic leaves 0..255, which is what gives the patterns their bands.

#include <cstdint>
#include <optional>

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

// The patterns' grain: millions of draws for a picture the size of the
// screen, which the program's shuffling generator would take ten times as
// long to give.  A small generator (splitmix64), seeded from `random`,
// gives four 16-bit draws per step; n of at most 256 leaves every value
// within 0.4% of its share.
class FillGrain {
 public:
  explicit FillGrain(Random& random);

  // 0..n-1.
  int next(int n) {
    if (left_ == 0) {
      bits_ = step();
      left_ = 4;
    }
    const std::uint32_t draw = std::uint32_t(bits_ & 0xFFFF);
    bits_ >>= 16;
    --left_;
    return int((draw * std::uint32_t(n)) >> 16);
  }

 private:
  std::uint64_t step();

  std::uint64_t state_;
  std::uint64_t bits_ = 0;
  int left_ = 0;
};

// A fill of a picture of size `whole` written a band of rows at a time,
// top to bottom, so that a large fill needs no picture of its size: the
// same pixels and the same draws from `random` as fillPicture.
class FillRows {
 public:
  FillRows(const Fill& fill, Size whole, Random& random);
  // The whole's rows from `first` on into `band`, as many as it holds; the
  // band is as wide as the whole.
  void write(Picture& band, int first);

 private:
  Fill fill_;
  Size whole_;
  std::optional<FillGrain> grain_;  // none: the plain gradient
};

// Fills the whole picture.  The noise of patterns 1 to 4 is drawn pixel by
// pixel, row by row, from a grain that `random` seeds.
void fillPicture(Picture& picture, const Fill& fill, Random& random);

}  // namespace ispyt
