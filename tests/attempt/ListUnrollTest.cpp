// The "Відповідники" window unrolls: hidden for ten ticks, ten pixels a
// tick, out when whole or taller than 4/7 of the main window; the title
// bar's places.

#include <gtest/gtest.h>

#include "attempt/ListUnroll.h"

using namespace ispyt;

namespace {

// Ticks until the unroll stops, with the heights seen while visible.
std::vector<int> run(ListUnroll& u) {
  std::vector<int> heights;
  for (int i = 0; i < 1000; ++i) {
    const bool going = u.tick();
    if (u.visible()) heights.push_back(u.height());
    if (!going) break;
  }
  return heights;
}

}  // namespace

TEST(ListUnroll, StaysHiddenForTenTicksThenGrowsTenPixelsATick) {
  ListUnroll u;
  u.start(45, 600, 3);
  for (int i = 1; i <= kListHiddenTicks; ++i) {
    EXPECT_TRUE(u.tick()) << i;
    EXPECT_FALSE(u.visible()) << i;
    EXPECT_EQ(u.panelsShown(), 0) << i;
  }
  EXPECT_EQ(run(u), (std::vector<int>{10, 20, 30, 40, 45}));
  EXPECT_TRUE(u.done());
  EXPECT_EQ(u.panelsShown(), 3);
  EXPECT_FALSE(u.tick());  // the timer has stopped
}

TEST(ListUnroll, StopsOnceTallerThanFourSeventhsOfTheMainWindow) {
  ListUnroll u;
  u.start(1000, 600, 5);
  const std::vector<int> heights = run(u);
  // 4/7 of 600 is 342.86: 350 is the first height above it.
  ASSERT_FALSE(heights.empty());
  EXPECT_EQ(heights.back(), 350);
  EXPECT_EQ(u.panelsShown(), 5);
}

TEST(ListUnroll, RestartingHidesItAgain) {
  ListUnroll u;
  u.start(30, 600, 2);
  run(u);
  u.start(30, 600, 4);
  EXPECT_FALSE(u.done());
  EXPECT_EQ(u.panelsShown(), 0);
  EXPECT_TRUE(u.tick());
  EXPECT_FALSE(u.visible());
}

TEST(ListUnroll, TitleBarButtonsPlaceItAndItNeverOutgrowsItsPicture) {
  const ScreenScale s{1.6, 4.0 / 3.0, 4.0 / 3.0};  // 1280x800
  struct Row {
    ListButton button;
    int fullHeight;
    ListPlace place;
  };
  const Row rows[] = {
      {ListButton::Minimise, 1000, {493, 253}},  // 370 and 190 scaled
      {ListButton::Maximise, 1000, {33, 700}},   // 7/8 of 800
      {ListButton::Restore, 1000, {33, 20}},     // the title bar alone
      {ListButton::Maximise, 153, {33, 153}},   {ListButton::Minimise, 153, {493, 153}},
  };
  for (const Row& r : rows) {
    const ListPlace p = listPlace(r.button, s, 800, r.fullHeight);
    EXPECT_EQ(p.top, r.place.top) << int(r.button) << " " << r.fullHeight;
    EXPECT_EQ(p.height, r.place.height) << int(r.button) << " " << r.fullHeight;
  }
}
