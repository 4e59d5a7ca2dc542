#include <gtest/gtest.h>

#include <set>

#include "attempt/EmailInput.h"
#include "attempt/NameInput.h"
#include "attempt/RegionalData.h"
#include "attempt/RegistrationCard.h"
#include "attempt/StudentCard.h"
#include "platform/Cp1251.h"
#include "platform/SystemShell.h"

namespace ispyt {
namespace {

TEST(CardCode, DistrictLetterAndTwoSchoolDigits) {
  EXPECT_EQ(districtCode(0), 'A');
  EXPECT_EQ(districtCode(25), 'Z');
  EXPECT_EQ(schoolCode(0), "00");
  EXPECT_EQ(schoolCode(7), "07");
  EXPECT_EQ(schoolCode(12), "12");
  EXPECT_EQ(schoolCode(104), "10");
}

TEST(ClassGroup, NumberThenDashAndLetterWhenTheLetterBoxHoldsAnything) {
  EXPECT_EQ(classGroupOf("10", ""), "10");
  EXPECT_EQ(classGroupOf("10", cp1251("Б")), cp1251("10-Б"));
  EXPECT_EQ(classGroupOf("10", " "), "10- ");
  EXPECT_EQ(classGroupOf("", ""), "");
}

struct NameCase {
  const char* name;
  const char* start;  // UTF-8
  const char* keys;   // UTF-8
  const char* result;
};

class NameRules : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameRules, TypedKeysGiveTheText) {
  const NameCase& c = GetParam();
  EXPECT_EQ(cp1251ToUtf8(typeName(cp1251(c.keys), cp1251(c.start))), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameRules,
    ::testing::Values(NameCase{"CapitalAtTheStart", "", "іван", "Іван"},
                      NameCase{"CapitalAfterBlankAndDot", "", "петренко і.п.", "Петренко І.П."},
                      NameCase{"UkrainianLettersAtWordStart", "", "є ї ґ", "Є Ї Ґ"},
                      NameCase{"OnlyWordStartsChange", "", "оЛЯ", "ОЛЯ"},
                      NameCase{"LatinStaysAsTyped", "", "ann", "ann"},
                      NameCase{"NoSeparatorAtTheStart", "", " .ія", "Ія"},
                      NameCase{"SecondBlankRefused", "", "іван  петро", "Іван Петро"},
                      NameCase{"BlankRefusedOnceTwoSeparatorsTouch", "", "коваль о. п. б",
                               "Коваль О. П.Б"},
                      NameCase{"DotAfterBlankAllowed", "", "а .", "А ."},
                      NameCase{"EnterRefused", "", "ол\rя", "Оля"},
                      NameCase{"TwentyFourthCharacterRefused", "", "абвгдежзийклмнопрстуфхцч",
                               "Абвгдежзийклмнопрстуфхц"},
                      NameCase{"BackspaceAlwaysWorks", "Абвгдежзийклмнопрстуфхц", "\bю",
                               "Абвгдежзийклмнопрстуфхю"},
                      NameCase{"BackspaceThenWordStartAgain", "", "ів\b\bі", "І"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NameRules, InsertionInTheMiddleLooksAtTheCharacterBeforeTheCursor) {
  NameField field{cp1251("Іван"), 0};
  EXPECT_FALSE(typeNameKey(field, ' '));  // no separator at the start
  field.cursor = 4;
  EXPECT_TRUE(typeNameKey(field, ' '));
  field.cursor = 4;
  EXPECT_FALSE(typeNameKey(field, ' '));  // would put two blanks together
  field.cursor = 5;
  EXPECT_TRUE(typeNameKey(field, cp1251("п")[0]));
  EXPECT_EQ(field.text, cp1251("Іван П"));
  EXPECT_EQ(field.cursor, 6u);
}

TEST(EmailInput, RefusesBlanksAtSignAndEnter) {
  EXPECT_FALSE(emailKeyAccepted(' '));
  EXPECT_FALSE(emailKeyAccepted('@'));
  EXPECT_FALSE(emailKeyAccepted('\r'));
  EXPECT_TRUE(emailKeyAccepted('\b'));
  EXPECT_TRUE(emailKeyAccepted('a'));
  EXPECT_TRUE(emailKeyAccepted('.'));
}

TEST(EmailInput, FontShrinksOnWrapAndGrowsBackToTheScaledSize) {
  const double scaleY = 1.5;  // full size 15
  EXPECT_EQ(emailFullFont(scaleY), 15);
  EXPECT_EQ(emailFontAfterEdit(15, 2, false, scaleY), 13);
  EXPECT_EQ(emailFontAfterEdit(13, 1, false, scaleY), 13);
  EXPECT_EQ(emailFontAfterEdit(13, 1, true, scaleY), 14);
  EXPECT_EQ(emailFontAfterEdit(15, 1, true, scaleY), 15);
  EXPECT_EQ(emailFontAfterEdit(7, 2, false, scaleY), kEmailSmallestFont);
}

TEST(RegionalData, TwentySixDistrictsEachWithItsSchools) {
  const std::vector<std::string>& districts = regionDistricts();
  ASSERT_EQ(districts.size(), 26u);
  EXPECT_EQ(std::set<std::string>(districts.begin(), districts.end()).size(), 26u);
  std::size_t groupLines = 0;
  for (const std::string& d : districts) {
    std::vector<std::string> schools = schoolsOf(d);
    EXPECT_GE(schools.size(), 5u) << cp1251ToUtf8(d);
    EXPECT_LE(schools.size(), 100u) << cp1251ToUtf8(d);  // two code digits
    groupLines += schools.size() + 2;
  }
  // Every line of the companion list belongs to one district's group.
  EXPECT_EQ(groupLines, regionSchoolGroups().size());
  EXPECT_TRUE(schoolsOf("").empty());
  EXPECT_TRUE(schoolsOf(cp1251("Невідомий р-н")).empty());
}

TEST(RegistrationCard, ChoicesFillTheCodeAndOpenTheNextField) {
  StudentCard student;
  RegistrationCard card(student);
  EXPECT_EQ(student.cardCode, "MON");
  EXPECT_FALSE(card.schoolListOpen());

  card.chooseDistrict(1);
  EXPECT_EQ(student.district, regionDistricts()[1]);
  EXPECT_EQ(card.schools(), schoolsOf(regionDistricts()[1]));
  EXPECT_TRUE(card.schoolListOpen());
  EXPECT_FALSE(card.nameOpen());
  card.chooseSchool(7);
  EXPECT_EQ(student.cardCode, "B07");
  EXPECT_EQ(student.school, card.schools()[7]);
  EXPECT_EQ(card.schoolIndex(), 7);
  EXPECT_TRUE(card.nameOpen());

  card.chooseDistrict(0);  // a new district clears the school
  EXPECT_EQ(student.cardCode, "A07");
  EXPECT_TRUE(student.school.empty());
  EXPECT_FALSE(card.nameOpen());
  card.chooseSchool(12);
  EXPECT_EQ(student.cardCode, "A12");
  card.chooseSchool(999);  // past the list: nothing changes
  EXPECT_EQ(student.cardCode, "A12");
}

// Opening a test marks the code; a card that still shows its district
// and school must not send the mark under them.
TEST(RegistrationCard, ShowingTheCardAgainRestoresTheCodeOfItsChoices) {
  StudentCard student;
  RegistrationCard card(student);
  student.cardCode[0] = '-';
  card.show();
  EXPECT_EQ(student.cardCode, "-ON");  // nothing chosen yet: the mark stays
  card.chooseDistrict(2);
  card.chooseSchool(4);
  student.cardCode[0] = '-';
  card.show();
  EXPECT_EQ(student.cardCode, "C04");
  card.chooseDistrict(5);  // the school's digits stay until a school is chosen
  student.cardCode[0] = '-';
  card.show();
  EXPECT_EQ(student.cardCode, "F04");
}

TEST(RegistrationCard, ClassTextFollowsTheBoxes) {
  StudentCard student;
  RegistrationCard card(student);
  card.chooseClassNumber("10");
  EXPECT_EQ(student.classGroup, "10");
  card.chooseClassLetter(cp1251("Б"));
  EXPECT_EQ(student.classGroup, cp1251("10-Б"));
  card.chooseClassLetter(" ");
  EXPECT_EQ(student.classGroup, "10- ");
  EXPECT_EQ(card.letterPanel(), "");
  card.show();
  EXPECT_EQ(student.classGroup, "10- ");
}

TEST(RegistrationCard, IncompleteUntilTheNameIsTouched) {
  StudentCard student;
  student.fullName = cp1251("Попередній Учень");  // the last testee's name stays
  RegistrationCard card(student);
  EXPECT_TRUE(card.complete());  // never shown: nothing holds the attempt
  card.show();
  EXPECT_FALSE(card.complete());
  EXPECT_EQ(cp1251ToUtf8(cardPrompt()), "____Заповніть¶ _реєстраційну¶ ____картку:");
  card.nameEdited(cp1251("Оля"));
  EXPECT_TRUE(card.complete());
  EXPECT_FALSE(card.nameReady());  // three characters
  card.nameEdited(cp1251("Олег"));
  EXPECT_TRUE(card.nameReady());
  EXPECT_TRUE(card.nameKnown());

  card.show();
  card.pickName(cp1251("Бондаренко Марія Олександрівна Іванівна"));
  EXPECT_TRUE(card.complete());
  EXPECT_EQ(student.fullName.size(), std::size_t{kMaxFullName});
  card.nameEdited("");
  EXPECT_FALSE(card.nameKnown());
}

TEST(RegistrationCard, ByListOffersTheClassPupilsAndItsClass) {
  StudentCard student;
  RegistrationCard card(student);
  ClassLists lists = {{9, cp1251("А"), "", {cp1251("Антоненко Іра"), "", cp1251("Бойко Петро")}},
                      {10, cp1251("Б"), "", {cp1251("Гнатюк Ліна")}}};
  card.offerClassList(lists, "9", cp1251("А"));
  EXPECT_EQ(card.pupils(),
            (std::vector<std::string>{cp1251("Антоненко Іра"), cp1251("Бойко Петро")}));
  EXPECT_EQ(student.classGroup, cp1251("9-А"));
  card.offerClassList(lists, "11", cp1251("А"));
  EXPECT_TRUE(card.pupils().empty());
}

TEST(KeyboardIndicator, ShowsTheLayoutWithALeadingBlank) {
  EXPECT_EQ(layoutIndicator(kLayoutUkrainian), " UK");
  EXPECT_EQ(layoutIndicator(kLayoutEnglish), " EN");
  EXPECT_EQ(layoutIndicator(kLayoutRussian), " RU");
  EXPECT_EQ(layoutIndicator("00000407"), "");
  for (const std::string& choice : layoutChoices())
    EXPECT_EQ(layoutIndicator(layoutOfChoice(choice)), " " + choice);
}

}  // namespace
}  // namespace ispyt
