#include "results/AppendRecords.h"

#include <cerrno>
#include <cstdio>

#include "platform/DiskFile.h"

namespace ispyt {
namespace {

std::error_code lastError() { return {errno ? errno : EIO, std::generic_category()}; }

}  // namespace

std::error_code appendRecords(const std::filesystem::path& path, std::string_view bytes) {
  std::error_code ec;
  const bool existed = std::filesystem::exists(path, ec);
  const std::uintmax_t oldSize = existed ? std::filesystem::file_size(path, ec) : 0;
  if (ec) return ec;
  errno = 0;
  std::FILE* file = openFile(path, "ab");
  if (!file) return lastError();
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = flushToDisk(file) && written;
  std::error_code error = written ? std::error_code() : lastError();
  if (std::fclose(file) != 0 && !error) error = lastError();
  if (error) {
    std::error_code ignored;
    std::filesystem::resize_file(path, oldSize, ignored);
  }
  return error;
}

}  // namespace ispyt
