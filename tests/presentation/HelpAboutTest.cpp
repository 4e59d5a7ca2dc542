// The help page and the about card: where the sections stand, the
// formatting table, the colours by scheme, the pages of the about text,
// the running caption.

#include <gtest/gtest.h>

#include "platform/Cp1251.h"
#include "platform/ManualScheduler.h"
#include "presentation/AboutCard.h"
#include "presentation/CaptionMarquee.h"
#include "presentation/HelpPage.h"

using namespace ispyt;

TEST(HelpPage, EachLinkBringsItsSectionToTheTop) {
  const HelpPage& page = helpPage();
  EXPECT_GE(page.lines.size(), 280u);
  EXPECT_LE(page.lines.size(), 300u);
  for (const HelpSection& s : kHelpSections) {
    const int top = helpSectionTop(s);
    ASSERT_GE(top, 1) << s.caption;
    // The section's heading stands among the lines in view at the smallest
    // height, and the text goes on long enough to fill the tallest.
    bool heading = false;
    for (int line = top; line <= s.target[0]; ++line)
      heading = heading || page.lines[line - 1] == cp1251(s.caption);
    EXPECT_TRUE(heading) << s.caption;
    EXPECT_LE(s.target[2], static_cast<int>(page.lines.size())) << s.caption;
    // A step of 95 pixels shows 5 or 6 more lines.
    for (int step = 1; step < kHelpSteps; ++step) {
      const int more = s.target[step] - s.target[step - 1];
      EXPECT_TRUE(more == 5 || more == 6) << s.caption << " " << step;
    }
  }
  // The sections after the first start at their top lines.
  for (std::size_t i = 1; i < kHelpSections.size(); ++i)
    EXPECT_EQ(page.lines[helpSectionTop(kHelpSections[i]) - 1], cp1251(kHelpSections[i].caption));
}

TEST(HelpPage, TheFormattingTableStylesTheLinesItNames) {
  const HelpPage& page = helpPage();
  EXPECT_GE(page.formats.size(), 70u);
  for (const HelpFormat& f : page.formats) {
    EXPECT_GE(f.line, 1);
    EXPECT_LE(f.line, static_cast<int>(page.lines.size()));
    EXPECT_FALSE(page.lines[f.line - 1].empty()) << f.line;
    EXPECT_EQ(page.lines[f.line - 1][0] == '@', false) << f.line;  // the tag is gone
  }
  auto formatsOf = [&](int line) {
    std::vector<HelpFormat> out;
    for (const HelpFormat& f : page.formats)
      if (f.line == line) out.push_back(f);
    return out;
  };
  const std::vector<HelpFormat> title = formatsOf(1);
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].size, 11);
  EXPECT_EQ(title[0].style, HelpStyle::Bold);
  EXPECT_EQ(title[0].colour, (Rgb{0, 0, 128}));
  EXPECT_EQ(formatsOf(2).at(0).style, HelpStyle::Comic);
  for (int line : {3, 4}) {
    const std::vector<HelpFormat> f = formatsOf(line);
    ASSERT_EQ(f.size(), 2u) << line;
    EXPECT_EQ(f[0].colour, (Rgb{0, 96, 255}));
    EXPECT_EQ(f[1].style, HelpStyle::SignsFirst2);
    EXPECT_EQ(f[1].size, 16);
    EXPECT_EQ(f[1].colour, (Rgb{0, 192, 0}));
  }
  // Headings bold underlined navy; key names 14 characters bold green.
  for (std::size_t i = 1; i < kHelpSections.size(); ++i) {
    const std::vector<HelpFormat> f = formatsOf(helpSectionTop(kHelpSections[i]));
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].style, HelpStyle::BoldUnderline);
    EXPECT_EQ(f[0].size, 11);
  }
  int keys = 0;
  for (const HelpFormat& f : page.formats)
    if (f.style == HelpStyle::BoldFirst14) {
      ++keys;
      EXPECT_EQ(f.colour, (Rgb{0, 128, 0}));
      EXPECT_EQ(page.lines[f.line - 1].substr(0, 2), "F1") << "the first key line";
      break;
    }
  EXPECT_EQ(keys, 1);
}

