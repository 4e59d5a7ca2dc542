#include "platform/ReplaceFile.h"

#include <cerrno>
#include <cstdio>

#include "platform/DiskFile.h"

namespace ispyt {

std::error_code replaceFile(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary = path;
  temporary += ".new";
  std::error_code ec;
  std::FILE* file = openFile(temporary, "wb");
  if (!file) return std::error_code(errno ? errno : EIO, std::generic_category());
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  // Data on disk before the rename, so that a crash cannot leave an empty
  // file under the old name.
  written = flushToDisk(file) && written;
  int error = errno;
  written = std::fclose(file) == 0 && written;
  if (written)
    std::filesystem::rename(temporary, path, ec);
  else
    ec = std::error_code(error ? error : EIO, std::generic_category());
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
  }
  return ec;
}

}  // namespace ispyt
