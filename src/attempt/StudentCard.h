#pragma once
// The testee's registration card: where the testee studies, the class and
// the name.  One instance lives in the workstation; its values stay from one
// attempt to the next, so the next testee changes only what differs.  Texts
// are Windows-1251 bytes.

#include <string>
#include <string_view>
#include <vector>

namespace ispyt {

inline constexpr int kMaxFullName = 23;

struct StudentCard {
  std::string district;
  std::string school;
  // 'A' + district index, then the school index as two digits.  "MON" until
  // a card is filled; opening a test puts '-' in front.
  std::string cardCode = "MON";
  std::string classNumber;  // "1" … "11", or empty
  std::string classLetter;  // "А" … "Д", " " (chosen: no letter) or empty
  std::string classGroup;   // see classGroupOf
  std::string fullName;     // at most kMaxFullName characters
};

// The choices of the class boxes.
const std::vector<std::string>& classNumbers();
const std::vector<std::string>& classLetters();  // the last one is " "

// Character 1 of the card code for a district, 0-based.
char districtCode(int districtIndex);
// Characters 2-3 for a school, 0-based: "07" for 7, "12" for 12, the first
// two digits of a larger index ("10" for 104).
std::string schoolCode(int schoolIndex);

// The class as the result files carry it: the number, then "-" and the
// letter when the letter box holds anything (a chosen blank counts).
std::string classGroupOf(std::string_view number, std::string_view letter);

}  // namespace ispyt
