#include "results/StoredReports.h"

#include <algorithm>

#include "content/TestSets.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"

namespace ispyt {

namespace {
// Far above any report of 60 tasks of 13 items.
constexpr std::size_t kMaxReportBytes = 16 * 1024 * 1024;
}  // namespace

std::vector<std::string> ListReports(const std::filesystem::path& testFolder) {
  return CountResults(testFolder).codes;
}

Parsed<Report> ReadReport(const std::filesystem::path& testFolder, const std::string& name) {
  std::string base = name;
  base.erase(std::remove(base.begin(), base.end(), '&'), base.end());
  const auto bytes = readFileBytes(locate(testFolder, base + ".Rez"), kMaxReportBytes);
  if (!bytes) return Parsed<Report>::failure(0, "cannot read the report file");
  return ReadReport(*bytes);
}

std::string reportAccessErrorText() { return cp1251("Ошибка доступа "); }

}  // namespace ispyt
