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
  // The grain is drawn from a copy, which stays in registers: the pixels
  // written could otherwise be the grain's own memory.
  FillGrain grain = *grain_;
  // Each pattern has a loop of its own, so that none asks at each pixel
  // which pattern it is; what depends on the row alone is worked out once
  // a row.
  auto eachRow = [&](auto writeRow) {
    for (int r = first; r < last; ++r) writeRow(band.row(r - first), r);
  };
  switch (fill_.pattern) {
    case 1:
      // Up and down twice across the width.
      eachRow([&](Pixel* out, int) {
        for (int i = 0; i < w; ++i) {
          const int R = i <= w / 4 || (i > w / 2 && i <= 3 * w / 4) ? i * 512 / w : -i * 512 / w;
          out[i] = pack(R, 100 + grain.next(60), 255);
        }
      });
      break;
    case 2:
      eachRow([&](Pixel* out, int r) {
        const int R = towards(c1.r, c2.r, r, h), G = towards(c1.g, c2.g, r, h);
        for (int i = 0; i < w; ++i) out[i] = pack(R, G, grain.next(60));
      });
      break;
    case 3:
      eachRow([&](Pixel* out, int r) {
        const int B = r * 255 / std::max(w, h);
        for (int i = 0; i < w; ++i) out[i] = pack(grain.next(255), 255, B);
      });
      break;
    case 4:
      eachRow([&](Pixel* out, int r) {
        const int R = std::abs(r - h / 2) <= 5 ? 255 : r <= h / 2 ? r * 510 / h : -r * 510 / h;
        for (int i = 0; i < w; ++i) out[i] = pack(R, grain.next(95) - 96, 255);
      });
      break;
    case 5:
      eachRow([&](Pixel* out, int r) {
        const int G = towards(c1.g, c2.g, r, h), B = r > 2 ? -(r / 4) : 0;
        for (int i = 0; i < w; ++i) out[i] = pack(c1.r - i * c1.r / w, G, B);
      });
      break;
    case 6:
      eachRow([&](Pixel* out, int r) {
        const int G = towards(c1.g, c2.g, r, h);
        for (int i = 0; i < w; ++i)
          out[i] = pack(towards(c1.r, c2.r, i, h), G, towards(c1.b, c2.b, i, h));
      });
      break;
    case 7:
      eachRow([&](Pixel* out, int) {
        for (int i = 0; i < w; ++i) {
          int G = i == w / 2 ? 255 : i < w / 2 ? i * 510 / w : -i * 510 / w;
          // No dark seam where the rising and the falling halves meet.
          if ((G & 0xFF) < 4 && w / 4 < i && i < w - w / 4) G = 254;
          out[i] = pack(255, G, 255);
        }
      });
      break;
  }
  *grain_ = grain;
}

void fillPicture(Picture& p, const Fill& f, Random& random) {
  if (p.empty()) return;
  FillRows(f, p.size(), random).write(p, 0);
}

}  // namespace ispyt
