// The largest fitting size is searched for from the top down: a text may
// fit at a size and not at the next smaller one, and then the larger size
// is the one to draw at (a bisection over the sizes would find a smaller).

#include <gtest/gtest.h>

#include "platform/Cp1251.h"
#include "presentation/RenderTaskText.h"
#include "presentation/TaskTextLayout.h"

namespace ispyt {
namespace {

TEST(FittingSize, LargestSizeWinsWhereTheFitIsNotMonotone) {
  GapBoxes gaps;
  const MarkedText marked =
      readMarkup(cp1251("{a+b\\c} {1\\2}{1\\3}{1\\4} ] [ ~ { \\ } # $"), gaps);
  const auto fitsAt = [&](int size) { return measureLayout(marked, LayoutFrame{300, 170, size}); };
  ASSERT_TRUE(fitsAt(22));
  ASSERT_FALSE(fitsAt(21));
  EXPECT_EQ(largestFittingSize(marked, 300, 170, 43, kMinFontSize), 22);
}

}  // namespace
}  // namespace ispyt
