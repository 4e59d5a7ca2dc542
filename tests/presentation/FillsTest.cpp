#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "presentation/Fills.h"

namespace ispyt {
namespace {

Picture filled(int w, int h, Fill f, std::uint64_t seed = 7) {
  Picture p({w, h});
  Random random(seed);
  fillPicture(p, f, random);
  return p;
}

Rgb at(const Picture& p, int x, int y) { return rgbOf(p.at(x, y)); }

TEST(Fills, PlainGradientRunsFromTheFirstColourToNearlyTheSecond) {
  const Picture p = filled(4, 10, gradient({200, 100, 0}, {0, 200, 255}));
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(at(p, x, 0), (Rgb{200, 100, 0}));
    // c1 - (c1 - c2) * 9 / 10, truncated: the last row stops short of c2.
    EXPECT_EQ(at(p, x, 9), (Rgb{20, 190, 229}));
  }
}

struct Known {
  int x, y;
  int r, g, b;  // -1: not fixed (noise)
};

void expectKnown(const Picture& p, std::initializer_list<Known> points, const char* what) {
  for (const Known& k : points) {
    const Rgb c = at(p, k.x, k.y);
    if (k.r >= 0) {
      EXPECT_EQ(c.r, k.r) << what << " at " << k.x << "," << k.y;
    }
    if (k.g >= 0) {
      EXPECT_EQ(c.g, k.g) << what << " at " << k.x << "," << k.y;
    }
    if (k.b >= 0) {
      EXPECT_EQ(c.b, k.b) << what << " at " << k.x << "," << k.y;
    }
  }
}

TEST(Fills, PatternsAtKnownPixelsWrapAsBytes) {
  // 1: red up to 128 at a quarter of the width, down through the wrap to
  // 0 at the half, and again; blue 255.
  expectKnown(filled(100, 4, pattern(1)),
              {{0, 0, 0, -1, 255},
               {25, 1, 128, -1, 255},
               {26, 1, 123, -1, 255},
               {50, 2, 0, -1, 255},
               {51, 2, 5, -1, 255},
               {75, 3, 128, -1, 255},
               {76, 3, 123, -1, 255},
               {99, 0, 6, -1, 255}},
              "pattern 1");
  // 2: red and green run down the rows as a gradient.
  expectKnown(filled(5, 10, pattern(2, {255, 128, 0}, {255, 255, 128})),
              {{0, 0, 255, 128, -1}, {4, 5, 255, 191, -1}, {2, 9, 255, 242, -1}}, "pattern 2");
  // 3: green 255, blue rising with the row against the longer side.
  expectKnown(filled(20, 100, pattern(3)),
              {{0, 0, -1, 255, 0}, {3, 50, -1, 255, 127}, {19, 99, -1, 255, 252}}, "pattern 3");
  // 4: red rises to the middle row, is 255 within five rows of it, then
  // falls back through the wrap.
  expectKnown(filled(10, 100, pattern(4)),
              {{0, 0, 0, -1, 255},
               {0, 44, 224, -1, 255},
               {0, 45, 255, -1, 255},
               {0, 55, 255, -1, 255},
               {0, 56, 227, -1, 255},
               {9, 99, 8, -1, 255}},
              "pattern 4");
  // 5: red falls across the columns, green down the rows, blue -(r/4)
  // from row 3: 255 falling.
  expectKnown(filled(10, 40, pattern(5, {255, 160, 200}, {200, 255, 160})),
              {{0, 0, 255, 160, 0},
               {5, 2, 128, -1, 0},
               {0, 3, -1, -1, 0},
               {0, 4, -1, 169, 255},
               {9, 39, 26, -1, 247}},
              "pattern 5");
  // 6: red and blue step by the column over the height, wrapping.
  expectKnown(filled(10, 5, pattern(6, {255, 0, 100}, {0, 0, 200})),
              {{0, 0, 255, 0, 100}, {7, 0, 154, 0, 240}, {9, 4, 52, 0, 24}}, "pattern 6");
  // 7: green rises to 255 in the middle column; past it the wrap would
  // leave a near-black seam, made 254.
  expectKnown(filled(600, 2, pattern(7)),
              {{0, 0, 255, 0, 255},
               {100, 0, 255, 85, 255},
               {300, 1, 255, 255, 255},
               {301, 1, 255, 254, 255},
               {310, 0, 255, 249, 255},
               {599, 0, 255, 3, 255}},
              "pattern 7");
}

TEST(Fills, NoiseStaysInItsRangeAndFollowsTheSeed) {
  const Picture one = filled(50, 30, pattern(4), 11);
  EXPECT_EQ(one, filled(50, 30, pattern(4), 11));
  EXPECT_NE(one, filled(50, 30, pattern(4), 12));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 50; ++x) {
      const Rgb c = at(one, x, y);
      ASSERT_GE(c.g, 160) << x << "," << y;
      ASSERT_LE(c.g, 254) << x << "," << y;
    }
  const Picture sea = filled(50, 30, pattern(1), 3);
  const Picture pumpkin = filled(50, 30, pattern(2, {255, 128, 0}, {255, 255, 128}), 3);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 50; ++x) {
      ASSERT_GE(at(sea, x, y).g, 100);
      ASSERT_LT(at(sea, x, y).g, 160);
      ASSERT_LT(at(pumpkin, x, y).b, 60);
    }
}

