#pragma once
// Saving a file so that it is never left half-written: the bytes go to a new
// file beside it, which then takes the old one's place in one step.  When
// anything fails the old file stays as it was and the new one is removed.

#include <filesystem>
#include <string_view>
#include <system_error>

namespace ispyt {

std::error_code replaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace ispyt
