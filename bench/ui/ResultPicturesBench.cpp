// One frame of the result screen's pictures: the diagram is redrawn every
// 50 ms and the closing every 10 ms, at the 800x600 design's task area and
// at the scale of a 1920x1080 screen.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <numbers>

#include "results/ui/ClosingPicture.h"
#include "results/ui/ResultDiagram.h"

namespace {

using namespace ispyt;

QSize sizeOf(const benchmark::State& state) {
  return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
}

void BM_ResultDiagram(benchmark::State& state) {
  QImage backdrop(sizeOf(state), QImage::Format_RGB32);
  backdrop.fill(QColor(240, 244, 250));
  int step = 0;
  for (auto _ : state) {
    const double angle = (32 + step++ % 80) * std::numbers::pi / 16;
    benchmark::DoNotOptimize(resultDiagram(sizeOf(state), angle, 40, 9, true, backdrop));
  }
}

void BM_ClosingPicture(benchmark::State& state) {
  QImage backdrop(sizeOf(state), QImage::Format_RGB32);
  backdrop.fill(QColor(240, 244, 250));
  const int grade = static_cast<int>(state.range(2));
  int step = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(closingPicture(sizeOf(state), step++ % 69 + 1, grade, 12, backdrop));
}

BENCHMARK(BM_ResultDiagram)->Args({480, 360})->Args({1150, 650})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClosingPicture)
    ->Args({480, 360, 11})
    ->Args({1150, 650, 11})
    ->Args({1150, 650, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
