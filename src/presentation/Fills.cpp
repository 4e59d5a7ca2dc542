#include "presentation/Fills.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace ispyt {
namespace {

constexpr Pixel pack(int r, int g, int b) {
  return 0xFF000000u | (Pixel(r & 0xFF) << 16) | (Pixel(g & 0xFF) << 8) | Pixel(b & 0xFF);
}

// c1 - (c1 - c2) * n / d, the step of a gradient.
constexpr int towards(int c1, int c2, int n, int d) { return c1 - (c1 - c2) * n / d; }

// The patterns' grain: millions of draws for a picture the size of the
// screen, which the program's shuffling generator would take ten times as
// long to give.  A small generator (splitmix64), seeded from `random`,
// gives four 16-bit draws per step; n of at most 256 leaves every value
// within 0.4% of its share.
class Grain {
 public:
  explicit Grain(Random& random)
      : state_((std::uint64_t(random.random(1 << 30)) << 30) ^
               std::uint64_t(random.random(1 << 30))) {}

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
  std::uint64_t step() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  std::uint64_t state_;
  std::uint64_t bits_ = 0;
  int left_ = 0;
};

void plain(Picture& p, Rgb c1, Rgb c2) {
  const int h = p.height();
  for (int r = 0; r < h; ++r) {
    const Pixel v =
        pack(towards(c1.r, c2.r, r, h), towards(c1.g, c2.g, r, h), towards(c1.b, c2.b, r, h));
    std::fill(p.row(r), p.row(r) + p.width(), v);
  }
}

}  // namespace

void fillPicture(Picture& p, const Fill& f, Random& random) {
  const int w = p.width(), h = p.height();
  if (p.empty()) return;
  const Rgb c1 = f.c1, c2 = f.c2;
  if (f.pattern < 1 || f.pattern > 7) return plain(p, c1, c2);
  Grain grain(random);
  // Each pattern has a loop of its own, so that none asks at each pixel
  // which pattern it is.
  auto each = [&](auto pixelAt) {
    for (int r = 0; r < h; ++r) {
      Pixel* out = p.row(r);
      for (int i = 0; i < w; ++i) out[i] = pixelAt(i, r);
    }
  };
  switch (f.pattern) {
    case 1:
      // Up and down twice across the width.
      return each([&](int i, int) {
        const int R = i <= w / 4 || (i > w / 2 && i <= 3 * w / 4) ? i * 512 / w : -i * 512 / w;
        return pack(R, 100 + grain.next(60), 255);
      });
    case 2:
      return each([&](int, int r) {
        return pack(towards(c1.r, c2.r, r, h), towards(c1.g, c2.g, r, h), grain.next(60));
      });
    case 3:
      return each([&](int, int r) { return pack(grain.next(255), 255, r * 255 / std::max(w, h)); });
    case 4:
      return each([&](int, int r) {
        const int G = grain.next(95) - 96;
        const int R = std::abs(r - h / 2) <= 5 ? 255 : r <= h / 2 ? r * 510 / h : -r * 510 / h;
        return pack(R, G, 255);
      });
    case 5:
      return each([&](int i, int r) {
        return pack(c1.r - i * c1.r / w, towards(c1.g, c2.g, r, h), r > 2 ? -(r / 4) : 0);
      });
    case 6:
      return each([&](int i, int r) {
        return pack(towards(c1.r, c2.r, i, h), towards(c1.g, c2.g, r, h),
                    towards(c1.b, c2.b, i, h));
      });
    case 7:
      return each([&](int i, int) {
        int G = i == w / 2 ? 255 : i < w / 2 ? i * 510 / w : -i * 510 / w;
        // No dark seam where the rising and the falling halves meet.
        if ((G & 0xFF) < 4 && w / 4 < i && i < w - w / 4) G = 254;
        return pack(255, G, 255);
      });
  }
}

}  // namespace ispyt
