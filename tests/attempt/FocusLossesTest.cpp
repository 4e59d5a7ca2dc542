// The station's losses of the pupil during an attempt: one loss for each
// time it went from holding both the focus and the pointer to missing
// either, with its moments, and no more listed than the file keeps.

#include <gtest/gtest.h>

#include "attempt/FocusLosses.h"

namespace ispyt {
namespace {

TEST(FocusLosses, ALossRunsFromTheFirstThingLostToBothBeingBack) {
  FocusLosses f;
  f.observe(3, true, true);
  EXPECT_EQ(f.count(), 0);
  f.observe(10, false, true);   // another window took the focus
  f.observe(12, false, false);  // and the pointer went to another screen
  f.observe(15, true, false);   // the window is back, the pointer is not
  EXPECT_TRUE(f.away());
  f.observe(19, true, true);
  f.observe(40, true, false);  // the pointer alone, still away at the end
  ASSERT_EQ(f.count(), 2);
  ASSERT_EQ(f.listed().size(), 2u);
  EXPECT_EQ(f.listed()[0].at, 10);
  EXPECT_EQ(f.listed()[0].back, 19);
  EXPECT_EQ(f.listed()[0].kind, FocusLossKind::Window);
  EXPECT_EQ(f.listed()[1].at, 40);
  EXPECT_EQ(f.listed()[1].back, -1);
  EXPECT_EQ(f.listed()[1].kind, FocusLossKind::Pointer);
  f.clear();
  EXPECT_EQ(f.count(), 0);
  EXPECT_FALSE(f.away());
}

TEST(FocusLosses, LossesBeyondTheListAreCountedOnly) {
  FocusLosses f;
  for (int i = 0; i < kMaxListedFocusLosses + 5; ++i) {
    f.observe(2 * i, false, true);
    f.observe(2 * i + 1, true, true);
  }
  EXPECT_EQ(f.count(), kMaxListedFocusLosses + 5);
  ASSERT_EQ(f.listed().size(), static_cast<std::size_t>(kMaxListedFocusLosses));
  EXPECT_EQ(f.listed().back().back, 2 * kMaxListedFocusLosses - 1);
}

}  // namespace
}  // namespace ispyt
