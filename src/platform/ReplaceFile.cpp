#include "platform/ReplaceFile.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace ispyt {

std::error_code replaceFile(const fs::path& path, std::string_view bytes) {
  return diskFileSystem().replace(path, bytes);
}

int removeLeftoverReplacements(const fs::path& folder, std::chrono::minutes age) {
  const auto before = fs::file_time_type::clock::now() - age;
  int removed = 0;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code ignored;
    if (!it->is_regular_file(ignored) || it->path().extension() != ".new") continue;
    const auto written = it->last_write_time(ignored);
    if (!ignored && written < before && fs::remove(it->path(), ignored)) ++removed;
  }
  return removed;
}

}  // namespace ispyt
