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

void plain(Picture& band, int first, int last, int h, Rgb c1, Rgb c2) {
  for (int r = first; r < last; ++r) {
    const Pixel v =
        pack(towards(c1.r, c2.r, r, h), towards(c1.g, c2.g, r, h), towards(c1.b, c2.b, r, h));
    std::fill(band.row(r - first), band.row(r - first) + band.width(), v);
  }
}

}  // namespace

FillGrain::FillGrain(Random& random)
    : state_((std::uint64_t(random.random(1 << 30)) << 30) ^
             std::uint64_t(random.random(1 << 30))) {}

std::uint64_t FillGrain::step() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

FillRows::FillRows(const Fill& fill, Size whole, Random& random) : fill_(fill), whole_(whole) {
  if (whole.width > 0 && whole.height > 0 && fill.pattern >= 1 && fill.pattern <= 7)
    grain_.emplace(random);
}

void FillRows::write(Picture& band, int first) {
  const int w = whole_.width, h = whole_.height;
  const int last = std::min(h, first + band.height());
  const Rgb c1 = fill_.c1, c2 = fill_.c2;
  if (!grain_) return plain(band, first, last, h, c1, c2);
  FillGrain& grain = *grain_;
  // Each pattern has a loop of its own, so that none asks at each pixel
  // which pattern it is.
  auto each = [&](auto pixelAt) {
    for (int r = first; r < last; ++r) {
      Pixel* out = band.row(r - first);
      for (int i = 0; i < w; ++i) out[i] = pixelAt(i, r);
    }
  };
  switch (fill_.pattern) {
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

void fillPicture(Picture& p, const Fill& f, Random& random) {
  if (p.empty()) return;
  FillRows(f, p.size(), random).write(p, 0);
}

}  // namespace ispyt
