// Random markup through the task-text layout: every text ends, at a size
// of at least the smallest, and draws inside sane bounds.  The first bytes
// choose the slot's size, the starting size, bold and the gap answers.

#include "presentation/RenderTaskText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Canvas.h"
#include "presentation/TaskTextLayout.h"

namespace {

using namespace ispyt;

class CountingCanvas : public Canvas {
 public:
  void drawText(Point at, const Font& font, Rgb, std::string_view bytes) override {
    if (font.size < 1 || bytes.size() != 1) std::abort();
    check(at);
  }
  void drawLine(Point from, Point to, Rgb, int pen) override {
    if (pen < 1) std::abort();
    check(from);
    check(to);
  }
  void drawArc(Rect bounds, Point start, Point end, Rgb, int pen) override {
    if (pen < 1 || bounds.width < 0 || bounds.height < 0) std::abort();
    check(start);
    check(end);
  }
  void drawPoint(Point at, int size, Rgb) override {
    if (size < 1) std::abort();
    check(at);
  }
  void copyImage(SlotImage, Rect, Point) override {}
  void stretchImage(SlotImage, Rect) override {}
  void stretchPicture(const std::filesystem::path&, Rect, bool) override {}
  void setTransparent() override {}

  long ops = 0;

 private:
  // Positions stay within a few lines' reach of the slot, never wild.
  void check(Point p) {
    ++ops;
    if (std::abs(p.x) > 1'000'000 || std::abs(p.y) > 1'000'000) std::abort();
  }
};

class Slots : public TextSlots {
 public:
  Canvas& create(int, Size) override { return canvas; }
  void release(int) override {}
  CountingCanvas canvas;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6 || size > 4096) return 0;
  const int width = 1 + data[0] * 4;  // up to 1021
  const int height = 1 + data[1] * 2;
  const int maxSize = data[2] - 8;  // from below the smallest size to 247
  const bool bold = data[3] & 1;
  const int slot = data[3] >> 3;
  GapBoxes gaps;
  for (int j = 0; j < kGapCount; ++j) gaps[j].text.assign((data[4] >> (j % 8)) & 7, 'x');
  GapAnchors anchors;
  Slots slots;
  TextRenderTarget target{slots, gaps, anchors, {false, data[5] % 9, (data[5] & 16) != 0}};
  std::string text(reinterpret_cast<const char*>(data + 6), size - 6);
  for (bool draw : {false, true}) {
    int g = RenderTaskText(target, text, "", width, height, bold, draw, slot, kBlack, maxSize);
    if (g < cellWidth(kMinFontSize) || g > cellWidth(std::max(maxSize, kMinFontSize))) std::abort();
  }
  return 0;
}
