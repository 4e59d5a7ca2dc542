// The program's layout codes found among the layouts an X server is
// configured with.

#include <gtest/gtest.h>

#include <string>

#include "platform/SystemShell.h"
#include "platform/XkbLayouts.h"

namespace ispyt {
namespace {

TEST(XkbLayouts, EachCodeIsFoundAtItsPlaceAmongTheConfiguredLayouts) {
  const struct {
    const char* layouts;
    std::string_view code;
    int group;
  } cases[] = {
      {"us,ua", kLayoutUkrainian, 1},
      {"us,ua", kLayoutEnglish, 0},
      {"us,ua", kLayoutRussian, -1},
      {"us", kLayoutUkrainian, -1},
      {"ua, us ,ru", kLayoutRussian, 2},
      {"ua", kLayoutUkrainian, 0},
      {"", kLayoutEnglish, -1},
      {"us,ua", "00000415", -1},  // a code the program never switches to
      {"gb,ua", kLayoutEnglish, -1},
      // A keyboard map has four groups: a fifth layout is never reached.
      {"de,fr,pl,us,ua", kLayoutUkrainian, -1},
      {"de,fr,pl,ua", kLayoutUkrainian, 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(xkbGroupOf(c.layouts, c.code), c.group) << c.layouts << " " << c.code;
    if (c.group >= 0) {
      EXPECT_EQ(layoutCodeOfXkb(xkbLayoutAt(c.layouts, c.group)), c.code);
    }
  }
  EXPECT_EQ(xkbLayoutAt("us,ua", 2), "");
  EXPECT_EQ(xkbLayoutAt("us,ua", -1), "");
  EXPECT_EQ(layoutCodeOfXkb("de"), "");
}

TEST(XkbLayouts, TheLayoutsAreTheThirdOfTheRulesNames) {
  using namespace std::string_literals;
  EXPECT_EQ(xkbLayoutsOfRulesNames("evdev\0pc105\0us,ua\0,\0grp:alt_shift_toggle\0"s), "us,ua");
  EXPECT_EQ(xkbLayoutsOfRulesNames("evdev\0pc105\0us"s), "us");
  EXPECT_EQ(xkbLayoutsOfRulesNames("evdev\0pc105"s), "");
  EXPECT_EQ(xkbLayoutsOfRulesNames(""), "");
}

}  // namespace
}  // namespace ispyt
