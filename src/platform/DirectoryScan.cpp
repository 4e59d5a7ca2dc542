#include "platform/DirectoryScan.h"

#include <algorithm>
#include <system_error>

#include "platform/Cp1251.h"
#include "platform/Paths.h"

namespace ispyt {

std::vector<std::string> scanEntries(const std::filesystem::path& dir, Entries which) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    bool folder = it->is_directory(typeError);
    if ((which == Entries::Folders && !folder) || (which == Entries::Files && folder)) continue;
    names.push_back(cp1251FromPath(it->path().filename()));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    std::string ua = cp1251Upper(a), ub = cp1251Upper(b);
    auto la = reinterpret_cast<const unsigned char*>(ua.data());
    auto lb = reinterpret_cast<const unsigned char*>(ub.data());
    return std::lexicographical_compare(la, la + ua.size(), lb, lb + ub.size());
  });
  return names;
}

std::vector<std::string> fileStems(const std::filesystem::path& dir, std::string_view extension) {
  std::vector<std::string> stems;
  for (const std::string& name : scanEntries(dir, Entries::Files)) {
    if (name.size() <= extension.size() ||
        !cp1251EqualNoCase(std::string_view(name).substr(name.size() - extension.size()),
                           extension))
      continue;
    stems.push_back(name.substr(0, name.size() - extension.size()));
  }
  return stems;
}

}  // namespace ispyt
