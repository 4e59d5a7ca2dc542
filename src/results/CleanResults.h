#pragma once
// "Очистка ": the stored results of a test folder deleted — its reports
// ("*.rez") and then its monitoring files ("*.dm").  Nothing else is
// touched: no other file, no sub-folder, nothing outside the folder (a
// link is removed, never what it points to).

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/FileSystem.h"

namespace ispyt {

struct CleanOutcome {
  int deleted = 0;
  struct Kept {
    std::string name;  // Windows-1251
    std::error_code error;
  };
  std::vector<Kept> kept;  // files that could not be deleted, in order
};

CleanOutcome CleanResults(const std::filesystem::path& testFolder,
                          FileSystem& files = diskFileSystem());

// The message shown for what could not be deleted: "Помилка", then each
// file with the reason (Windows-1251); empty when all went.
std::string cleanErrorText(const CleanOutcome& outcome);

}  // namespace ispyt
