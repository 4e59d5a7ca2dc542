#pragma once
// The program's keyboard layout codes as an X server knows its layouts:
// each language by its XKB name, and each name by its place (the XKB
// group) in the layouts the server is configured with, "us,ua" as the
// root window's "_XKB_RULES_NAMES" carries them.

#include <string_view>

namespace ispyt {

// "ua", "us" or "ru" for the Ukrainian, English and Russian codes; empty
// for any other code.
std::string_view xkbLayoutOf(std::string_view layoutCode);
// The program's code of an XKB layout name; empty for any other name.
std::string_view layoutCodeOfXkb(std::string_view xkbLayout);

// The layouts field of "_XKB_RULES_NAMES": the third of its strings
// (rules, model, layouts, variants, options), each ended by a NUL byte.
// Empty when the property holds fewer.
std::string_view xkbLayoutsOfRulesNames(std::string_view property);

inline constexpr int kXkbGroups = 4;

// The group (0-based) of the layout of `layoutCode` in `layouts`, or -1
// when the server has no layout of that language among its first four.
int xkbGroupOf(std::string_view layouts, std::string_view layoutCode);
// The name at `group` of `layouts`; empty past the end.
std::string_view xkbLayoutAt(std::string_view layouts, int group);

}  // namespace ispyt
