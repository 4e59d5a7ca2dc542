// One tick of each transition effect in the card area of a 1920x1080
// screen, into the screen picture the window shows (the timer ticks every
// millisecond), and one frame of the cross-fade.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "platform/ManualScheduler.h"
#include "presentation/MainLayout.h"
#include "presentation/ScreenScale.h"
#include "presentation/qt/QtCardScreen.h"

namespace {

using namespace ispyt;

constexpr Effect kEffects[] = {Effect::None,    Effect::Tear, Effect::Dissolve, Effect::Blinds,
                               Effect::DriveIn, Effect::Fall, Effect::Appear,   Effect::CrossFade};
const char* const kNames[] = {"None",    "Tear", "Dissolve", "Blinds",
                              "DriveIn", "Fall", "Appear",   "CrossFade"};

void BM_TransitionTick(benchmark::State& state) {
  const Effect effect = kEffects[state.range(0)];
  state.SetLabel(kNames[state.range(0)]);
  const ScreenScale scale{2.4, 1.8, 1.8};
  const Rect card = scale.rect(layout::kCardArea);
  QImage screen(1920, 1080, QImage::Format_RGB32);
  screen.fill(QColor(200, 200, 128));
  QtCardScreen cardScreen(screen, QRect(card.x, card.y, card.width, card.height), [] {});
  ManualScheduler scheduler;
  Random random(1);
  Transition transition(scheduler, cardScreen, random);
  transition.setLook({effect, scale.scaleX, scale.scaleY, 0xFF606060u, true},
                     [&] { return Picture({card.width, card.height}, 0xFFC8C880u); });
  const Picture pictures[2] = {Picture({card.width, card.height}, 0xFF3050A0u),
                               Picture({card.width, card.height}, 0xFFF0E0B0u)};
  int which = 0;
  for (auto _ : state) {
    if (!transition.running()) {
      state.PauseTiming();
      transition.start(pictures[which ^= 1]);
      state.ResumeTiming();
    }
    scheduler.advance(kTransitionMs);
  }
}
BENCHMARK(BM_TransitionTick)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
