#pragma once
// The class lists of the school: for each class its number, letter,
// sub-group and pupils, in the order of the list grid (row n is index
// n - 1).  Edited on the appearance dialog's list tab, stored in
// "School.dbs"; the card offers a class's pupils when names are picked by
// list.  Windows-1251 text.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ispyt {

inline constexpr std::size_t kMaxPupilName = 40;

struct ClassList {
  int classNumber = 0;
  std::string letter;    // at most one character; " " is a chosen blank
  std::string subGroup;  // at most one character
  std::vector<std::string> pupils;

  bool operator==(const ClassList&) const = default;
};

using ClassLists = std::vector<ClassList>;

// The class number a box's text gives (blanks around it allowed), or
// nothing when it is not a number.
std::optional<int> classNumberOf(std::string_view text);

// The row of the class with this number and letter, or lists.size() (the
// empty row past the last) when there is none.  `number` is the text of the
// class box; one that is not a number matches nothing.
std::size_t findClassList(const ClassLists& lists, std::string_view number,
                          std::string_view letter);

// The pupil memo's lines as a list stores them: trailing blanks removed,
// each cut to kMaxPupilName characters; an empty line ends the list.
std::vector<std::string> pupilNames(const std::vector<std::string>& memoLines);

// Saving the list tab's row: `row` is a found row or lists.size() for a new
// one (appended).  The pupils are taken through pupilNames; returns them, to
// refill the memo.
std::vector<std::string> putClassList(ClassLists& lists, std::size_t row, int classNumber,
                                      std::string_view letter, std::string_view subGroup,
                                      const std::vector<std::string>& memoLines);

// Removes a row; the rows below move up (their numbers follow).  False when
// there is no such row.
bool removeClassList(ClassLists& lists, std::size_t row);

// The sub-group list of the dialog: each row's class number and letter.
std::vector<std::string> classListCaptions(const ClassLists& lists);

// The pupils the card offers for a class: its non-empty names, or none.
std::vector<std::string> pupilsOf(const ClassLists& lists, std::string_view number,
                                  std::string_view letter);

}  // namespace ispyt
