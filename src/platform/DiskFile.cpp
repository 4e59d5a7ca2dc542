#include "platform/DiskFile.h"

#if defined(_WIN32)
#include <io.h>

#include <string>
#else
#include <unistd.h>
#endif

namespace ispyt {

std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
#if defined(_WIN32)
  std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(path.c_str(), wideMode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

bool flushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#if defined(_WIN32)
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

}  // namespace ispyt
