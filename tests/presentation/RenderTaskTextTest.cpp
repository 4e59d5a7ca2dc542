// Layout of marked-up task texts, checked position by position on a
// recording canvas.  At maxSize 20 and ample room: S = 20, cell g = 15,
// script drop G = 9, script cell 9; the first line's top is 8 for single
// rows and 20 for double rows (fractions, systems, integrals).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RecordingCanvas.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "presentation/RenderTaskText.h"
#include "presentation/TaskTextLayout.h"

namespace ispyt {
namespace {

using test::DrawnText;
using test::RecordingCanvas;
using test::RenderFixture;

struct Glyph {
  std::string bytes;  // UTF-8
  Point at;
  int size;
  Typeface face = Typeface::Courier;
};

void expectGlyphs(const RecordingCanvas& canvas, const std::vector<Glyph>& expected) {
  ASSERT_EQ(canvas.texts.size(), expected.size()) << cp1251ToUtf8(canvas.shown());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const DrawnText& t = canvas.texts[i];
    EXPECT_EQ(cp1251ToUtf8(t.bytes), expected[i].bytes) << "glyph " << i;
    EXPECT_EQ(t.at, expected[i].at)
        << "glyph " << i << " " << expected[i].bytes << " at " << t.at.x << "," << t.at.y;
    EXPECT_EQ(t.font.size, expected[i].size) << "glyph " << i;
    EXPECT_EQ(t.font.face, expected[i].face) << "glyph " << i;
  }
}

bool hasLine(const RecordingCanvas& c, Point from, Point to) {
  for (const auto& l : c.lines)
    if (l.from == from && l.to == to) return true;
  return false;
}

TEST(RenderTaskText, EmptyTextDrawsOnlyTheBackdropAtFullSize) {
  RenderFixture f;
  f.target.backdrop.answerRows = 4;
  f.target.backdrop.scaleX = 1.25;
  f.target.backdrop.scaleY = 1.5;
  int g = RenderTaskText(f.target, "", "", 300, 60, false, true, 4, kBlack, 20);
  EXPECT_EQ(g, 15);
  const RecordingCanvas& c = f.slots.canvas[4];
  EXPECT_TRUE(c.texts.empty());
  // Row 1 of four: (45*1.25, 1*130*1.5 + 55*1.5) = (56.25, 277.5), halves to even.
  EXPECT_EQ(c.images, std::vector<std::string>{"copy screen 56,278 300x60 to 0,0"});
  EXPECT_TRUE(f.slots.held[4]);
}

TEST(RenderTaskText, Backdrops) {
  struct Case {
    int slot;
    bool tile;
    int rows;
    bool completion;
    std::string image;
  } cases[] = {
      {0, false, 0, false, ""},
      {1, false, 0, false, "stretch title over 0,0 200x50"},
      {2, false, 0, false, "copy card 0,0 200x50 to 0,0"},
      {3, true, 3, false, "copy option 0,0 200x50 to 0,0"},
      {3, false, 1, true, "copy screen 45,60 200x50 to 0,0"},
      {3, false, 1, false, "copy screen 45,120 200x50 to 0,0"},
      {5, false, 7, false, "copy screen 45,196 200x50 to 0,0"},
      {5, false, 9, false, "copy screen 0,0 200x50 to 0,0"},
  };
  for (const Case& k : cases) {
    RenderFixture f;
    f.target.backdrop = {k.tile, k.rows, k.completion};
    RenderTaskText(f.target, "", "", 200, 50, false, true, k.slot, kBlack, 10);
    const auto& images = f.slots.canvas[k.slot].images;
    std::string first = images.empty() ? "" : images.front();
    EXPECT_EQ(first, k.image) << "slot " << k.slot << " rows " << k.rows;
  }
}

TEST(RenderTaskText, Scripts) {
  struct Case {
    const char* text;
    std::vector<Glyph> glyphs;
  } cases[] = {
      {"x]2[", {{"x", {15, 8}, 20}, {"2", {30, 5}, 11}}},
      {"H[2]O", {{"H", {15, 8}, 20}, {"2", {30, 20}, 11}, {"O", {39, 8}, 20}}},
      {"x]2[~[1]", {{"x", {15, 8}, 20}, {"2", {30, 5}, 11}, {"1", {30, 20}, 11}}},
      {"x]23[~[1]",
       {{"x", {15, 8}, 20}, {"2", {30, 5}, 11}, {"3", {39, 5}, 11}, {"1", {30, 20}, 11}}},
      {"[[", {{"[", {15, 8}, 20}}},
      {"a]]b", {{"a", {15, 8}, 20}, {"]", {30, 8}, 20}, {"b", {45, 8}, 20}}},
      {"¶ab", {{"a", {15, 8}, 20}, {"b", {30, 8}, 20}}},
      {"a¶b", {{"a", {15, 8}, 20}, {"b", {15, 38}, 20}}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.text);
    RenderFixture f;
    expectGlyphs(f.draw(k.text), k.glyphs);
    EXPECT_EQ(f.result, 15);
  }
}

TEST(RenderTaskText, FractionDrawsUpperOverLowerWithABar) {
  RenderFixture f;
  const RecordingCanvas& c = f.draw("{1\\2}");
  expectGlyphs(c, {{"1", {22, 5}, 20}, {"2", {22, 35}, 20}});
  ASSERT_EQ(c.lines.size(), 1u);
  EXPECT_EQ(c.lines[0].from, (Point{22, 32}));
  EXPECT_EQ(c.lines[0].to, (Point{37, 32}));
  EXPECT_EQ(c.lines[0].pen, 1);
}

TEST(RenderTaskText, FractionCentresTheShorterPart) {
  RenderFixture f;
  const RecordingCanvas& c = f.draw("{x+1\\2}=y");
  expectGlyphs(c, {{"x", {22, 5}, 20},
                   {"+", {37, 5}, 20},
                   {"1", {52, 5}, 20},
                   {"2", {37, 35}, 20},
                   {"=", {74, 20}, 20},
                   {"y", {89, 20}, 20}});
  EXPECT_TRUE(hasLine(c, {22, 32}, {67, 32}));
}

TEST(RenderTaskText, LongerLowerPartStaysInlineBelow) {
  RenderFixture f;
  const RecordingCanvas& c = f.draw("{1\\x+1}");
  // The upper part is set aside and centred over the lower one.
  expectGlyphs(c,
               {{"x", {22, 35}, 20}, {"+", {37, 35}, 20}, {"1", {52, 35}, 20}, {"1", {37, 5}, 20}});
}

TEST(RenderTaskText, ArrowsUnderAReactionCondition) {
  RenderFixture f;
  const RecordingCanvas& arrow = f.draw("{t\\ }");
  expectGlyphs(arrow, {{"t", {22, 5}, 20}});
  EXPECT_EQ(arrow.lines.size(), 3u);
  EXPECT_TRUE(hasLine(arrow, {22, 32}, {37, 32}));
  EXPECT_TRUE(hasLine(arrow, {37, 32}, {32, 29}));
  EXPECT_TRUE(hasLine(arrow, {37, 32}, {32, 35}));

  RenderFixture d;
  const RecordingCanvas& both = d.draw("{t\\=}");
  expectGlyphs(both, {{"t", {22, 5}, 20}});  // the "=" is not printed
  EXPECT_EQ(both.lines.size(), 6u);
  EXPECT_TRUE(hasLine(both, {22, 32}, {37, 32}));
  EXPECT_TRUE(hasLine(both, {37, 38}, {22, 38}));
  EXPECT_TRUE(hasLine(both, {22, 38}, {27, 41}));
  EXPECT_TRUE(hasLine(both, {22, 38}, {27, 35}));
}

TEST(RenderTaskText, SystemDrawsTwoRowsWithALeftBrace) {
  RenderFixture f;
  const RecordingCanvas& c = f.draw("{x+y=1^x-y=3}");
  ASSERT_EQ(c.texts.size(), 10u);
  EXPECT_EQ(c.texts[0].at, (Point{22, 5}));
  EXPECT_EQ(c.texts[5].at, (Point{22, 35}));  // not centred
  EXPECT_EQ(c.shown(), "x+y=1x-y=3");
  EXPECT_EQ(c.lines.size(), 2u);
  EXPECT_TRUE(hasLine(c, {19, 15}, {19, 30}));
  EXPECT_TRUE(hasLine(c, {19, 40}, {19, 56}));
  // Four quarter circles of radius 5, a point per 1/5 radian.
  ASSERT_EQ(c.points.size(), 32u);
  EXPECT_EQ(c.points.front(), (Point{19, 15}));  // (24 - 5, 15) at 180 degrees
  EXPECT_EQ(c.points[7], (Point{23, 10}));       // 7/5 radian on: near the top
  EXPECT_EQ(c.pointSize, 1);

  RenderFixture two;
  const RecordingCanvas& both = two.draw("{a^b} {c^d}");
  EXPECT_EQ(both.lines.size(), 4u);
  EXPECT_EQ(both.points.size(), 64u);
  EXPECT_EQ(both.shown(), "abcd");
}

TEST(RenderTaskText, Roots) {
  RenderFixture f;
  const RecordingCanvas& square = f.draw("#2x#");
  expectGlyphs(square, {{"x", {45, 8}, 20}});
  ASSERT_EQ(square.lines.size(), 4u);
  EXPECT_EQ(square.lines[0].from, (Point{25, 22}));
  EXPECT_EQ(square.lines[1].from, (Point{30, 20}));
  EXPECT_EQ(square.lines[2].from, (Point{35, 30}));
  EXPECT_EQ(square.lines[3].from, (Point{41, 7}));
  EXPECT_EQ(square.lines[3].to, (Point{59, 7}));

  RenderFixture c;
  expectGlyphs(c.draw("#3x#"), {{"3", {22, 3}, 12}, {"x", {45, 8}, 20}});
  EXPECT_EQ(c.slots.canvas[0].lines.size(), 4u);
}

TEST(RenderTaskText, SymbolEscapes) {
  struct Case {
    const char* text;
    Glyph glyph;
  } cases[] = {
      {"`a", {"a", {15, 6}, 18, Typeface::Symbol}},   // α: size g + 3, raised g/6
      {"`з", {"Ј", {15, 12}, 14, Typeface::Symbol}},  // code 0xA3 (Ј here): ≤ in the symbol face
      {"`г", {"ґ", {15, 8}, 20}},                     // ґ in the text face
      {"`Г", {"Ґ", {15, 8}, 20}},
      {"`D", {"D", {15, 12}, 14, Typeface::Symbol}},  // Δ
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.text);
    RenderFixture f;
    expectGlyphs(f.draw(k.text), {k.glyph});
  }
}

