#include "content/TestSets.h"

#include <algorithm>
#include <system_error>

#include "platform/Cp1251.h"
#include "platform/DirectoryScan.h"
#include "platform/Paths.h"

namespace ispyt {

std::vector<std::string> scanSubfolders(const std::filesystem::path& dir) {
  std::vector<std::string> names = scanEntries(dir, Entries::Folders);
  std::erase_if(names, [](const std::string& name) { return name.empty() || name[0] == '.'; });
  return names;
}

std::string lastTestSet(const std::filesystem::path& baseFolder) {
  auto sets = scanSubfolders(baseFolder);
  return sets.empty() ? std::string() : sets.back();
}

std::vector<std::string> testSetChoices(const std::filesystem::path& baseFolder) {
  std::vector<std::string> sets = scanSubfolders(baseFolder);
  std::erase_if(sets, [](const std::string& name) { return name.find('.') != std::string::npos; });
  return sets;
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
  for (const std::string& name : scanEntries(testFolder, Entries::All))
    names.insert(cp1251Upper(std::string_view(name).substr(0, name.find('.'))));
  return names;
}

bool NameIsFree(const std::filesystem::path& testFolder, const std::string& code) {
  return !baseNamesInUse(testFolder).contains(cp1251Upper(code));
}

StoredResults CountResults(const std::filesystem::path& testFolder) {
  StoredResults results;
  for (const std::string& name : scanEntries(testFolder, Entries::Files)) {
    if (name.size() <= 4 ||
        !cp1251EqualNoCase(std::string_view(name).substr(name.size() - 4), ".rez"))
      continue;
    if (results.count++ < kMaxListedResults) results.codes.push_back(name.substr(0, 4));
  }
  return results;
}

}  // namespace ispyt
