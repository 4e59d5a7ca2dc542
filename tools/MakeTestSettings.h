#pragma once
// make-test's share in the test's settings: the "key: value" lines at the
// head of a source become the test folder's "Config.ini", written by the
// same writer as the settings dialog's "Ок".

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "content/SettingsSource.h"

namespace ispyt::tool {

class SourceSettings {
 public:
  // Takes the settings lines out of the source before the test is parsed.
  explicit SourceSettings(std::string& utf8Source);

  // Checks them for a test of `taskCount` tasks; on a fault prints
  // "SOURCE:LINE: message" and returns false.
  bool check(const std::string& sourceName, int taskCount);

  // Writes "Config.ini" into the folder when the source gives settings (a
  // source without them leaves the file alone); false after printing a fault.
  bool save(const std::filesystem::path& testFolder) const;

  static const char* help();

 private:
  std::vector<SettingsSourceLine> lines_;
  std::optional<SettingsDialogState> dialog_;
};

}  // namespace ispyt::tool