TEST(RenderTaskText, ComparisonsGetTheirBarEvenAtTheEnd) {
  RenderFixture f;
  const RecordingCanvas& c = f.draw("x>=1, y<=");
  EXPECT_EQ(c.shown(), "x>1,y<");
  ASSERT_EQ(c.lines.size(), 2u);
  EXPECT_TRUE(hasLine(c, {32, 30}, {44, 30}));    // under ">" at 30
  EXPECT_TRUE(hasLine(c, {107, 30}, {119, 30}));  // under the last "<" at 105
}

TEST(RenderTaskText, WordStylesAndMarks) {
  RenderFixture f;
  const RecordingCanvas& c = f.draw("¤ab cd џe_f ўg");
  ASSERT_EQ(c.texts.size(), 7u);
  EXPECT_TRUE(c.texts[0].font.bold && c.texts[1].font.bold);
  EXPECT_FALSE(c.texts[2].font.bold);
  EXPECT_TRUE(c.texts[4].font.italic);
  EXPECT_FALSE(c.texts[5].font.italic);  // "_" ends the word style
  EXPECT_TRUE(c.texts[6].font.underline);
  EXPECT_EQ(c.texts[0].at, (Point{15, 8}));  // the marks take no cell

  RenderFixture b;
  const RecordingCanvas& bold = b.draw("¤a b", 400, 100, 20, true);
  EXPECT_TRUE(bold.texts[0].font.bold && bold.texts[0].font.italic);
  EXPECT_TRUE(bold.texts[1].font.bold && !bold.texts[1].font.italic);

  RenderFixture m;
  const RecordingCanvas& marks = m.draw("Ўa™bcќd");
  EXPECT_EQ(marks.shown(), "abcd");
  EXPECT_TRUE(hasLine(marks, {15, 10}, {30, 10}));  // overline over a
  ASSERT_EQ(marks.arcs.size(), 1u);                 // arc over b and c
  EXPECT_EQ(marks.arcs[0].bounds, (Rect{33, 8, 24, 15}));
  EXPECT_EQ(marks.arcs[0].start, (Point{57, 13}));
  EXPECT_EQ(marks.arcs[0].end, (Point{33, 13}));
  EXPECT_TRUE(hasLine(marks, {67, 11}, {73, 6}));  // stroke over d at 60
}

