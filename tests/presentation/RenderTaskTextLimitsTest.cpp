// Texts beyond what the markup provides for: they still end, and draw
// something sensible.

#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "presentation/TaskTextLayout.h"

namespace ispyt {
namespace {

using test::RecordingCanvas;
using test::RenderFixture;

std::string repeat(std::string_view s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(RenderTaskTextLimits, SmallestSizeDrawsWhatItCan) {
  RenderFixture f;
  const RecordingCanvas& c = f.draw("abcdefghijklmnopqrstuvwxyz", 20, 10);
  EXPECT_EQ(f.result, cellWidth(kMinFontSize));
  EXPECT_EQ(c.texts.size(), 26u);  // broken across lines, none dropped
  EXPECT_EQ(c.texts[0].font.size, kMinFontSize);
  EXPECT_GT(c.texts.back().at.y, c.texts.front().at.y);

  for (int maxSize : {0, -7, 2}) {
    RenderFixture z;
    z.draw("x", 400, 100, maxSize);
    EXPECT_EQ(z.result, cellWidth(kMinFontSize)) << maxSize;
  }
  RenderFixture empty;
  empty.draw("x", 0, 0);
  EXPECT_EQ(empty.result, cellWidth(kMinFontSize));
}

TEST(RenderTaskTextLimits, GroupsPastTheTwentiethStayAsTyped) {
  RenderFixture f;
  const RecordingCanvas& c = f.draw(repeat("{1\\2}", 21), 2000, 200);
  EXPECT_EQ(c.lines.size(), 20u);
  EXPECT_EQ(c.shown(), repeat("12", 20) + "{1\\2}");
}

TEST(RenderTaskTextLimits, UnbalancedMarksAreOrdinaryCharacters) {
  struct Case {
    const char* text;
    const char* shown;
    std::size_t lines;
  } cases[] = {
      {"{1\\2", "{1\\2", 0},   {"1\\2}", "1\\2}", 0},
      {"{a{1\\2}", "{a12", 1},  // the outer "{" has no end of its own
      {"{12}", "{12}", 0},      // no separator: no fraction
      {"#3x", "#3x", 0},       {"#2a# #3b", "a#3b", 4},
      {"a`", "a`", 0},
  };
  for (const Case& k : cases) {
    RenderFixture f;
    const RecordingCanvas& c = f.draw(k.text);
    EXPECT_EQ(c.shown(), k.shown) << k.text;
    EXPECT_EQ(c.lines.size(), k.lines) << k.text;
  }
}

TEST(RenderTaskTextLimits, GapsPastTheTenthHaveNoBox) {
  RenderFixture f;
  for (GapBox& box : f.gaps) box.text = "x";
  const RecordingCanvas& c = f.draw(repeat("‹", 11), 2000, 100);
  // Ten gaps of two cells each, then the eleventh marker in the next cell.
  for (int j = 0; j < kGapCount; ++j) EXPECT_EQ(f.anchors.at[j].x, 15 + 30 * j) << j;
  EXPECT_EQ(c.texts.size(), 11u);
  EXPECT_EQ(c.texts.back().at.x, 15 + 30 * kGapCount);
}

TEST(RenderTaskTextLimits, EscapedLettersStayWithTheirPart) {
  RenderFixture f;
  // The upper part "`a" is set aside and drawn after the lower part.
  const RecordingCanvas& c = f.draw("{`a\\`bcd}");
  ASSERT_EQ(c.texts.size(), 4u);
  EXPECT_EQ(c.texts[0].bytes, "b");
  EXPECT_EQ(c.texts[0].font.face, Typeface::Symbol);
  EXPECT_EQ(c.texts[3].bytes, "a");
  EXPECT_EQ(c.texts[3].font.face, Typeface::Symbol);
  EXPECT_LT(c.texts[3].at.y, c.texts[0].at.y);  // α over the bar
}

TEST(RenderTaskTextLimits, NoCellMarksChainInAnyOrder) {
  for (const char* text : {"¤ўx", "ў¤x"}) {
    RenderFixture f;
    const RecordingCanvas& c = f.draw(text);
    ASSERT_EQ(c.texts.size(), 1u) << text;
    EXPECT_TRUE(c.texts[0].font.bold && c.texts[0].font.underline) << text;
    EXPECT_EQ(c.texts[0].at.x, 15) << text;
  }
}

TEST(RenderTaskTextLimits, SlotNumbersOutsideTheTableAreClamped) {
  RenderFixture f;
  EXPECT_EQ(RenderTaskText(f.target, "x", "", 100, 40, false, false, 99, kBlack, 10), 8);
  EXPECT_EQ(RenderTaskText(f.target, "x", "", 100, 40, false, true, -1, kBlack, 10), 8);
  EXPECT_TRUE(f.slots.held[0]);
}

}  // namespace
}  // namespace ispyt
