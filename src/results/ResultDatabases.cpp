#include "results/ResultDatabases.h"

#include <algorithm>

#include "platform/DirectoryScan.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {

constexpr std::string_view kExtension = ".Db";

std::filesystem::path resultFolder(const std::filesystem::path& programFolder) {
  return locate(programFolder, "REZULT");
}

}  // namespace

std::vector<std::string> resultDatabaseNames(const std::filesystem::path& programFolder) {
  return fileStems(resultFolder(programFolder), kExtension);
}

DatabaseDeletion deleteResultDatabase(const std::filesystem::path& programFolder,
                                      std::string_view name, std::error_code& error) {
  error.clear();
  // The name is matched against the folder's own entries, never joined to
  // the folder as given.
  const std::vector<std::string> names = resultDatabaseNames(programFolder);
  if (name.empty() || std::find(names.begin(), names.end(), name) == names.end())
    return DatabaseDeletion::NotListed;
  const std::filesystem::path folder = resultFolder(programFolder);
  std::optional<std::filesystem::path> file = findEntry(folder, std::string(name) + ".Db");
  if (!file || file->parent_path() != folder) return DatabaseDeletion::NotListed;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(*file, ec)))
    return DatabaseDeletion::NotListed;
  if (!std::filesystem::remove(*file, error) || error) {
    if (!error) error = std::make_error_code(std::errc::no_such_file_or_directory);
    return DatabaseDeletion::Failed;
  }
  return DatabaseDeletion::Deleted;
}

}  // namespace ispyt
