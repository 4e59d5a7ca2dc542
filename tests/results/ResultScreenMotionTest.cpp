// The motion of the end-of-attempt pictures: the diagram's shares, its sweep
// over the angles the attempt flow gives, the medal's growth and the
// closing shade.

#include <gtest/gtest.h>

#include <numbers>

#include "attempt/AttemptEngine.h"
#include "results/ResultScreenMotion.h"

namespace ispyt {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(DiagramShares, RightAndWrongOfTheJudged) {
  struct Case {
    const char* name;
    int judged, wrong;
    bool empty;
    int right, percent;
  };
  for (const Case& c : {
           Case{"nothing judged", 0, 0, true, 0, 0},
           Case{"all right", 10, 0, false, 10, 100},
           Case{"percent as stored, truncated", 3, 1, false, 2, 67},
           Case{"broken-off marker", 5, -1, false, 5, 100},
           Case{"more wrong than judged", 4, 9, false, 0, 0},
       }) {
    SCOPED_TRACE(c.name);
    const DiagramShares s = diagramShares(c.judged, c.wrong);
    EXPECT_EQ(s.empty, c.empty);
    EXPECT_EQ(s.rightElements, c.right);
    EXPECT_EQ(s.rightElements + s.wrongElements, c.empty ? 0 : c.judged);
    EXPECT_EQ(s.percent, c.percent);
  }
}

TEST(DiagramSweep, FromTwoToSixPi) {
  EXPECT_EQ(diagramSweep(1.8 * kPi), 0);
  EXPECT_EQ(diagramSweep(2 * kPi), 0);
  EXPECT_EQ(diagramSweep(6 * kPi), 1);
  EXPECT_EQ(diagramSweep(9 * kPi), 1);  // turning on while the prompt waits
  double last = 0;
  for (int step = 1; step <= 64; ++step) {
    const double sweep = diagramSweep((32 + step) * kPi / 16);
    EXPECT_GT(sweep, last) << step;
    last = sweep;
  }
}

TEST(ClosingMotion, MedalGrowsPastItsSizeThenSettles) {
  EXPECT_EQ(medalScale(0), 0);
  double peak = 0;
  int settledFrom = 0;
  for (int step = 1; step <= kClosingSteps; ++step) {
    peak = std::max(peak, medalScale(step));
    if (medalScale(step) == 1 && settledFrom == 0) settledFrom = step;
    if (settledFrom) {
      EXPECT_EQ(medalScale(step), 1) << step;
    }
  }
  EXPECT_GT(peak, 1.05);
  EXPECT_LT(peak, 1.2);
  EXPECT_GT(settledFrom, 1);
  EXPECT_LT(settledFrom, kClosingSteps / 2 + 10);

  EXPECT_EQ(closingShade(0), 0);
  EXPECT_EQ(closingShade(kClosingSteps), 1);
  for (int step = 1; step <= kClosingSteps; ++step)
    EXPECT_GT(closingShade(step), closingShade(step - 1)) << step;
}

}  // namespace
}  // namespace ispyt
