#pragma once
// "user.txt" in the base folder: the two title lines of the school or
// publisher that the title card and the surround window show.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ispyt {

struct UserTitle {
  std::string line1;  // Windows-1251
  std::string line2;
  bool found = false;  // the file existed (the about text then changes too)
};

UserTitle parseUserTitle(std::string_view bytes);
// A missing or unreadable file gives empty lines and found = false.
UserTitle readUserTitle(const std::filesystem::path& baseFolder);

}  // namespace ispyt