TEST(RenderTaskText, Integral) {
  RenderFixture f;
  const RecordingCanvas& c = f.draw("$]b[~[a]x");
  // The limits stand 5g/4 further out than scripts do.
  expectGlyphs(c, {{"b", {30, -1}, 11}, {"a", {30, 50}, 11}, {"x", {39, 20}, 20}});
  EXPECT_TRUE(hasLine(c, {22, 17}, {22, 54}));
  ASSERT_EQ(c.arcs.size(), 2u);
  EXPECT_EQ(c.arcs[0].bounds, (Rect{22, 13, 8, 7}));
  EXPECT_EQ(c.arcs[1].bounds, (Rect{15, 50, 7, 7}));
}

TEST(RenderTaskText, NoBreakSpaceKeepsAWordTogether) {
  RenderFixture spaced;
  const RecordingCanvas& s = spaced.draw("aaa bbb", 120);
  EXPECT_EQ(spaced.result, 15);
  EXPECT_EQ(s.texts[3].at, (Point{15, 38}));  // wrapped at the space

  RenderFixture joined;
  const RecordingCanvas& j = joined.draw("aaa_bbb", 120);
  EXPECT_LT(joined.result, 15);  // one word too long for a line: smaller
  for (const DrawnText& t : j.texts) EXPECT_EQ(t.at.y, j.texts[0].at.y);
}

