#include "platform/FileSystem.h"

#include <cerrno>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/DiskFile.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {

std::error_code systemError(int code) { return {code ? code : EIO, std::generic_category()}; }

#if defined(_WIN32)

AppendResult appendLocked(const fs::path& path, std::string_view bytes, std::size_t block,
                          bool durable) {
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  auto lastError = [] { return std::error_code(static_cast<int>(GetLastError()), std::system_category()); };
  if (file == INVALID_HANDLE_VALUE) return {lastError(), false};
  OVERLAPPED whole{};
  AppendResult result;
  std::error_code& error = result.error;
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
    error = lastError();
  } else {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) {
      error = lastError();
    } else {
      const std::size_t tail = block ? static_cast<std::size_t>(size.QuadPart % block) : 0;
      std::string out(tail ? block - tail : 0, '\0');
      out.append(bytes);
      DWORD written = 0;
      if (!WriteFile(file, out.data(), static_cast<DWORD>(out.size()), &written, nullptr) ||
          written != out.size()) {
        error = lastError();
      } else {
        result.whole = true;
        if (durable && !FlushFileBuffers(file)) error = lastError();
      }
    }
    UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &whole);
  }
  CloseHandle(file);
  return result;
}

#else

AppendResult appendLocked(const fs::path& path, std::string_view bytes, std::size_t block,
                          bool durable) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return {systemError(errno), false};
  AppendResult result;
  std::error_code& error = result.error;
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;  // from 0 to the end, however far it grows
  int locked;
  do locked = ::fcntl(fd, F_SETLKW, &lock);
  while (locked != 0 && errno == EINTR);
  struct stat st {};
  if (locked != 0 || ::fstat(fd, &st) != 0) {
    error = systemError(errno);
  } else {
    const std::size_t tail = block ? static_cast<std::size_t>(st.st_size) % block : 0;
    std::string out(tail ? block - tail : 0, '\0');
    out.append(bytes);
    std::size_t done = 0;
    while (done < out.size()) {
      const ssize_t n = ::write(fd, out.data() + done, out.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        // What was written stays: cutting it off could cut what another
        // workstation appended since; the next writer fills the block.
        error = systemError(n < 0 ? errno : ENOSPC);
        break;
      }
      done += static_cast<std::size_t>(n);
    }
    result.whole = done == out.size();
    if (!error && durable && ::fsync(fd) != 0) error = systemError(errno);
  }
  // Closing the file lets the lock go.
  if (::close(fd) != 0 && !error) error = systemError(errno);
  return result;
}

#endif

class DiskFileSystem : public FileSystem {
 public:
  std::optional<std::string> read(const fs::path& path, std::size_t maxBytes) override {
    return readFileBytes(path, maxBytes);
  }

  std::error_code write(const fs::path& path, std::string_view bytes) override {
    errno = 0;
    std::FILE* file = openFile(path, "wb");
    if (!file) return systemError(errno);
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = flushToDisk(file) && written;
    const int error = errno;
    written = std::fclose(file) == 0 && written;
    return written ? std::error_code() : systemError(error ? error : errno);
  }

  AppendResult append(const fs::path& path, std::string_view bytes, std::size_t block,
                      bool durable) override {
    return appendLocked(path, bytes, block, durable);
  }

  std::error_code rename(const fs::path& from, const fs::path& to) override {
    std::error_code ec;
    fs::rename(from, to, ec);
    return ec;
  }

  std::error_code remove(const fs::path& path) override {
    std::error_code ec;
    fs::remove(path, ec);
    return ec;
  }

  std::error_code createDirectories(const fs::path& path) override {
    std::error_code ec;
    fs::create_directories(path, ec);
    if (!ec && !fs::is_directory(path, ec) && !ec)
      ec = std::make_error_code(std::errc::not_a_directory);
    return ec;
  }

  std::optional<std::uintmax_t> available(const fs::path& folder) override {
    std::error_code ec;
    const fs::space_info space = fs::space(folder, ec);
    if (ec || space.available == static_cast<std::uintmax_t>(-1)) return std::nullopt;
    return space.available;
  }
};

}  // namespace

std::error_code FileSystem::replace(const fs::path& path, std::string_view bytes) {
  fs::path temporary = path;
  temporary += ".new";
  std::error_code ec = write(temporary, bytes);
  // Data on disk before the rename, so that a crash cannot leave an empty
  // file under the old name.
  if (!ec) ec = rename(temporary, path);
  if (ec) remove(temporary);
  return ec;
}

FileSystem& diskFileSystem() {
  static DiskFileSystem disk;  // holds no state
  return disk;
}

}  // namespace ispyt
