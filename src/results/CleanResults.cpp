#include "results/CleanResults.h"

#include <string_view>

#include "platform/Cp1251.h"
#include "platform/DirectoryScan.h"
#include "platform/FileErrorText.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {

bool endsWithNoCase(std::string_view name, std::string_view extension) {
  return name.size() > extension.size() &&
         cp1251EqualNoCase(name.substr(name.size() - extension.size()), extension);
}

}  // namespace

CleanOutcome CleanResults(const std::filesystem::path& testFolder, FileSystem& files) {
  CleanOutcome out;
  const std::vector<std::string> names = scanEntries(testFolder, Entries::Files);
  for (std::string_view extension : {".rez", ".dm"}) {
    for (const std::string& name : names) {
      if (!endsWithNoCase(name, extension)) continue;
      if (std::error_code error = files.remove(testFolder / pathFromCp1251(name)))
        out.kept.push_back({name, error});
      else
        ++out.deleted;
    }
  }
  return out;
}

std::string cleanErrorText(const CleanOutcome& outcome) {
  if (outcome.kept.empty()) return {};
  std::string text = cp1251("Помилка");
  for (const CleanOutcome::Kept& k : outcome.kept)
    text += "\n" + k.name + ": " + fileErrorReason(k.error);
  return text;
}

}  // namespace ispyt