TEST(RenderTaskText, GapsReserveTheirAnswerAndRecordAnchors) {
  RenderFixture f;
  f.gaps[0].text = "ab";
  f.gaps[2].text = "xyz";
  const RecordingCanvas& c = f.draw("a‹b‹c‹d");
  EXPECT_EQ(c.shown(),
            "a\x8B"
            "b\x8B"
            "c\x8B"
            "d");
  EXPECT_EQ(f.anchors.at[0], (Point{30, 8}));
  EXPECT_EQ(f.anchors.at[1], (Point{90, 8}));
  EXPECT_EQ(f.anchors.at[2], (Point{120, 8}));
  EXPECT_EQ(c.texts.back().at, (Point{180, 8}));  // d after three reserved cells
  EXPECT_EQ(f.anchors.cellWidth, 15);
  for (int j = 0; j < kGapCount; ++j) EXPECT_EQ(f.gaps[j].inUse, j < 3) << j;
}

TEST(RenderTaskText, GapsWrapWithTheExtraLineGap) {
  RenderFixture f;
  f.draw("aaa bbb‹", 120);
  EXPECT_EQ(f.anchors.at[0], (Point{60, 44}));  // 8 + 30 + round(0.4 * 15)
}

TEST(RenderTaskText, LongWordShrinksUntilItFitsOneLine) {
  RenderFixture f;
  const RecordingCanvas& c = f.draw("abcdefghij", 100);
  EXPECT_EQ(f.result, 8);  // S = 10: 8 + 10 * 8 stays below 100 - 8
  EXPECT_EQ(c.texts[0].font.size, 10);
  EXPECT_EQ(c.texts.back().at, (Point{80, 4}));
}

