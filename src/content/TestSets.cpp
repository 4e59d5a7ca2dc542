#include "content/TestSets.h"

#include <algorithm>
#include <system_error>

#include "platform/Cp1251.h"
#include "platform/Paths.h"

namespace ispyt {

namespace {

enum class Entries { Folders, Files, All };

// The entry names of `dir` in the order of the directory scan (by name,
// case folded, as the file system the program comes from returns them).
std::vector<std::string> scan(const std::filesystem::path& dir, Entries which) {
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

}  // namespace

std::vector<std::string> scanSubfolders(const std::filesystem::path& dir) {
  std::vector<std::string> names = scan(dir, Entries::Folders);
  std::erase_if(names, [](const std::string& name) { return name.empty() || name[0] == '.'; });
  return names;
}

std::string lastTestSet(const std::filesystem::path& baseFolder) {
  auto sets = scanSubfolders(baseFolder);
  return sets.empty() ? std::string() : sets.back();
}

int ListTests(const std::filesystem::path& setFolder, TestList& list, std::string& testSetName) {
  list.fill(std::string());
  std::vector<std::string> tests = scanSubfolders(setFolder);
  int count = std::min<int>(static_cast<int>(tests.size()), kMaxListedTests);
  std::copy_n(tests.begin(), count, list.begin());
  if (count == 0) testSetName = cp1251("Нема тестів");
  return count;
}

std::set<std::string> baseNamesInUse(const std::filesystem::path& testFolder) {
  std::set<std::string> names;
  for (const std::string& name : scan(testFolder, Entries::All))
    names.insert(cp1251Upper(std::string_view(name).substr(0, name.find('.'))));
  return names;
}

bool NameIsFree(const std::filesystem::path& testFolder, const std::string& code) {
  return !baseNamesInUse(testFolder).contains(cp1251Upper(code));
}

StoredResults CountResults(const std::filesystem::path& testFolder) {
  StoredResults results;
  for (const std::string& name : scan(testFolder, Entries::Files)) {
    if (name.size() <= 4 ||
        !cp1251EqualNoCase(std::string_view(name).substr(name.size() - 4), ".rez"))
      continue;
    if (results.count++ < kMaxListedResults) results.codes.push_back(name.substr(0, 4));
  }
  return results;
}

}  // namespace ispyt
