#include "attempt/ClassLists.h"

#include <charconv>

namespace ispyt {
namespace {

std::string oneCharacter(std::string_view text) { return std::string(text.substr(0, 1)); }

}  // namespace

std::optional<int> classNumberOf(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::size_t findClassList(const ClassLists& lists, std::string_view number,
                          std::string_view letter) {
  std::optional<int> n = classNumberOf(number);
  if (!n) return lists.size();
  for (std::size_t row = 0; row < lists.size(); ++row)
    if (lists[row].classNumber == *n && lists[row].letter == letter) return row;
  return lists.size();
}

std::vector<std::string> pupilNames(const std::vector<std::string>& memoLines) {
  std::vector<std::string> names;
  for (const std::string& line : memoLines) {
    std::string name = line.substr(0, line.find_last_not_of(' ') + 1);
    if (name.empty()) break;
    if (name.size() > kMaxPupilName) name.resize(kMaxPupilName);
    names.push_back(std::move(name));
  }
  return names;
}

std::vector<std::string> putClassList(ClassLists& lists, std::size_t row, int classNumber,
                                      std::string_view letter, std::string_view subGroup,
                                      const std::vector<std::string>& memoLines) {
  ClassList list{classNumber, oneCharacter(letter), oneCharacter(subGroup), pupilNames(memoLines)};
  if (row < lists.size()) {
    lists[row] = std::move(list);
    return lists[row].pupils;
  }
  lists.push_back(std::move(list));
  return lists.back().pupils;
}

bool removeClassList(ClassLists& lists, std::size_t row) {
  if (row >= lists.size()) return false;
  lists.erase(lists.begin() + static_cast<std::ptrdiff_t>(row));
  return true;
}

std::vector<std::string> classListCaptions(const ClassLists& lists) {
  std::vector<std::string> captions;
  for (const ClassList& list : lists)
    captions.push_back(std::to_string(list.classNumber) + list.letter);
  return captions;
}

std::vector<std::string> pupilsOf(const ClassLists& lists, std::string_view number,
                                  std::string_view letter) {
  std::size_t row = findClassList(lists, number, letter);
  if (row == lists.size()) return {};
  std::vector<std::string> names;
  for (const std::string& name : lists[row].pupils)
    if (!name.empty()) names.push_back(name);
  return names;
}

}  // namespace ispyt
