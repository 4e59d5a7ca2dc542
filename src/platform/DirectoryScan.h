#pragma once
// The entries of a folder in the order of the directory scan of the system
// the files come from: by name, case folded.  Windows-1251 names.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ispyt {

enum class Entries { Folders, Files, All };

std::vector<std::string> scanEntries(const std::filesystem::path& dir, Entries which);

// The names of the files of `dir` ending in `extension` (".bmp"; case
// ignored), without it.
std::vector<std::string> fileStems(const std::filesystem::path& dir, std::string_view extension);

}  // namespace ispyt
