#include "attempt/ClassListEditor.h"

#include <algorithm>

#include "attempt/ClassListFile.h"

namespace ispyt {

void ClassListEditor::choose(std::string_view number, std::string_view letter) {
  number_ = std::string(number);
  letter_ = std::string(letter);
  row_ = findClassList(lists_, number, letter);
  memo_ = found() ? lists_[row_].pupils : std::vector<std::string>();
}

bool ClassListEditor::save(std::string_view subGroup, const std::vector<std::string>& memoLines,
                           std::error_code& written) {
  std::optional<int> number = classNumberOf(number_);
  if (!number) return false;
  memo_ = putClassList(lists_, row_, *number, letter_, subGroup, memoLines);
  row_ = std::min(row_, lists_.size() - 1);  // a new list went to the end
  written = SaveClassLists(folder_, lists_);
  return true;
}

bool ClassListEditor::remove(std::error_code& written) {
  if (!removeClassList(lists_, row_)) return false;
  number_.clear();
  letter_.clear();
  row_ = lists_.size();
  memo_.clear();
  written = SaveClassLists(folder_, lists_);
  return true;
}

}  // namespace ispyt
