#include "attempt/StudentCard.h"

#include "platform/Cp1251.h"

namespace ispyt {

const std::vector<std::string>& classNumbers() {
  static const std::vector<std::string> numbers = {"1", "2", "3", "4",  "5", "6",
                                                   "7", "8", "9", "10", "11"};
  return numbers;
}

const std::vector<std::string>& classLetters() {
  static const std::vector<std::string> letters = {cp1251("А"), cp1251("Б"), cp1251("В"),
                                                   cp1251("Г"), cp1251("Д"), " "};
  return letters;
}

char districtCode(int districtIndex) { return static_cast<char>('A' + districtIndex); }

std::string schoolCode(int schoolIndex) {
  std::string digits = std::to_string(schoolIndex < 0 ? 0 : schoolIndex);
  if (digits.size() < 2) return "0" + digits;
  return digits.substr(0, 2);
}

std::string classGroupOf(std::string_view number, std::string_view letter) {
  std::string group(number);
  if (!letter.empty()) {
    group += '-';
    group += letter;
  }
  return group;
}

}  // namespace ispyt