TEST(HelpPage, ColoursFollowTheScheme) {
  struct Row {
    const char* scheme;
    Rgb window, text;
  };
  const Row rows[] = {
      {"Гарбуз", {255, 208, 144}, {255, 255, 192}},   {"Дощ", {225, 192, 160}, {240, 210, 210}},
      {"Прозорий", {225, 192, 160}, {240, 210, 210}}, {"Морська", {160, 200, 255}, {240, 228, 255}},
      {"Ялиця", {176, 255, 160}, {200, 255, 200}},
  };
  for (const Row& r : rows) {
    const HelpColours c = helpColours(cp1251(r.scheme));
    EXPECT_EQ(c.window, r.window) << r.scheme;
    EXPECT_EQ(c.text, r.text) << r.scheme;
  }
}

TEST(HelpPage, WindowsStandOverTheOptionArea) {
  const ScreenScale one;
  EXPECT_EQ(helpPosition({0, 0}, one, {294, 389}), (Point{30 + 384 - 147, 135}));
  EXPECT_EQ(aboutPosition({10, 20}, one, {310, 198}), (Point{10 + 30 + 384 + 45 - 155, 220}));
}

TEST(AboutCard, PagesShowFourLinesAndTheLastOneIsRedItalic) {
  const std::vector<AboutLine> first = aboutPage(1);
  ASSERT_EQ(first.size(), 4u);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(first[k].index, k);
    EXPECT_EQ(first[k].at, (Point{5, 15 + 25 * k}));
    EXPECT_EQ(first[k].colour, (Rgb{128, 0, 0}));
    EXPECT_FALSE(first[k].italic);
  }
  const std::vector<AboutLine> last = aboutPage(kAboutPages);
  EXPECT_EQ(last[0].index, 8);
  EXPECT_EQ(last[3].index, 11);
  EXPECT_EQ(last[3].at, (Point{5, 93}));
  EXPECT_EQ(last[3].colour, (Rgb{255, 0, 0}));
  EXPECT_TRUE(last[3].italic);
  EXPECT_FALSE(aboutPage(8)[3].italic);
  // Beside the picture, not over it.
  for (const AboutLine& line : aboutPage(kAboutPicturePage))
    EXPECT_GE(line.at.x, kAboutPictureAt.x + kAboutPictureWidth);
}

TEST(AboutCard, TheSchoolFromUserTxtIsWhomToAsk) {
  const AboutText plain = aboutText("1.2.3", nullptr);
  EXPECT_EQ(plain[3], cp1251("Версія 1.2.3"));
  for (const std::string& line : plain) EXPECT_FALSE(line.empty());
  const AboutContact school{cp1251("Ліцей №1"), cp1251("м. Суми")};
  const AboutText own = aboutText("1.2.3", &school);
  EXPECT_EQ(own[10], school.line1);
  EXPECT_EQ(own[11], school.line2);
  EXPECT_EQ(own[0], plain[0]);
}

TEST(AboutCard, TheSideBarTakesTheSchemesAccent) {
  EXPECT_EQ(aboutAccent(cp1251("Морська"), {1, 2, 3}), (Rgb{0, 128, 255}));
  EXPECT_EQ(aboutAccent(cp1251("Весна"), {1, 2, 3}), (Rgb{192, 255, 96}));
  EXPECT_EQ(aboutAccent(cp1251("Прозорий"), {1, 2, 3}), (Rgb{1, 2, 3}));
}

TEST(CaptionMarquee, TurnsLeftOnceATickForItsTicksThenStops) {
  ManualScheduler scheduler;
  std::vector<std::string> shown;
  CaptionMarquee m(scheduler, [&](const std::string& text) { shown.push_back(text); });
  m.start("abc ", 8);
  scheduler.advance(kMarqueeTickMs * 20);
  EXPECT_EQ(shown, (std::vector<std::string>{"abc ", "bc a", "c ab", " abc", "abc ", "bc a", "c ab",
                                             " abc", "abc "}));
  EXPECT_FALSE(m.running());
  // Each opening starts the count anew; closing stops it.
  m.start("xy", 13);
  scheduler.advance(kMarqueeTickMs);
  m.stop();
  scheduler.advance(kMarqueeTickMs * 5);
  EXPECT_EQ(shown.back(), "yx");
}
