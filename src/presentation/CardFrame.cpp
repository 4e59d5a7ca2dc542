#include "presentation/CardFrame.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace ispyt {
namespace {

constexpr int kCornerRadius = 15;

struct Span {
  int left = INT_MAX;  // empty: left > right
  int right = INT_MIN;
};

// The pixels of each row whose centres lie inside the frame of a w x h card.
std::vector<Span> frameSpans(int w, int h, bool torn) {
  std::vector<Span> spans(std::max(0, h));
  const int x0 = 1, x1 = w - 2, y0 = 1, y1 = h - 2;
  if (x1 <= x0 || y1 <= y0) return spans;
  const double r = std::min({double(kCornerRadius), (x1 - x0) / 2.0, (y1 - y0) / 2.0});
  for (int y = y0; y < y1; ++y) {
    const double cy = y + 0.5;
    double dy = 0;
    if (cy < y0 + r) dy = y0 + r - cy;
    if (cy > y1 - r) dy = cy - (y1 - r);
    const double dx = dy < r ? std::sqrt(r * r - dy * dy) : 0;
    Span& s = spans[y];
    s.left = int(std::ceil(x0 + r - dx - 0.5));
    s.right = int(std::floor(x1 - r + dx - 0.5));
    if (torn && y >= h / 2) s.left = x0;      // the lower left quarter
    if (torn && y < h / 2) s.right = x1 - 1;  // the upper right quarter
    if (s.left > s.right) s = {};
  }
  return spans;
}

}  // namespace

void drawFramed(Picture& target, const Picture& source, Rect from, Point at,
                const FrameStyle& style) {
  const int w = from.width, h = from.height;
  const std::vector<Span> spans = frameSpans(w, h, style.torn);
  const Span none;
  for (int y = 0; y < h; ++y) {
    const Span& s = spans[y];
    if (s.left > s.right) continue;
    const int ty = at.y + y, sy = from.y + y;
    if (ty < 0 || ty >= target.height()) continue;
    // The inside of the row, clipped to both pictures.
    const int lo = std::max({s.left, -at.x, -from.x}),
              hi = std::min({s.right, target.width() - 1 - at.x, source.width() - 1 - from.x});
    if (sy >= 0 && sy < source.height() && lo <= hi)
      std::copy_n(source.row(sy) + from.x + lo, hi - lo + 1, target.row(ty) + at.x + lo);
    if (!style.outline) continue;
    // The outline: the pixels of the inside next to a pixel outside it.
    const Span& up = y > 0 ? spans[y - 1] : none;
    const Span& down = y + 1 < h ? spans[y + 1] : none;
    auto mark = [&](int x) {
      const int tx = at.x + x;
      if (tx >= 0 && tx < target.width()) target.set(tx, ty, style.colour);
    };
    const bool edgeRow = up.left > up.right || down.left > down.right;
    if (edgeRow) {
      for (int x = s.left; x <= s.right; ++x) mark(x);
      continue;
    }
    const int leftEnd = std::max(s.left, std::max(up.left, down.left) - 1);
    const int rightStart = std::min(s.right, std::min(up.right, down.right) + 1);
    for (int x = s.left; x <= leftEnd; ++x) mark(x);
    for (int x = std::max(rightStart, leftEnd + 1); x <= s.right; ++x) mark(x);
  }
}

}  // namespace ispyt
