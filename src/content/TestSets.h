#pragma once
// Test sets are the sub-folders of the base folder; tests are the
// sub-folders of a test set.  Names beginning with '.' are never listed.

#include <filesystem>
#include <string>
#include <vector>

namespace ispyt {

// The sub-folders of `dir` in the order of the directory scan (by name,
// case folded, as the file system the program comes from returns them);
// Windows-1251 names.
std::vector<std::string> scanSubfolders(const std::filesystem::path& dir);

// The last test set the scan of the base folder finds; empty when none.
std::string lastTestSet(const std::filesystem::path& baseFolder);

}  // namespace ispyt
