// One task screen's texts: seven options measured for their common size,
// then drawn at it, and the question drawn; at the 800x600 design and at
// the scale of a 1920x1080 screen.  Then one question 1, 10 and 100 times
// as long in the question area at 1920x1080: the cost should grow with the
// text, not faster.  The canvas only counts, so this is the layout's own
// cost.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Cp1251.h"
#include "platform/Rounding.h"
#include "presentation/RenderTaskText.h"

namespace {

using namespace ispyt;

class CountingCanvas : public Canvas {
 public:
  void drawText(Point, const Font&, Rgb, std::string_view) override { ++ops; }
  void drawLine(Point, Point, Rgb, int) override { ++ops; }
  void drawArc(Rect, Point, Point, Rgb, int) override { ++ops; }
  void drawPoint(Point, int, Rgb) override { ++ops; }
  void copyImage(SlotImage, Rect, Point) override { ++ops; }
  void stretchImage(SlotImage, Rect) override { ++ops; }
  void stretchPicture(const std::filesystem::path&, Rect, bool) override { ++ops; }
  void setTransparent() override {}
  long ops = 0;
};

class Slots : public TextSlots {
 public:
  Canvas& create(int, Size) override { return canvas; }
  void release(int) override {}
  CountingCanvas canvas;
};

const std::string& question() {
  static const std::string text = cp1251(
      "Установіть відповідність між виразом {x]2[-1\\x+1} при x = 3 і його значенням; "
      "обчисліть також #2x]2[+16# та розв’яжіть систему {x+y=7^x-y=1}.");
  return text;
}

void taskScreen(benchmark::State& state) {
  const double sx = state.range(0) / 800.0, sy = state.range(1) / 600.0;
  const std::string& question = ::question();
  std::vector<std::string> options;
  for (const char* o : {"{1\\2} + {1\\3}", "#216# + #29#", "x]2[ - 5x + 6", "`a + `b = `p",
                        "H[2]SO[4] {t\\ } SO[3] + H[2]O", "{a+b\\c}", "x >= 1, y <= 2"})
    options.push_back(cp1251(o));
  const int ow = roundHalfEven(560 * sx), oh = roundHalfEven(50 * sy);
  const int qw = roundHalfEven(710 * sx), qh = roundHalfEven(170 * sy);

  Slots slots;
  GapBoxes gaps;
  GapAnchors anchors;
  TextRenderTarget target{slots, gaps, anchors, {false, 7, false, sx, sy, ""}};
  for (auto _ : state) {
    int g = 64;
    for (const std::string& o : options)
      g = std::min(g,
                   RenderTaskText(target, o, "", ow, oh, false, false, kMeasuringSlot, kBlack, 64));
    for (std::size_t i = 0; i < options.size(); ++i)
      RenderTaskText(target, options[i], "", ow, oh, false, true, kFirstOptionSlot + int(i), kBlack,
                     g + g / 3);
    benchmark::DoNotOptimize(RenderTaskText(target, question, "", qw, qh, false, true, 0, kBlack,
                                            roundHalfEven(24 * std::min(sx, sy))));
  }
  state.counters["ops"] = benchmark::Counter(double(slots.canvas.ops) / state.iterations());
}

BENCHMARK(taskScreen)->Args({800, 600})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

void longQuestion(benchmark::State& state) {
  const double sx = 1920 / 800.0, sy = 1080 / 600.0;
  std::string text;
  for (int i = 0; i < state.range(0); ++i) text += (i ? " " : "") + question();
  Slots slots;
  GapBoxes gaps;
  GapAnchors anchors;
  TextRenderTarget target{slots, gaps, anchors, {false, 4, false, sx, sy, ""}};
  const int qw = roundHalfEven(710 * sx), qh = roundHalfEven(170 * sy);
  const int maxSize = roundHalfEven(24 * std::min(sx, sy));
  int g = 0;
  for (auto _ : state)
    g = RenderTaskText(target, text, "", qw, qh, false, true, 0, kBlack, maxSize);
  state.counters["g"] = g;
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

BENCHMARK(longQuestion)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
