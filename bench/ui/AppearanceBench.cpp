// ApplyAppearance, which runs while the teacher waits for the appearance
// dialog to close, and one step of the attempt's clock, once a second, at
// the scale of a 1920x1080 screen (and of the 800x600 design).

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "platform/Cp1251.h"
#include "presentation/MainLayout.h"
#include "presentation/qt/ClockFace.h"
#include "presentation/qt/FirstScreen.h"

namespace {

using namespace ispyt;

ScreenScale scaleOf(int w, int h) {
  const double sx = w / 800.0, sy = h / 600.0;
  return {sx, sy, std::min(sx, sy)};
}

void BM_ApplyAppearance(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const ArtworkList artwork;
  const AppearanceSource source{"/nonexistent", {}, scaleOf(w, h), QSize(w, h), false};
  // The patterned schemes cost the most: noise at three times the size.
  const char* schemes[] = {"Ялиця", "Гарбуз", "Морська", "Сланець"};
  Random noise(1);
  int i = 0;
  for (auto _ : state) {
    DecorSettings decor;
    decor.programBackground = cp1251("Градієнт");
    decor.colourScheme = cp1251(schemes[i++ % 4]);
    decor.clockBackground = true;
    FirstScreenLook look;
    benchmark::DoNotOptimize(ApplyAppearance(decor, source, artwork, noise, look));
  }
}
BENCHMARK(BM_ApplyAppearance)->Args({1920, 1080})->Args({800, 600})->Unit(benchmark::kMillisecond);

void BM_ClockStep(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const ScreenScale scale = scaleOf(w, h);
  const ArtworkList artwork;
  const AppearanceSource source{"/nonexistent", {}, scale, QSize(w, h), false};
  DecorSettings decor;
  decor.clockBackground = true;
  FirstScreenLook look;
  Random noise(1);
  QImage screen = ApplyAppearance(decor, source, artwork, noise, look);
  const QRect box(scale.x(layout::kClockBox.x), scale.y(layout::kClockBox.y),
                  scale.x(layout::kClockBox.width), scale.y(layout::kClockBox.height));
  int elapsed = 1700;  // the countdown shows
  for (auto _ : state) paintClock(screen, box, scale, look, {elapsed++ % 1800, 1800, true});
}
BENCHMARK(BM_ClockStep)->Args({1920, 1080})->Args({800, 600})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
