#pragma once
// The file calls a careful writer makes, behind one seam: the program uses
// the disk's own, and tests put in one that fails any call (or stops the
// process at it) the way a school's full disks and dropped shares do.
// Every call reports its failure; none throws.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace ispyt {

// How an append went: `whole` when every byte reached the file, even if
// an error came after (flushing it to the disk).
struct AppendResult {
  std::error_code error;
  bool whole = false;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The whole file, or nothing when it cannot be read or is larger.
  virtual std::optional<std::string> read(const std::filesystem::path& path,
                                          std::size_t maxBytes) = 0;
  // Creates or truncates the file and writes `bytes`, on the disk before
  // it returns.
  virtual std::error_code write(const std::filesystem::path& path, std::string_view bytes) = 0;
  // Appends `bytes` in one write while holding the file's lock, so that
  // writers on several workstations never interleave.  A file whose length
  // is not a whole number of `block`s (an append cut short) is first filled
  // with zero bytes to the next block, so that what follows starts on a
  // block again.  Nothing is ever cut off: a failed append leaves what
  // others wrote.  `durable`: on the disk before it returns (a journal's
  // timer steps need not wait for the disk: a cut loses the last of them).
  virtual AppendResult append(const std::filesystem::path& path, std::string_view bytes,
                             std::size_t block, bool durable = true) = 0;
  // Replaces `to` in one step.
  virtual std::error_code rename(const std::filesystem::path& from,
                                 const std::filesystem::path& to) = 0;
  // No error when there was nothing to remove.
  virtual std::error_code remove(const std::filesystem::path& path) = 0;
  virtual std::error_code createDirectories(const std::filesystem::path& path) = 0;
  // The bytes a new file may still take on the folder's disk; nothing when
  // the system does not tell.
  virtual std::optional<std::uintmax_t> available(const std::filesystem::path& folder) = 0;

  // Saves a file so that it is never left half-written: the bytes go to
  // `path` + ".new", which then takes the old file's place.  When anything
  // fails the old file stays as it was and the new one is removed.
  std::error_code replace(const std::filesystem::path& path, std::string_view bytes);
};

// The program's own disk.
FileSystem& diskFileSystem();

}  // namespace ispyt
