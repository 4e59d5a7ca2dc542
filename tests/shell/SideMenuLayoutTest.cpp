#include "shell/SideMenuLayout.h"

#include <gtest/gtest.h>

#include "platform/Cp1251.h"

namespace ispyt {
namespace {

const ItemMetrics kMetrics{[](const std::string& s) { return static_cast<int>(s.size()) * 7; },
                           16, 10};

std::vector<std::string> codes(int n) {
  std::vector<std::string> c;
  for (int i = 0; i < n; ++i) c.push_back("A" + std::to_string(100 + i));
  return c;
}

TEST(SideMenuLayout, TestListStacksTheNamesAndThenHelpAndAbout) {
  ScreenScale one;
  auto l = layoutTestList({"Alg", "", "Geometry"}, one, kMetrics);
  EXPECT_EQ(l.position, (Point{2, 23}));
  EXPECT_EQ(l.items[1].position, (Point{5, 5}));
  EXPECT_FALSE(l.items[2].visible);
  EXPECT_EQ(l.items[3].position, (Point{5, 45}));
  EXPECT_EQ(l.separatorTop, 55);
  EXPECT_EQ(l.items[21].text, cp1251("Довідка"));
  EXPECT_EQ(l.items[21].position.y, 75);
  EXPECT_EQ(l.items[22].position.y, 95);
  EXPECT_EQ(l.size.height, 27 + 95);              // round(1.7 * 16) + top
  EXPECT_EQ(l.size.width, 12 * 7 + 5 + 10);       // "Про програму" is the widest
}

TEST(SideMenuLayout, SixteenResultsPageWithTheArrow) {
  ScreenScale one;
  auto all = codes(16);
  auto first = layoutResultList(all, 0, 120, one, kMetrics);
  EXPECT_EQ(first.position, (Point{120, 21}));
  EXPECT_EQ(first.items[15].text, "A114");
  EXPECT_TRUE(first.items[18].visible);
  EXPECT_EQ(first.items[18].text, "      ---->");
  EXPECT_EQ(first.items[16].position.y, 285 + 30);
  EXPECT_EQ(first.size.height, 27 + first.items[18].position.y);

  int page = nextResultPage(0, 16);
  EXPECT_EQ(page, 1);
  auto second = layoutResultList(all, page, 120, one, kMetrics);
  EXPECT_EQ(second.items[1].text, "A115");
  EXPECT_TRUE(second.items[2].visible);
  EXPECT_EQ(second.items[2].text, "");  // blank positions stay
  EXPECT_FALSE(second.items[18].visible);
  EXPECT_EQ(nextResultPage(page, 16), 0);  // and round again
}

TEST(SideMenuLayout, AFewResultsEndTheListEarly) {
  ScreenScale one;
  auto l = layoutResultList(codes(3), 0, 0, one, kMetrics);
  EXPECT_FALSE(l.items[4].visible);
  EXPECT_EQ(l.separatorTop, 45 + 10);
  EXPECT_FALSE(l.items[18].visible);
  EXPECT_EQ(l.size.height, 27 + l.items[17].position.y);
}

TEST(SideMenuLayout, AResultThatLostTheFocusCarriesItsCountOnEveryPage) {
  ScreenScale one;
  auto all = codes(17);
  std::vector<int> losses(17, 0);
  losses[1] = 3;
  losses[16] = -1;  // a record that cannot be read
  auto first = layoutResultList(all, 0, 0, one, kMetrics, losses);
  EXPECT_EQ(first.items[1].note, "");
  EXPECT_EQ(first.items[2].note, "!3");
  EXPECT_EQ(first.items[2].text, "A101");         // the code the dispatcher gets
  EXPECT_EQ(first.size.width, 10 + 10 * 7 + 10);  // "Моніторинг" is still the widest
  auto second = layoutResultList(all, 1, 0, one, kMetrics, losses);
  EXPECT_EQ(second.items[2].note, "!?");
  // A note wider than the list widens it.
  losses[0] = 123456;
  EXPECT_EQ(layoutResultList(all, 0, 0, one, kMetrics, losses).size.width,
            10 + 13 * 7 + 10);  // "A100  !123456"
  EXPECT_EQ(focusLossNote(0), "");
}

TEST(SideMenuLayout, MonitoringNeedsAMonitoringModeCode) {
  EXPECT_TRUE(offersMonitoring({"X100", "B200"}));
  EXPECT_FALSE(offersMonitoring({"X100", "Y200", "Z300", "a400"}));
  EXPECT_FALSE(offersMonitoring({}));
  auto l = layoutResultList({"X100"}, 0, 0, ScreenScale{}, kMetrics);
  EXPECT_FALSE(l.items[17].enabled);
}

}  // namespace
}  // namespace ispyt

#include "shell/SideListFill.h"

namespace ispyt {
namespace {

TEST(SideListFill, PlainSchemesFadeFromTopToBottom) {
  Random random(1);
  auto fill = sideListFill(cp1251("Гарбуз"), 4, 10, random);
  ASSERT_EQ(fill.size(), 40u);
  EXPECT_EQ(fill[0], 0xF0C040u);                  // RGB(240,192,64) on the first row
  EXPECT_EQ(fill[5 * 4], 0xDCC460u);              // halfway: (220,196,96)
  EXPECT_EQ(fill[9 * 4 + 3], 0xCCC779u);          // row 9 of 10: (204,199,121)
}

TEST(SideListFill, PatternedSchemesFollowTheirFormulas) {
  Random random(1);
  auto sea = sideListFill(cp1251("Морська"), 8, 2, random);
  EXPECT_EQ(sea[1] >> 16, 64u);           // 512*1/8, rising
  EXPECT_EQ(sea[3] >> 16, 0x40u);         // -512*3/8 = -192, low byte 64
  auto slate = sideListFill(cp1251("Сланець"), 2, 40, random);
  EXPECT_EQ(slate[20 * 2] >> 16, 255u);   // the middle rows are full red
  for (auto p : slate) {
    int g = (p >> 8) & 0xFF;
    ASSERT_GE(g, 200);
    ASSERT_LE(g, 219);
  }
}

TEST(SideListFill, AnUnknownSchemePaintsNothing) {
  Random random(1);
  EXPECT_TRUE(sideListFill(cp1251("Прозорий"), 10, 10, random).empty());
  EXPECT_TRUE(sideListFill(cp1251("Гарбуз"), 0, 10, random).empty());
}

}  // namespace
}  // namespace ispyt
