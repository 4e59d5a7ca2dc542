#include "attempt/RegistrationCard.h"

#include "attempt/RegionalData.h"
#include "platform/SystemShell.h"

namespace ispyt {
namespace {

struct LayoutName {
  std::string_view code;
  const char* name;
};
constexpr LayoutName kLayouts[] = {
    {kLayoutUkrainian, "UK"}, {kLayoutEnglish, "EN"}, {kLayoutRussian, "RU"}};

}  // namespace

std::string layoutIndicator(std::string_view layoutCode) {
  for (const LayoutName& l : kLayouts)
    if (l.code == layoutCode) return std::string(" ") + l.name;
  return std::string();
}

const std::vector<std::string>& layoutChoices() {
  static const std::vector<std::string> choices = {"UK", "EN", "RU"};
  return choices;
}

std::string_view layoutOfChoice(std::string_view choice) {
  for (const LayoutName& l : kLayouts)
    if (choice == l.name) return l.code;
  return {};
}

void RegistrationCard::show() {
  card_.classGroup = classGroupOf(card_.classNumber, card_.classLetter);
  if (!code_.empty()) card_.cardCode = code_;
  incomplete_ = true;
}

void RegistrationCard::chooseDistrict(int index) {
  const std::vector<std::string>& districts = regionDistricts();
  if (index < 0 || index >= static_cast<int>(districts.size())) return;
  card_.cardCode.resize(3, '0');
  card_.cardCode[0] = districtCode(index);
  card_.district = districts[static_cast<std::size_t>(index)];
  card_.school.clear();
  schools_ = schoolsOf(card_.district);
  schoolIndex_ = -1;
  code_ = card_.cardCode;
}

void RegistrationCard::chooseSchool(int index) {
  if (index < 0 || index >= static_cast<int>(schools_.size())) return;
  card_.cardCode.resize(3, '0');
  card_.cardCode.replace(1, 2, schoolCode(index));
  card_.school = schools_[static_cast<std::size_t>(index)];
  schoolIndex_ = index;
  code_ = card_.cardCode;
}

// The class text follows every change of the boxes, so that it never
// carries the previous testee's class.
void RegistrationCard::chooseClassNumber(std::string_view number) {
  card_.classNumber = std::string(number);
  card_.classGroup = classGroupOf(card_.classNumber, card_.classLetter);
}

void RegistrationCard::chooseClassLetter(std::string_view letter) {
  card_.classLetter = std::string(letter);
  card_.classGroup = classGroupOf(card_.classNumber, card_.classLetter);
}

std::string RegistrationCard::letterPanel() const {
  return card_.classLetter == " " ? std::string() : card_.classLetter;
}

void RegistrationCard::nameEdited(std::string_view text) {
  card_.fullName = std::string(text.substr(0, kMaxFullName));
  incomplete_ = false;
}

void RegistrationCard::pickName(std::string_view pupil) { nameEdited(pupil); }

void RegistrationCard::offerClassList(const ClassLists& lists, std::string_view number,
                                      std::string_view letter) {
  pupils_ = pupilsOf(lists, number, letter);
  chooseClassNumber(number);
  chooseClassLetter(letter);
}

}  // namespace ispyt
