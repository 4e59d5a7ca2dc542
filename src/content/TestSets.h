#pragma once
// Test sets are the sub-folders of the base folder; tests are the
// sub-folders of a test set.  Names beginning with '.' are never listed.

#include <array>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace ispyt {

// The sub-folders of `dir` in the order of the directory scan (by name,
// case folded, as the file system the program comes from returns them);
// Windows-1251 names.
std::vector<std::string> scanSubfolders(const std::filesystem::path& dir);

// The last test set the scan of the base folder finds; empty when none.
std::string lastTestSet(const std::filesystem::path& baseFolder);

// The test sets the appearance dialog offers: the sub-folders of the base
// folder whose names have no extension.
std::vector<std::string> testSetChoices(const std::filesystem::path& baseFolder);

// The side list shows at most 20 tests of a set; the 21st slot stays empty.
inline constexpr int kMaxListedTests = 20;
using TestList = std::array<std::string, kMaxListedTests + 1>;

// Clears `list` and fills it with the first 20 tests of the set folder;
// returns how many.  With none, `testSetName` becomes "Нема тестів".
int ListTests(const std::filesystem::path& setFolder, TestList& list, std::string& testSetName);

// True when no entry of `testFolder` has the base name `code` (the part of
// its name before the first '.'), ignoring case and whatever its extension.
bool NameIsFree(const std::filesystem::path& testFolder, const std::string& code);
// The base names in use, upper-cased: `code` is free when cp1251Upper(code)
// is not among them.
std::set<std::string> baseNamesInUse(const std::filesystem::path& testFolder);

// The report files ("*.rez") of a test folder: how many there are, and the
// codes (first 4 characters of the name) of the first 59 the scan returns.
inline constexpr int kMaxListedResults = 59;
struct StoredResults {
  int count = 0;
  std::vector<std::string> codes;
};
StoredResults CountResults(const std::filesystem::path& testFolder);

}  // namespace ispyt
