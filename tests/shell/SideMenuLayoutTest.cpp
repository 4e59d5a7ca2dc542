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

TEST(SideMenuLayout, MonitoringNeedsAMonitoringModeCode) {
  EXPECT_TRUE(offersMonitoring({"X100", "B200"}));
  EXPECT_FALSE(offersMonitoring({"X100", "Y200", "Z300", "a400"}));
  EXPECT_FALSE(offersMonitoring({}));
  auto l = layoutResultList({"X100"}, 0, 0, ScreenScale{}, kMetrics);
  EXPECT_FALSE(l.items[17].enabled);
}

}  // namespace
}  // namespace ispyt
