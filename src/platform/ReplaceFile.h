#pragma once
// Saving a file so that it is never left half-written (FileSystem::replace
// on the program's disk), and clearing what an interrupted save left.

#include <chrono>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace ispyt {

std::error_code replaceFile(const std::filesystem::path& path, std::string_view bytes);

// A save takes well under a second; a "*.new" file older than this was
// left by a program that stopped in the middle of one.
inline constexpr std::chrono::minutes kLeftoverAge{10};

// Removes the "*.new" files of `folder` last written more than `age` ago;
// returns how many.
int removeLeftoverReplacements(const std::filesystem::path& folder,
                               std::chrono::minutes age = kLeftoverAge);

}  // namespace ispyt
