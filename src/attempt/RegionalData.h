#pragma once
// The districts and towns of the region and their schools, as the card's
// lists offer them.  Two lists: the district names in the order of the
// district list (their index gives the card code's letter), and a companion
// list in which each district's group is its own name, then its schools,
// then an empty line.  Windows-1251 text.

#include <string>
#include <string_view>
#include <vector>

namespace ispyt {

inline constexpr int kDistrictCount = 26;

const std::vector<std::string>& regionDistricts();
const std::vector<std::string>& regionSchoolGroups();

// The schools of the group that starts with `district`'s own line, up to
// the next empty line; empty when no group has that name.
std::vector<std::string> schoolsOf(std::string_view district);

}  // namespace ispyt
