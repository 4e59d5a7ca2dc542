#include "content/TestSets.h"

#include <algorithm>
#include <system_error>

#include "platform/Cp1251.h"
#include "platform/Paths.h"

namespace ispyt {

std::vector<std::string> scanSubfolders(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_directory(typeError)) continue;
    std::string name = cp1251FromPath(it->path().filename());
    if (name.empty() || name[0] == '.') continue;
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    std::string ua = cp1251Upper(a), ub = cp1251Upper(b);
    auto la = reinterpret_cast<const unsigned char*>(ua.data());
    auto lb = reinterpret_cast<const unsigned char*>(ub.data());
    return std::lexicographical_compare(la, la + ua.size(), lb, lb + ub.size());
  });
  return names;
}

std::string lastTestSet(const std::filesystem::path& baseFolder) {
  auto sets = scanSubfolders(baseFolder);
  return sets.empty() ? std::string() : sets.back();
}

}  // namespace ispyt
