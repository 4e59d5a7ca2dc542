#include <gtest/gtest.h>

#include <cmath>

#include "presentation/TaskWheel.h"

namespace ispyt {
namespace {

TEST(TaskWheel, RadiusGrowsWithTheTaskCount) {
  const int counts[] = {1, 9, 10, 15, 16, 31, 32, 40, 41, 60};
  const int radii[] = {45, 45, 50, 50, 55, 55, 60, 60, 65, 65};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(wheelDesignRadius(counts[i]), radii[i]) << counts[i];
}

TEST(TaskWheel, StandsOnTheScorePanelAtScale) {
  TaskWheel w = taskWheel({2.0, 1.5, 1.5}, 12);
  EXPECT_DOUBLE_EQ(w.centre.x, 300);
  EXPECT_DOUBLE_EQ(w.centre.y, 132);
  EXPECT_DOUBLE_EQ(w.radius, 75);
}

TEST(TaskWheel, PetalsGoClockwiseFromTheTop) {
  TaskWheel w{{100, 100}, 40, 4};
  // Four petals: the middles of the sectors at 45, 135, 225 and 315 degrees.
  const double d = 40 / std::sqrt(2.0);
  EXPECT_NEAR(w.petalCentre(1).x, 100 + d, 1e-9);
  EXPECT_NEAR(w.petalCentre(1).y, 100 - d, 1e-9);
  EXPECT_NEAR(w.petalCentre(2).y, 100 + d, 1e-9);
  EXPECT_NEAR(w.petalCentre(3).x, 100 - d, 1e-9);
  EXPECT_NEAR(w.petalCentre(4).y, 100 - d, 1e-9);
}

TEST(TaskWheel, HitWhenTheRoundedDistanceIsBelowTheRoundedReach) {
  // Six petals on a ring of 50: reach round(sin(pi/6) * 50) = 25.  Petal 2
  // lies at 90 degrees, straight right of the centre: (150, 100).
  TaskWheel w{{100, 100}, 50, 6};
  EXPECT_EQ(w.petalAt({150, 100}), 2);
  EXPECT_EQ(w.petalAt({174, 100}), 2);  // 24 away
  EXPECT_EQ(w.petalAt({175, 100}), 0);  // 25 away: not below the reach
  EXPECT_EQ(w.petalAt({150, 124}), 2);  // 24 away, towards petal 3
  EXPECT_EQ(w.petalAt({100, 100}), 0);  // the centre disc
}

TEST(TaskWheel, DistanceIsRoundedBeforeComparing) {
  // Reach round(sin(pi/2) * 30) = 30 for two tasks; petal 1 right at (130, 100).
  TaskWheel w{{100, 100}, 30, 2};
  EXPECT_EQ(w.petalAt({130, 71}), 1);  // 29 away
  EXPECT_EQ(w.petalAt({158, 92}), 1);  // 29.1 away, rounded to 29
  EXPECT_EQ(w.petalAt({109, 79}), 0);  // 29.7 away, rounded to 30
}

TEST(TaskWheel, SingleTaskHasNoPetalToClick) {
  TaskWheel w{{100, 100}, 45, 1};
  EXPECT_EQ(w.petalAt({100, 55}), 0);
}

}  // namespace
}  // namespace ispyt