TEST(Pictures, ReduceByThreeAveragesEachBlock) {
  Picture big({6, 3}, pixelOf({9, 0, 0}));
  big.set(0, 0, pixelOf({18, 90, 255}));  // one pixel of the first block
  const Picture small = reduceByThree(big);
  ASSERT_EQ(small.size(), (Size{2, 1}));
  EXPECT_EQ(rgbOf(small.at(0, 0)), (Rgb{10, 10, 28}));
  EXPECT_EQ(rgbOf(small.at(1, 0)), (Rgb{9, 0, 0}));
  // Full channels side by side do not spill into each other; the columns
  // and rows left over beyond whole blocks are dropped.
  Picture white({7, 4}, pixelOf({255, 255, 255}));
  white.set(6, 0, pixelOf({0, 0, 0}));
  const Picture reduced = reduceByThree(white);
  ASSERT_EQ(reduced.size(), (Size{2, 1}));
  EXPECT_EQ(rgbOf(reduced.at(0, 0)), (Rgb{255, 255, 255}));
  EXPECT_EQ(rgbOf(reduced.at(1, 0)), (Rgb{255, 255, 255}));
}

TEST(Pictures, ReduceByThreeOfNoiseIsEveryBlocksMean) {
  // Wide enough for the loops' several pixels at a time and a remainder,
  // with rows further apart than they are wide; every block its own mean.
  const int w = 3 * 37 + 2, h = 3 * 5 + 1;
  const std::size_t stride = w + 5, outStride = 40;
  std::vector<Pixel> in(stride * h);
  Random random(5);
  for (Pixel& p : in) p = Pixel(random.random(1 << 24)) | 0xFF000000u;
  std::vector<Pixel> out(outStride * (h / 3), 0);
  reduceByThree(in.data(), stride, w, h, out.data(), outStride);
  for (int y = 0; y < h / 3; ++y)
    for (int x = 0; x < w / 3; ++x) {
      int sum[3] = {0, 0, 0};
      for (int dy = 0; dy < 3; ++dy)
        for (int dx = 0; dx < 3; ++dx) {
          const Rgb c = rgbOf(in[(3 * y + dy) * stride + 3 * x + dx]);
          sum[0] += c.r, sum[1] += c.g, sum[2] += c.b;
        }
      ASSERT_EQ(rgbOf(out[y * outStride + x]), (Rgb{std::uint8_t(sum[0] / 9), std::uint8_t(sum[1] / 9), std::uint8_t(sum[2] / 9)}))
          << x << "," << y;
    }
  // Nothing is written beyond a row's width / 3 pixels.
  EXPECT_EQ(out[w / 3], 0u);
}

