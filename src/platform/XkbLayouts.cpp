#include "platform/XkbLayouts.h"

#include "platform/SystemShell.h"

namespace ispyt {
namespace {

struct XkbName {
  std::string_view code;
  std::string_view xkb;
};

constexpr XkbName kNames[] = {
    {kLayoutUkrainian, "ua"},
    {kLayoutEnglish, "us"},
    {kLayoutRussian, "ru"},
};

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

std::string_view xkbLayoutOf(std::string_view layoutCode) {
  for (const XkbName& n : kNames)
    if (n.code == layoutCode) return n.xkb;
  return {};
}

std::string_view layoutCodeOfXkb(std::string_view xkbLayout) {
  for (const XkbName& n : kNames)
    if (n.xkb == xkbLayout) return n.code;
  return {};
}

std::string_view xkbLayoutsOfRulesNames(std::string_view property) {
  for (int field = 0; field < 2; ++field) {
    const std::size_t end = property.find('\0');
    if (end == std::string_view::npos) return {};
    property.remove_prefix(end + 1);
  }
  return property.substr(0, property.find('\0'));
}

std::string_view xkbLayoutAt(std::string_view layouts, int group) {
  if (group < 0) return {};
  for (int i = 0;; ++i) {
    const std::size_t comma = layouts.find(',');
    if (i == group) return trimmed(layouts.substr(0, comma));
    if (comma == std::string_view::npos) return {};
    layouts.remove_prefix(comma + 1);
  }
}

int xkbGroupOf(std::string_view layouts, std::string_view layoutCode) {
  const std::string_view wanted = xkbLayoutOf(layoutCode);
  if (wanted.empty() || layouts.empty()) return -1;
  // A keyboard map holds at most four groups: a layout listed later is
  // never switched to.
  for (int group = 0; group < kXkbGroups; ++group) {
    const std::size_t comma = layouts.find(',');
    if (trimmed(layouts.substr(0, comma)) == wanted) return group;
    if (comma == std::string_view::npos) return -1;
    layouts.remove_prefix(comma + 1);
  }
  return -1;
}

}  // namespace ispyt
