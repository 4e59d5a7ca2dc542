#include <gtest/gtest.h>

#include "platform/Cp1251.h"
#include "presentation/AnnouncementChoice.h"
#include "presentation/AppearanceRules.h"
#include "presentation/ClockDial.h"
#include "presentation/ColourSchemes.h"

namespace ispyt {
namespace {

TEST(ScreenAppearance, PictureWidthAndNameChooseTheBackground) {
  struct Case {
    const char* name;
    int width;
    ScreenBackground kind;
  } cases[] = {
      {"Море", 800, ScreenBackground::Stretched},  {"Море", 1024, ScreenBackground::Stretched},
      {"Море", 799, ScreenBackground::Tiled},      {"Накат", 64, ScreenBackground::Tiled},
      {"Накат", 0, ScreenBackground::Roller},      {"Прозорий", 0, ScreenBackground::Desktop},
      {"Градієнт", 0, ScreenBackground::Gradient}, {"Море", 0, ScreenBackground::Gradient},
  };
  for (const Case& c : cases)
    EXPECT_EQ(screenBackgroundOf(cp1251(c.name), c.width), c.kind) << c.name << " " << c.width;
}

TEST(ScreenAppearance, NamesThatGiveNothingAreRewritten) {
  DecorSettings d;
  d.programBackground = cp1251("Море");
  d.questionBackground = cp1251("Папір");
  d.answerBackground = cp1251("Пергамент");
  d.colourScheme = cp1251("Бузок");
  d.effect = "swirl";
  const SettledAppearance s = settleAppearance(d, 0, false, false);
  EXPECT_EQ(s.background, ScreenBackground::Gradient);
  EXPECT_EQ(d.programBackground, cp1251("Градієнт"));
  EXPECT_EQ(s.card, Backdrop::Transparent);
  EXPECT_EQ(d.questionBackground, cp1251("Прозорий"));
  EXPECT_EQ(s.options, Backdrop::Parchment);
  EXPECT_EQ(d.answerBackground, cp1251("Пергамент"));
  EXPECT_EQ(d.effect, cp1251("Нема"));
  // An unlisted scheme is the untextured "Прозорий" with its own window colour.
  EXPECT_EQ(d.colourScheme, cp1251("Прозорий"));
  EXPECT_FALSE(s.textured);
  EXPECT_EQ(colourSchemeOf(d.colourScheme).window, (Rgb{200, 192, 176}));
  EXPECT_EQ(colourSchemeOf(d.colourScheme).panels, Fill{});
}

TEST(ScreenAppearance, AFileKeepsItsNameAndATexturedSchemeItsFills) {
  DecorSettings d;
  d.programBackground = cp1251("Море");
  d.questionBackground = cp1251("Папір");
  d.colourScheme = cp1251("Гарбуз");
  const SettledAppearance s = settleAppearance(d, 640, true, false);
  EXPECT_EQ(s.background, ScreenBackground::Tiled);
  EXPECT_EQ(d.programBackground, cp1251("Море"));
  EXPECT_EQ(s.card, Backdrop::Picture);
  EXPECT_TRUE(s.textured);
  EXPECT_EQ(colourSchemeOf(d.colourScheme).panels, pattern(2, {255, 128, 0}, {255, 255, 128}));
  EXPECT_EQ(colourSchemeOf(cp1251("Ялиця")).panels, pattern(3, kPatternFirst, kPatternSecond));
}

TEST(ScreenAppearance, ATransparentCardThatAppearsHasNoFrame) {
  for (const char* effect : {"Поява", "Жалюзі", "Розчинення", "Відрив", "Нема"}) {
    DecorSettings d;
    d.questionBackground = cp1251("Прозорий");
    d.effect = cp1251(effect);
    const bool appears = std::string_view(effect) == "Поява" ||
                         std::string_view(effect) == "Жалюзі" ||
                         std::string_view(effect) == "Розчинення";
    EXPECT_EQ(settleAppearance(d, 0, false, false).cardFrame, !appears) << effect;
    d.questionBackground = cp1251("Пергамент");
    EXPECT_TRUE(settleAppearance(d, 0, false, false).cardFrame) << effect;
  }
}

TEST(ScreenAppearance, TheSecondHandGoesByTheSchemeAsReadAndTheClockOptions) {
  constexpr Rgb kBlue{0, 0, 255}, kCyan{0, 250, 255};
  struct Case {
    const char* scheme;
    bool face, colour;
    Rgb hand;
  } cases[] = {
      {"Гарбуз", true, false, kBlue},
      {"Гарбуз", true, true, kBlue},
      {"Гарбуз", false, true, kBlue},
      {"Гарбуз", false, false, kCyan},
      {"Прозорий", true, false, kCyan},
      {"Прозорий", true, true, kCyan},
      {"Прозорий", false, true, kBlue},
      {"Прозорий", false, false, kCyan},
      // An unlisted name is not yet "Прозорий" when the hand is chosen.
      {"Бузок", true, false, kBlue},
      {"Бузок", false, false, kCyan},
  };
  for (const Case& c : cases) {
    DecorSettings d;
    d.colourScheme = cp1251(c.scheme);
    d.clockBackground = c.face;
    d.clockColour = c.colour;
    EXPECT_EQ(settleAppearance(d, 0, false, false).secondHand, c.hand)
        << c.scheme << " face " << c.face << " colour " << c.colour;
  }
}

TEST(ScreenAppearance, ScriptCaptionsTakeCorsivaWhenInstalled) {
  EXPECT_EQ(scriptFont(true).family, "MonoType Corsiva");
  EXPECT_EQ(scriptFont(true).designSize, 15);
  EXPECT_EQ(scriptFont(false).family, "Calibri");
  EXPECT_EQ(scriptFont(false).designSize, 12);
}

TEST(Announcement, TheSetsPictureOnlyOnTheFirstCallWithoutTheTestsOwn) {
  AnnouncementChoice choice;
  EXPECT_EQ(choice.next(false, true), AnnouncementSource::SetPicture);
  EXPECT_EQ(choice.next(false, true), AnnouncementSource::Previous);
  EXPECT_EQ(choice.next(false, false), AnnouncementSource::Previous);
  EXPECT_EQ(choice.next(true, true), AnnouncementSource::TestPicture);
  // Right after a test's own picture: the set's, or the hatched background.
  EXPECT_EQ(choice.next(false, false), AnnouncementSource::Hatched);
  EXPECT_EQ(choice.next(false, true), AnnouncementSource::Previous);
  choice.reset();  // a new appearance
  EXPECT_EQ(choice.next(false, true), AnnouncementSource::SetPicture);
}

TEST(Clock, TheHandStepsSixDegreesASecondFromTwelve) {
  const ScreenScale unscaled;
  const ClockStep first = clockStep({100, 100}, unscaled, 1, 600, true, true);
  // Radii 6/7 of 4/5 of the half size: 240/7.
  EXPECT_NEAR(first.handEnd.x, 50, 1e-9);
  EXPECT_NEAR(first.handEnd.y, 50 - 240.0 / 7, 1e-9);
  const ClockStep quarter = clockStep({100, 80}, unscaled, 16, 600, true, true);
  EXPECT_NEAR(quarter.handEnd.x, 50 + 240.0 / 7, 1e-9);
  EXPECT_NEAR(quarter.handEnd.y, 40, 1e-9);
}

TEST(Clock, MinutesChangeAtFullMinutesAndTheLastTwoCountDown) {
  const ScreenScale s{2.0, 1.5, 1.5};
  EXPECT_EQ(clockStep({200, 150}, s, 0, 1800, true, true).minutesLeft, 30);
  EXPECT_EQ(clockStep({200, 150}, s, 59, 1800, true, true).minutesLeft, 30);
  EXPECT_EQ(clockStep({200, 150}, s, 60, 1800, true, true).minutesLeft, 29);
  EXPECT_FALSE(clockStep({200, 150}, s, 1680, 1800, true, true).countdown);  // 120 left
  const ClockStep late = clockStep({200, 150}, s, 1681, 1800, true, true);
  ASSERT_TRUE(late.countdown);
  EXPECT_EQ(late.secondsLeft, 119);
  EXPECT_EQ(late.countdownAt, (Point{46, 62}));  // (23 sx, 41 sy)
  EXPECT_EQ(late.countdownSize, 18);
  EXPECT_FALSE(late.yellowCopy);
  const ClockStep last = clockStep({200, 150}, s, 1791, 1800, true, false);
  EXPECT_EQ(last.countdownAt, (Point{58, 62}));  // fewer than 10: (29 sx, 41 sy)
  EXPECT_TRUE(last.yellowCopy);                  // untextured panels
  EXPECT_FALSE(clockStep({200, 150}, s, 1791, 1800, false, true).countdown);  // not asked
}

}  // namespace
}  // namespace ispyt
