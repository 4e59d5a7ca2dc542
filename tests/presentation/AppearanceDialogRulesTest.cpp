// The appearance dialog's rules: the address boxes, the result-database
// name box, the caption effect, the scheme numbers, the swatches, the
// options a screen leaves and the lists from the folders.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "presentation/AppearanceDialogRules.h"
#include "presentation/AppearanceRules.h"
#include "presentation/ColourSchemes.h"

namespace ispyt {
namespace {

TEST(AppearanceDialogRulesTest, AddressBoxesTakeThreeDigitsAndMoveOnAfterTheThird) {
  struct Row {
    const char* text;
    char key;
    bool accepted, moves;
  } rows[] = {
      {"", '1', true, false},     {"1", '9', true, false}, {"19", '2', true, true},
      {"192", '3', false, false}, {"", 'a', false, false}, {"1", ' ', false, false},
      {"192", 8, true, false},    {"", '.', false, false},
  };
  for (const Row& r : rows) {
    AddressKey k = addressKey(r.text, r.key);
    EXPECT_EQ(k.accepted, r.accepted) << r.text << " + " << int(r.key);
    EXPECT_EQ(k.moveToNext, r.moves) << r.text << " + " << int(r.key);
  }
}

TEST(AppearanceDialogRulesTest, TheDatabaseNameRefusesItsCharacters) {
  std::string refused;
  std::string passed;
  for (int c = 0; c < 256; ++c) {
    auto key = databaseNameKey(static_cast<char>(c), 0);
    (key ? passed : refused) += static_cast<char>(c);
  }
  for (int c : {0, 7, 9, 39, 34, 42, 47, 58, 60, 64, 92, 124, 32})
    EXPECT_NE(refused.find(static_cast<char>(c)), std::string::npos) << c;
  for (int c : {8, 40, 41, 43, 45, 46, 48, 57, 65, 95, 126, 0xC0, 0xFF})
    EXPECT_NE(passed.find(static_cast<char>(c)), std::string::npos) << c;
  EXPECT_EQ(databaseNameKey('\xb3', 3), 'i');  // the Cyrillic і
  EXPECT_EQ(databaseNameKey('a', 28), 'a');
  EXPECT_EQ(databaseNameKey('a', 29), std::nullopt);
  EXPECT_EQ(databaseNameKey(8, 29), char(8));
}

TEST(AppearanceDialogRulesTest, TheCaptionEffectEndsWithTheLastCharacterFirst) {
  const std::string text = tabCaptionText(AppearanceTab::Options);
  ASSERT_EQ(text, cp1251("Налашування "));
  ASSERT_EQ(text.size(), 12u);
  EXPECT_EQ(captionEffectText(text, 0), text);
  EXPECT_EQ(captionEffectText(text, 1), cp1251("алашування Н"));
  EXPECT_EQ(captionEffectText(text, kCaptionEffectSteps - 1), cp1251(" Налашування"));
  EXPECT_EQ(tabCaptionText(AppearanceTab::Lists), cp1251("Списки     "));
}

TEST(AppearanceDialogRulesTest, TransparentKeepsThePreviousSchemeNumber) {
  EXPECT_EQ(dialogSchemeNumber(cp1251("Весна"), 2), 1);
  EXPECT_EQ(dialogSchemeNumber(cp1251("Гарбуз"), 2), 7);
  EXPECT_EQ(dialogSchemeNumber(cp1251("Прозорий"), 6), 6);
  EXPECT_EQ(dialogSchemeNumber("", 4), 4);
  EXPECT_EQ(kFirstDialogScheme, 2);
}

TEST(AppearanceDialogRulesTest, SwatchesStandInTheirOrder) {
  EXPECT_EQ(swatchPosition(0), 0);
  EXPECT_EQ(swatchPosition(7), 1);
  EXPECT_EQ(swatchPosition(5), 7);
  EXPECT_EQ(swatchPosition(8), -1);
}

TEST(AppearanceDialogRulesTest, SmallOrScaledScreensLeaveFewerWindowOptions) {
  WindowOptionsAvailable small = windowOptionsAvailable(800, 1.0);
  EXPECT_FALSE(small.desktop || small.proportional || small.fullScreen);
  WindowOptionsAvailable scaled = windowOptionsAvailable(1280, 1.3333);
  EXPECT_FALSE(scaled.desktop || scaled.proportional);
  EXPECT_TRUE(scaled.fullScreen);
  WindowOptionsAvailable unscaled = windowOptionsAvailable(1280, 1.0);
  EXPECT_TRUE(unscaled.desktop && unscaled.proportional && unscaled.fullScreen);
}

TEST(AppearanceDialogRulesTest, TheDialogStandsOverTheCardArea) {
  const Point at = appearanceDialogPosition({100, 50}, ScreenScale{}, kAppearanceDialogWidth);
  EXPECT_EQ(at, (Point{100 + 45 + 200 - 150, 50 + 75}));
}

TEST(AppearanceDialogRulesTest, TheSecondHandFollowsTheClockOptions) {
  constexpr Rgb kBlue{0, 0, 255}, kCyan{0, 250, 255};
  EXPECT_EQ(secondHandColour(cp1251("Гарбуз"), true, false), kBlue);
  EXPECT_EQ(secondHandColour(cp1251("Прозорий"), true, true), kCyan);
  EXPECT_EQ(secondHandColour(cp1251("Прозорий"), false, true), kBlue);
  EXPECT_EQ(secondHandColour(cp1251("Гарбуз"), false, false), kCyan);
  EXPECT_FALSE(colourSchemeOf("nonsense").textured);
  EXPECT_EQ(colourSchemeOf("nonsense").window, (Rgb{200, 192, 176}));
}

TEST(AppearanceDialogRulesTest, UnknownEffectsAreNoneAndSomeHideTheCardFrame) {
  EXPECT_EQ(settledEffect(cp1251("Поява")), cp1251("Поява"));
  EXPECT_EQ(settledEffect("x"), cp1251("Нема"));
  EXPECT_FALSE(cardFrameDrawn(cp1251("Поява"), cp1251("Прозорий")));
  EXPECT_TRUE(cardFrameDrawn(cp1251("Відрив"), cp1251("Прозорий")));
  EXPECT_TRUE(cardFrameDrawn(cp1251("Поява"), cp1251("Пергамент")));
}

TEST(AppearanceDialogRulesTest, BackgroundListsComeFromTheFolders) {
  const fs::path root = fs::temp_directory_path() / "ispyt-appearance-lists";
  fs::remove_all(root);
  fs::create_directories(root / "decor" / "fon1");
  fs::create_directories(root / "decor" / "Fon2");
  for (const char* name : {"Sea.BMP", "autumn.bmp", "notes.txt"})
    std::ofstream(root / "decor" / "fon1" / name) << "x";
  EXPECT_EQ(programBackgroundChoices(root),
            (std::vector<std::string>{"autumn", "Sea", cp1251("Градієнт"), cp1251("Накат"),
                                      cp1251("Прозорий")}));
  EXPECT_EQ(cardBackgroundChoices(root),
            (std::vector<std::string>{cp1251("Прозорий"), cp1251("Пергамент")}));
  fs::remove_all(root);
}

}  // namespace
}  // namespace ispyt
