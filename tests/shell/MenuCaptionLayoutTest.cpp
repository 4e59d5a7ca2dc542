#include "shell/MenuCaptionLayout.h"

#include <gtest/gtest.h>

#include "presentation/MainLayout.h"

namespace ispyt {
namespace {

TEST(MenuCaptionLayout, EachCaptionStartsAGapAfterThePrevious) {
  ScreenScale s{1.28, 1.28, 1.28};
  auto xs = layoutMenuCaptions({30, 70, 80, 90, 40, 10}, s);
  int gap = 26;  // round(20 * 1.28) = 25.6
  int helpGap = 23;  // round(18 * 1.28) = 23.04
  std::vector<int> expected{15};  // round(12 * 1.28)
  expected.push_back(expected[0] + 30 + gap);
  expected.push_back(expected[1] + 70 + gap);
  expected.push_back(expected[2] + 80 + gap);
  expected.push_back(expected[3] + 90 + gap);
  expected.push_back(expected[4] + 40 + helpGap);
  EXPECT_EQ(xs, expected);
}

TEST(ModeIcon, SnapsToItsDesignSizeAndCentresOnTheClock) {
  struct Case {
    const char* name;
    Size picture;
    ScreenScale scale;
    Rect expected;
    bool shrinks;
  } cases[] = {
      // 100x78 at 1:1: centred on the clock box (424..524), top between
      // the status strip top (164) and the clock bottom (301).
      {"unscaled", {100, 78}, {1, 1, 1}, {424, 193, 100, 78}, true},
      // 1.6 x 1.333: scaled by the smaller (1.333) to 133x104, clamped.
      {"wide screen", {100, 78}, {1.6, 800.0 / 600, 800.0 / 600}, {708, 271, 100, 78}, true},
      // A small picture stays small.
      {"small", {60, 40}, {1, 1, 1}, {444, 212, 60, 40}, false},
      // 97 wide is within 5 of 100 and snaps; 70 high stays.
      {"near", {97, 70}, {1, 1, 1}, {424, 197, 100, 70}, false},
  };
  for (const auto& c : cases) {
    auto p = placeModeIcon(c.picture, c.scale);
    EXPECT_EQ(p.icon, c.expected) << c.name;
    EXPECT_EQ(p.smallIconShrinks, c.shrinks) << c.name;
  }
}

}  // namespace
}  // namespace ispyt