TEST(Fills, BandByBandIsTheWholeFill) {
  // Bands of 7 rows over 40: the last one short; the generator's next draw
  // shows that the grain took as many draws as the whole fill.
  for (int n = 0; n <= 7; ++n) {
    const Fill f = n == 0 ? gradient({200, 100, 0}, {0, 200, 255}) : pattern(n);
    Random whole(11), banded(11);
    Picture p({30, 40});
    fillPicture(p, f, whole);
    FillRows rows(f, {30, 40}, banded);
    for (int first = 0; first < 40; first += 7) {
      Picture band({30, std::min(7, 40 - first)});
      rows.write(band, first);
      for (int y = 0; y < band.height(); ++y)
        for (int x = 0; x < 30; ++x)
          ASSERT_EQ(band.at(x, y), p.at(x, first + y)) << "pattern " << n << " at " << x << ","
                                                       << first + y;
    }
    EXPECT_EQ(banded.random(1 << 30), whole.random(1 << 30)) << "pattern " << n;
  }
}

TEST(Pictures, CopiesAreClippedToBothPictures) {
  Picture target({4, 4}, 1);
  Picture source({3, 3}, 2);
  target.copy(source, {1, 0, 3, 3}, {2, 2});  // two columns and two rows land
  EXPECT_EQ(target.at(2, 2), 2u);
  EXPECT_EQ(target.at(3, 3), 2u);
  EXPECT_EQ(target.at(1, 2), 1u);
  Picture line({3, 1}, 1);
  line.copy(source, {-1, 0, 3, 1}, {0, 0});  // the column left of the source is none
  EXPECT_EQ(line.at(0, 0), 1u);
  EXPECT_EQ(line.at(1, 0), 2u);
  EXPECT_EQ(line.at(2, 0), 2u);
  Picture keyed({2, 1}, 5);
  keyed.set(1, 0, 9);
  target.copyKeyed(keyed, keyed.rect(), {0, 0}, 9);
  EXPECT_EQ(target.at(0, 0), 5u);
  EXPECT_EQ(target.at(1, 0), 1u);
}

TEST(Pictures, ACopyIsChangedApartFromItsOriginalHoweverItIsChanged) {
  const Picture original({3, 2}, 7);
  const Pixel* pixels = original.row(0);
  // Every way of writing a picture, each on a fresh copy.
  const std::function<void(Picture&)> writes[] = {
      [](Picture& p) { p.set(2, 1, 1); },
      [](Picture& p) { p.row(1)[2] = 1; },
      [](Picture& p) { p.fill(1); },
      [](Picture& p) { p.fill({2, 1, 1, 1}, 1); },
      [](Picture& p) { p.copy(Picture({1, 1}, 1), {2, 1}); },
      [](Picture& p) { p.copyKeyed(Picture({1, 1}, 1), {0, 0, 1, 1}, {2, 1}, 0); },
  };
  for (std::size_t i = 0; i < std::size(writes); ++i) {
    Picture copy = original;
    writes[i](copy);
    EXPECT_EQ(copy.at(2, 1), 1u) << "write " << i;
    EXPECT_EQ(original.at(2, 1), 7u) << "write " << i;
    EXPECT_EQ(original.row(0), pixels) << "write " << i;
    EXPECT_NE(copy, original) << "write " << i;
  }
  // A copy not written to is equal and costs nothing more.
  const Picture kept = original;
  EXPECT_EQ(kept, original);
  EXPECT_EQ(kept.row(0), pixels);
  EXPECT_EQ(Picture({3, 2}, 7), original);
  EXPECT_NE(Picture({2, 3}, 7), original);
  EXPECT_EQ(Picture(), Picture({0, 5}));
}

}  // namespace
}  // namespace ispyt
