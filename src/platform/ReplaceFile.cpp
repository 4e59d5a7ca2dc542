#include "platform/ReplaceFile.h"

#include <cerrno>
#include <cstdio>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace ispyt {
namespace {

// Data on disk before the rename, so that a crash cannot leave an empty file
// under the old name.
bool flushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#if defined(_WIN32)
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

}  // namespace

std::error_code replaceFile(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temporary = path;
  temporary += ".new";
  std::error_code ec;
#if defined(_WIN32)
  std::FILE* file = _wfopen(temporary.c_str(), L"wb");
#else
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
#endif
  if (!file) return std::error_code(errno ? errno : EIO, std::generic_category());
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
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
