#include "platform/Cp1251.h"

#include <gtest/gtest.h>

namespace ispyt {
namespace {

TEST(Cp1251, UkrainianLettersMapToTheirBytes) {
  EXPECT_EQ(cp1251("Тест"), "\xD2\xE5\xF1\xF2");
  EXPECT_EQ(cp1251("ҐЄІЇ ґєії"), "\xA5\xAA\xB2\xAF \xB4\xBA\xB3\xBF");
  EXPECT_EQ(cp1251("№ «»—"), "\xB9 \xAB\xBB\x97");
}

TEST(Cp1251, EveryByteRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
}

TEST(Cp1251, CharactersOutsideThePageBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCp1251("a\xE2\x88\x9E" "b"), "a?b");      // ∞
  EXPECT_EQ(utf8ToCp1251("x\xF0\x9F\x98\x80y"), "x?y");     // an emoji
  EXPECT_EQ(utf8ToCp1251("\xD0"), "?");                     // cut sequence
}

TEST(Cp1251, CaseMappingCoversCyrillic) {
  EXPECT_EQ(cp1251Upper(cp1251("іїєґ абв xyz ёў")), cp1251("ІЇЄҐ АБВ XYZ ЁЎ"));
  EXPECT_EQ(cp1251Lower(cp1251("Я")[0]), cp1251("я")[0]);
  EXPECT_TRUE(cp1251EqualNoCase(cp1251("Конфіг.INI"), cp1251("конфІГ.ini")));
  EXPECT_FALSE(cp1251EqualNoCase("abc", "abd"));
}

}  // namespace
}  // namespace ispyt
