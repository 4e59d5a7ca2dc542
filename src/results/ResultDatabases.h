#pragma once
// The result databases of "REZULT" as the appearance dialog offers them:
// listed by name, and one deleted by "Очистка файлу".

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace ispyt {

// The names of the "*.Db" files in "REZULT" (case ignored), without the
// extension, in the order of the directory scan.
std::vector<std::string> resultDatabaseNames(const std::filesystem::path& programFolder);

enum class DatabaseDeletion {
  Deleted,
  NotListed,  // no database of that name in "REZULT": nothing was touched
  Failed,     // it is there but could not be deleted
};

// Deletes "REZULT/<name>.Db" only when `name` is one of
// resultDatabaseNames: a name that is not a plain file name of that folder
// (a path, "..") never matches one, so nothing outside it is reached.
DatabaseDeletion deleteResultDatabase(const std::filesystem::path& programFolder,
                                      std::string_view name, std::error_code& error);

}  // namespace ispyt
