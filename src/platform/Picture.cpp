#include "platform/Picture.h"

#include <algorithm>
#include <vector>

namespace ispyt {

Picture Picture::unfilled(Size size) {
  Picture p;
  if (size.width > 0 && size.height > 0) {
    p.width_ = size.width;
    p.height_ = size.height;
    p.pixels_ = std::make_shared_for_overwrite<Pixel[]>(p.count());
  }
  return p;
}

Picture::Picture(Size size, Pixel fill) : Picture(unfilled(size)) {
  std::fill_n(pixels_.get(), count(), fill);
}

void Picture::unshare() {
  auto mine = std::make_shared_for_overwrite<Pixel[]>(count());
  std::copy_n(pixels_.get(), count(), mine.get());
  pixels_ = std::move(mine);
}

bool operator==(const Picture& a, const Picture& b) {
  return a.size() == b.size() &&
         (a.pixels_ == b.pixels_ ||
          std::equal(a.pixels_.get(), a.pixels_.get() + a.count(), b.pixels_.get()));
}

Rect intersect(Rect r, Rect b) {
  const int x0 = std::max(r.x, b.x), y0 = std::max(r.y, b.y);
  const int x1 = std::min(r.right(), b.right()), y1 = std::min(r.bottom(), b.bottom());
  if (x1 <= x0 || y1 <= y0) return {x0, y0, 0, 0};
  return {x0, y0, x1 - x0, y1 - y0};
}

void Picture::fill(Pixel p) {
  if (empty()) return;
  // Nothing of the old pixels stays: a shared picture is not copied first.
  if (pixels_.use_count() > 1) pixels_ = std::make_shared_for_overwrite<Pixel[]>(count());
  std::fill_n(pixels_.get(), count(), p);
}

void Picture::fill(Rect part, Pixel p) {
  const Rect r = intersect(part, rect());
  for (int y = r.y; y < r.bottom(); ++y) std::fill(row(y) + r.x, row(y) + r.right(), p);
}

namespace {

// The source and target rectangles of a copy, both clipped.
struct Span {
  Rect from;
  Point to;
};
Span clip(const Picture& source, Rect from, Point to, const Picture& target) {
  Rect f = intersect(from, source.rect());
  Point t{to.x + f.x - from.x, to.y + f.y - from.y};
  const Rect onTarget = intersect({t.x, t.y, f.width, f.height}, target.rect());
  f = {f.x + onTarget.x - t.x, f.y + onTarget.y - t.y, onTarget.width, onTarget.height};
  return {f, {onTarget.x, onTarget.y}};
}

}  // namespace

void Picture::copy(const Picture& source, Rect from, Point to) {
  const Span s = clip(source, from, to, *this);
  for (int y = 0; y < s.from.height; ++y)
    std::copy_n(source.row(s.from.y + y) + s.from.x, s.from.width, row(s.to.y + y) + s.to.x);
}

void Picture::copyKeyed(const Picture& source, Rect from, Point to, Pixel key) {
  const Span s = clip(source, from, to, *this);
  for (int y = 0; y < s.from.height; ++y) {
    const Pixel* in = source.row(s.from.y + y) + s.from.x;
    Pixel* out = row(s.to.y + y) + s.to.x;
    for (int x = 0; x < s.from.width; ++x)
      if (in[x] != key) out[x] = in[x];
  }
}

Picture Picture::part(Rect r) const {
  Picture p({r.width, r.height});
  p.copy(*this, r, {0, 0});
  return p;
}

}  // namespace ispyt

namespace ispyt {

void enlargeByThree(const Pixel* in, std::size_t stride, int width, int height, Pixel* out,
                    std::size_t outStride) {
  for (int y = 0; y < height; ++y, in += stride, out += 3 * outStride) {
    for (int x = 0; x < width; ++x)
      out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = in[x] | 0xFF000000u;
    std::copy_n(out, 3 * width, out + outStride);
    std::copy_n(out, 3 * width, out + 2 * outStride);
  }
}

void reduceByThree(const Pixel* in, std::size_t stride, int width, int height, Pixel* out,
                   std::size_t outStride) {
  const int w = width / 3, h = height / 3;
  // Each three rows are first summed column by column (a loop the compiler
  // makes work on several pixels at once), then three columns at a time.
  // Red and blue are summed side by side: nine bytes never carry into the
  // other's half.
  std::vector<unsigned> rbColumns(std::size_t(3) * std::max(w, 0)), gColumns(rbColumns.size());
  for (int y = 0; y < h; ++y, in += 3 * stride, out += outStride) {
    const Pixel *r0 = in, *r1 = in + stride, *r2 = in + 2 * stride;
    for (std::size_t c = 0; c < rbColumns.size(); ++c) {
      rbColumns[c] = (r0[c] & 0x00FF00FFu) + (r1[c] & 0x00FF00FFu) + (r2[c] & 0x00FF00FFu);
      gColumns[c] = ((r0[c] >> 8) & 0xFF) + ((r1[c] >> 8) & 0xFF) + ((r2[c] >> 8) & 0xFF);
    }
    for (int x = 0; x < w; ++x) {
      const unsigned rb = rbColumns[3 * x] + rbColumns[3 * x + 1] + rbColumns[3 * x + 2];
      const unsigned g = gColumns[3 * x] + gColumns[3 * x + 1] + gColumns[3 * x + 2];
      out[x] = 0xFF000000u | (((rb >> 16) / 9) << 16) | ((g / 9) << 8) | ((rb & 0xFFFF) / 9);
    }
  }
}

Picture reduceByThree(const Picture& big) {
  Picture out({big.width() / 3, big.height() / 3});
  if (!out.empty())
    reduceByThree(big.row(0), std::size_t(big.width()), big.width(), big.height(), out.row(0),
                  std::size_t(out.width()));
  return out;
}

}  // namespace ispyt
