#include "presentation/Fills.h"

#include <algorithm>
#include <cstdlib>

namespace ispyt {
namespace {

constexpr Pixel pack(int r, int g, int b) {
  return 0xFF000000u | (Pixel(r & 0xFF) << 16) | (Pixel(g & 0xFF) << 8) | Pixel(b & 0xFF);
}

// c1 - (c1 - c2) * n / d, the step of a gradient.
constexpr int towards(int c1, int c2, int n, int d) { return c1 - (c1 - c2) * n / d; }

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
  for (int r = 0; r < h; ++r) {
    Pixel* out = p.row(r);
    for (int i = 0; i < w; ++i) {
      int R = 0, G = 0, B = 0;
      switch (f.pattern) {
        case 1:
          // Up and down twice across the width.
          R = i <= w / 4 || (i > w / 2 && i <= 3 * w / 4) ? i * 512 / w : -i * 512 / w;
          G = 100 + random.random(60);
          B = 255;
          break;
        case 2:
          R = towards(c1.r, c2.r, r, h);
          G = towards(c1.g, c2.g, r, h);
          B = random.random(60);
          break;
        case 3:
          R = random.random(255);
          G = 255;
          B = r * 255 / std::max(w, h);
          break;
        case 4:
          G = random.random(95) - 96;
          R = std::abs(r - h / 2) <= 5 ? 255 : r <= h / 2 ? r * 510 / h : -r * 510 / h;
          B = 255;
          break;
        case 5:
          R = c1.r - i * c1.r / w;
          G = towards(c1.g, c2.g, r, h);
          B = r > 2 ? -(r / 4) : 0;
          break;
        case 6:
          R = towards(c1.r, c2.r, i, h);
          G = towards(c1.g, c2.g, r, h);
          B = towards(c1.b, c2.b, i, h);
          break;
        case 7:
          R = B = 255;
          G = i == w / 2 ? 255 : i < w / 2 ? i * 510 / w : -i * 510 / w;
          // No dark seam where the rising and the falling halves meet.
          if ((G & 0xFF) < 4 && w / 4 < i && i < w - w / 4) G = 254;
          break;
      }
      out[i] = pack(R, G, B);
    }
  }
}

}  // namespace ispyt