TEST(RenderTaskText, ManyLinesShrink) {
  RenderFixture f;
  f.draw("a¶b¶c¶d", 400, 100);
  EXPECT_LT(f.result, 15);
  const RecordingCanvas& c = f.slots.canvas[0];
  ASSERT_EQ(c.texts.size(), 4u);
  EXPECT_LT(c.texts.back().at.y, 100);
}

TEST(RenderTaskText, MeasuringLeavesNoBitmap) {
  RenderFixture f;
  f.gaps[0].text = "12";
  int g = RenderTaskText(f.target, cp1251("x‹ y"), "", 400, 100, false, false, kMeasuringSlot,
                         kBlack, 64);
  EXPECT_EQ(g, 40);  // S = 53: at 54 two rows of 2g leave less than the first line's top
  EXPECT_FALSE(f.slots.held[kMeasuringSlot]);
  EXPECT_TRUE(f.slots.canvas[kMeasuringSlot].texts.empty());
  EXPECT_EQ(f.anchors.cellWidth, 0);  // anchors come from drawing only
  EXPECT_TRUE(f.gaps[0].inUse);
}

TEST(RenderTaskText, TitleSlotDrawsALightCopyOverItsShadow) {
  RenderFixture f;
  f.target.backdrop.colourScheme = cp1251("Морська");
  RenderTaskText(f.target, "T", "", 300, 60, false, true, kTitleSlot, kBlack, 20);
  const RecordingCanvas& c = f.slots.canvas[kTitleSlot];
  ASSERT_EQ(c.texts.size(), 2u);
  EXPECT_EQ(c.texts[0].at, (Point{15, 8}));
  EXPECT_EQ(c.texts[0].colour, kBlack);
  EXPECT_EQ(c.texts[1].at, (Point{11, 4}));
  EXPECT_EQ(c.texts[1].colour, (Rgb{240, 240, 240}));
  EXPECT_EQ(titleLightColour(cp1251("Гарбуз")), (Rgb{255, 255, 128}));
}

class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("ispyt-render-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "P3-1.bmp") << "BM";
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  std::string folderName() const { return cp1251FromPath(folder) + "/"; }
  std::filesystem::path folder;
};

TEST_F(PictureTest, ATextNamingAFileIsDrawnAsThatPicture) {
  RenderFixture f;
  int g = RenderTaskText(f.target, "p3-1.BMP", folderName(), 200, 100, false, true, 3, kBlack, 20);
  EXPECT_EQ(g, 0);
  const RecordingCanvas& c = f.slots.canvas[3];
  EXPECT_TRUE(c.transparent);
  EXPECT_EQ(c.images, std::vector<std::string>{"picture P3-1.bmp over 0,0 200x100"});
  ASSERT_EQ(c.lines.size(), 4u);  // the white frame
  EXPECT_EQ(c.lines[1].from, (Point{200, 0}));
  EXPECT_EQ(c.lines[1].to, (Point{200, 100}));
  EXPECT_EQ(c.lines[1].pen, 2);

  RenderFixture t;
  RenderTaskText(t.target, "P3-1.bmp", folderName(), 200, 100, false, true, 1, kBlack, 20);
  EXPECT_EQ(t.slots.canvas[1].images,
            (std::vector<std::string>{"stretch title over 0,0 200x100",
                                      "picture P3-1.bmp over 0,0 200x100 transparent"}));
}

TEST_F(PictureTest, OnlyPlainNamesAndOnlyWhenDrawing) {
  std::filesystem::create_directories(folder / "sub");
  std::ofstream(folder / "sub" / "x.bmp") << "BM";
  for (const char* text : {"sub/x.bmp", "sub\\x.bmp", "sub", "P3-1.bmp"}) {
    RenderFixture f;
    bool draw = std::string(text) != "P3-1.bmp";
    int g = RenderTaskText(f.target, text, folderName(), 400, 100, false, draw, 3, kBlack, 20);
    EXPECT_EQ(g, 15) << text;
  }
}

}  // namespace
}  // namespace ispyt
