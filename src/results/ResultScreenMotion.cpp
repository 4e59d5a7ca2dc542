#include "results/ResultScreenMotion.h"

#include <algorithm>
#include <numbers>

#include "attempt/AttemptEngine.h"
#include "results/Scoring.h"

namespace ispyt {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kMedalRiseSteps = 36;

double smoothstep(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

}  // namespace

DiagramShares diagramShares(int judged, int wrong) {
  DiagramShares s;
  if (judged <= 0) return s;
  s.empty = false;
  s.wrongElements = std::clamp(wrong, 0, judged);
  s.rightElements = judged - s.wrongElements;
  s.right = static_cast<double>(s.rightElements) / judged;
  s.percent = attemptPercent(s.wrongElements, judged);
  return s;
}

double diagramSweep(double angle) { return smoothstep((angle - 2 * kPi) / (4 * kPi)); }

double medalScale(int step) {
  if (step <= 0) return 0;
  if (step >= kMedalRiseSteps) return 1;
  // Ease out with an overshoot of about a tenth.
  const double t = static_cast<double>(step) / kMedalRiseSteps - 1;
  constexpr double c1 = 1.70158;
  return 1 + (c1 + 1) * t * t * t + c1 * t * t;
}

double closingShade(int step) { return smoothstep(static_cast<double>(step) / kClosingSteps); }

}  // namespace ispyt
