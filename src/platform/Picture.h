#pragma once
// A picture of 24-bit pixels that the core computes and copies: fills,
// patterns, the frames of a screen transition.  Pixels are 0xFFRRGGBB words
// in rows, the layout the Qt layer paints from, so a picture crosses the
// seam by copying rows.  Copies share their pixels until one is changed,
// so a picture handed on and also kept costs its memory once.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace ispyt {

using Pixel = std::uint32_t;

inline constexpr Pixel pixelOf(Rgb c) {
  return 0xFF000000u | (Pixel(c.r) << 16) | (Pixel(c.g) << 8) | Pixel(c.b);
}
inline constexpr Rgb rgbOf(Pixel p) {
  return {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)};
}

class Picture {
 public:
  Picture() = default;
  // A picture of `size`, every pixel `fill`.  A negative size is empty.
  explicit Picture(Size size, Pixel fill = 0xFF000000u);
  // A picture of `size` whose every pixel the caller writes before any is
  // read.
  static Picture unfilled(Size size);

  int width() const { return width_; }
  int height() const { return height_; }
  Size size() const { return {width_, height_}; }
  bool empty() const { return !pixels_; }
  Rect rect() const { return {0, 0, width_, height_}; }

  Pixel at(int x, int y) const { return pixels_[index(x, y)]; }
  void set(int x, int y, Pixel p) { own()[index(x, y)] = p; }
  Pixel* row(int y) { return own() + std::size_t(y) * width_; }
  const Pixel* row(int y) const { return pixels_.get() + std::size_t(y) * width_; }

  void fill(Pixel p);
  void fill(Rect part, Pixel p);
  // Copies the part `from` of `source` to `to`; whatever falls outside
  // either picture is left out.
  void copy(const Picture& source, Rect from, Point to);
  void copy(const Picture& source, Point to = {}) { copy(source, source.rect(), to); }
  // As copy, but the source's pixels of colour `key` let this one show.
  void copyKeyed(const Picture& source, Rect from, Point to, Pixel key);
  Picture part(Rect r) const;

  friend bool operator==(const Picture& a, const Picture& b);

 private:
  std::size_t index(int x, int y) const { return std::size_t(y) * width_ + x; }
  std::size_t count() const { return std::size_t(width_) * height_; }
  // The pixels, this picture's alone from here on.
  Pixel* own() {
    if (pixels_.use_count() > 1) unshare();
    return pixels_.get();
  }
  void unshare();

  int width_ = 0;
  int height_ = 0;
  std::shared_ptr<Pixel[]> pixels_;  // null when empty
};

// The part of `r` that lies inside `bounds`.
Rect intersect(Rect r, Rect bounds);

}  // namespace ispyt

namespace ispyt {

// Smooth edges the way every enlarged drawing of the program gets them:
// drawn at three times the size, each 3x3 block averaged (channel sums
// divided by 9, truncated) into one pixel.
Picture reduceByThree(const Picture& enlarged);
// The same over rows of pixel words `stride` pixels apart: `out` receives
// (width / 3) x (height / 3) pixels, its rows `outStride` apart.
void reduceByThree(const Pixel* in, std::size_t stride, int width, int height, Pixel* out,
                   std::size_t outStride);
// Each pixel as a 3x3 block, opaque, what reduceByThree turns back into
// the same: `height` rows of `width` pixel words `stride` apart into `out`,
// whose (3 * width) x (3 * height) pixels have rows `outStride` apart.
void enlargeByThree(const Pixel* in, std::size_t stride, int width, int height, Pixel* out,
                    std::size_t outStride);

}  // namespace ispyt
