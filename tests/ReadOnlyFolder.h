#pragma once
// A folder that cannot be written into, for the tests of failed saves.
// Root ignores permission bits, and the tests may run as root: then the
// writing side acts as the user "nobody" meanwhile (in this process through
// ActingAsNobody, for a command through asNobody()).

#include <unistd.h>

#include <filesystem>
#include <string>

namespace ispyt::fixtures {

inline constexpr uid_t kNobody = 65534;

class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
    using p = std::filesystem::perms;
    std::filesystem::permissions(folder_, p::owner_read | p::owner_exec | p::group_read |
                                              p::group_exec | p::others_read | p::others_exec);
  }
  ~ReadOnlyFolder() {
    std::error_code ignored;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ignored);
  }
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

 private:
  std::filesystem::path folder_;
};

// While it lives, file access is checked as for "nobody" when the process
// runs as root.
class ActingAsNobody {
 public:
  ActingAsNobody() : root_(geteuid() == 0) {
    if (root_) switched_ = seteuid(kNobody) == 0;
  }
  ~ActingAsNobody() {
    if (switched_) (void)seteuid(0);
  }
  // False when root could not give up its rights (the test cannot show a
  // read-only folder then).
  bool ok() const { return !root_ || switched_; }
  ActingAsNobody(const ActingAsNobody&) = delete;
  ActingAsNobody& operator=(const ActingAsNobody&) = delete;

 private:
  bool root_ = false;
  bool switched_ = false;
};

// A shell command run as "nobody" when the tests run as root.
inline std::string asNobody(const std::string& command) {
  return geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " + command : command;
}

}  // namespace ispyt::fixtures
