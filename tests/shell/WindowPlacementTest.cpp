#include "shell/WindowPlacement.h"

#include <gtest/gtest.h>

namespace ispyt {
namespace {

TEST(WindowPlacement, FullScreenTakesTheWholeScreen) {
  auto p = placeWindow({1024, 768}, true, false);
  EXPECT_EQ(p.window, (Rect{0, 0, 1024, 768}));
  EXPECT_DOUBLE_EQ(p.scale.scaleX, 1.28);
  EXPECT_DOUBLE_EQ(p.scale.scaleY, 1.28);
  EXPECT_DOUBLE_EQ(p.scale.scaleMin, 1.28);
  EXPECT_TRUE(p.takesWholeScreen);
}

TEST(WindowPlacement, ProportionalKeepsTheAspectAndCentres) {
  auto p = placeWindow({1280, 800}, true, true);
  EXPECT_DOUBLE_EQ(p.scale.scaleX, 800.0 / 600.0);
  EXPECT_DOUBLE_EQ(p.scale.scaleY, 800.0 / 600.0);
  EXPECT_EQ(p.window, (Rect{106, 0, 1067, 800}));
  EXPECT_EQ(p.surround, SurroundForm::FrameLines);
  EXPECT_EQ(p.surroundRect, (Rect{0, 0, 1280, 800}));
  EXPECT_EQ(p.frameLineLeft, 105);
  EXPECT_EQ(p.frameLineRight, 1174);
}

TEST(WindowPlacement, AnEightHundredWideScreenIsAlwaysTaken) {
  auto p = placeWindow({800, 600}, false, false);
  EXPECT_EQ(p.window, (Rect{0, 0, 800, 600}));
  EXPECT_TRUE(p.takesWholeScreen);
  EXPECT_EQ(p.surround, SurroundForm::Hidden);
  EXPECT_DOUBLE_EQ(p.scale.scaleX, 1.0);
}

TEST(WindowPlacement, WindowedOnALargerScreenIsFramedAndCentred) {
  auto p = placeWindow({1280, 1024}, false, false);
  EXPECT_EQ(p.window, (Rect{240, 212, 800, 600}));
  EXPECT_FALSE(p.takesWholeScreen);
  EXPECT_EQ(p.surround, SurroundForm::RoundedFrame);
  EXPECT_EQ(p.surroundRect, (Rect{228, 512 - 318 - 12, 824, 636}));
  EXPECT_DOUBLE_EQ(p.scale.scaleMin, 1.0);
}

TEST(ScreenScale, RoundsHalvesToEven) {
  ScreenScale s{1.5, 1.25, 1.25};
  EXPECT_EQ(s.x(1), 2);   // 1.5
  EXPECT_EQ(s.x(3), 4);   // 4.5
  EXPECT_EQ(s.x(5), 8);   // 7.5
  EXPECT_EQ(s.y(2), 2);   // 2.5
  EXPECT_EQ(s.y(6), 8);   // 7.5
  EXPECT_EQ(s.font(12), 15);
  EXPECT_EQ(s.rect({1, 2, 3, 6}), (Rect{2, 2, 4, 8}));
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(2.5000001), 3);
}

}  // namespace
}  // namespace ispyt
