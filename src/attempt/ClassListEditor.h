#pragma once
// The list tab of the appearance dialog: a class is chosen by its number
// and letter; the memo then shows its pupils and can be saved as its list,
// or the list deleted.  Every change is written to "School.dbs" at once.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "attempt/ClassLists.h"

namespace ispyt {

class ClassListEditor {
 public:
  ClassListEditor(std::filesystem::path programFolder, ClassLists& lists)
      : folder_(std::move(programFolder)), lists_(lists) {}

  // Looks the class up: when found its pupils fill the memo and it can be
  // saved or deleted; otherwise the memo is empty and the row is the empty
  // one past the last.
  void choose(std::string_view number, std::string_view letter);
  bool found() const { return row_ < lists_.size(); }
  std::size_t row() const { return row_; }
  const std::vector<std::string>& memo() const { return memo_; }

  // Stores the memo as the chosen class's list (see pupilNames), refills
  // the memo with what was stored and writes the file.  Refused (false, no
  // change) while the chosen number is not a number.
  bool save(std::string_view subGroup, const std::vector<std::string>& memoLines,
            std::error_code& written);

  // Deletes the chosen class's list, writes the file and clears the choice
  // and the memo; the dialog then unchecks "За списком".  False when the
  // chosen class has no list.
  bool remove(std::error_code& written);

 private:
  std::filesystem::path folder_;
  ClassLists& lists_;
  std::string number_;
  std::string letter_;
  std::size_t row_ = 0;
  std::vector<std::string> memo_;
};

}  // namespace ispyt
