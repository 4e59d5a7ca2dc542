#pragma once
// The disk, with faults put in where a test asks: the n-th change a writer
// makes (a write, an append, a rename, a new folder) fails with an error,
// after part of its bytes reached the file, or the process is killed just
// before or just after it, as a power cut would stop it there.

#include <csignal>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace ispyt::results_test {

class FaultyFiles : public FileSystem {
 public:
  int failAt = 0;  // 0: none
  std::errc error = std::errc::no_space_on_device;
  std::size_t partial = 0;  // bytes of a failing write or append that reach the file
  int killAt = 0;           // 0: none
  bool killAfter = false;   // the change is made, then the process dies
  int changes = 0;
  std::vector<std::string> made;  // "write Y537.rez.new", ... in order

  std::optional<std::string> read(const std::filesystem::path& path, std::size_t most) override {
    return disk().read(path, most);
  }
  std::error_code write(const std::filesystem::path& path, std::string_view bytes) override {
    if (auto fault = next("write", path)) {
      if (partial) disk().write(path, bytes.substr(0, std::min(partial, bytes.size())));
      return *fault;
    }
    return done(disk().write(path, bytes));
  }
  AppendResult append(const std::filesystem::path& path, std::string_view bytes,
                      std::size_t block, bool) override {
    if (auto fault = next("append", path)) {
      if (partial) disk().append(path, bytes.substr(0, std::min(partial, bytes.size())), block);
      return {*fault, false};
    }
    AppendResult r = disk().append(path, bytes, block);
    done({});
    return r;
  }
  std::error_code rename(const std::filesystem::path& from,
                         const std::filesystem::path& to) override {
    if (auto fault = next("rename", from)) return *fault;
    return done(disk().rename(from, to));
  }
  std::error_code remove(const std::filesystem::path& path) override { return disk().remove(path); }
  std::error_code createDirectories(const std::filesystem::path& path) override {
    if (auto fault = next("folder", path)) return *fault;
    return done(disk().createDirectories(path));
  }
  std::optional<std::uintmax_t> available(const std::filesystem::path& folder) override {
    return disk().available(folder);
  }

 private:
  static FileSystem& disk() { return diskFileSystem(); }

  std::optional<std::error_code> next(const char* what, const std::filesystem::path& path) {
    ++changes;
    made.push_back(std::string(what) + " " + path.filename().string());
    if (changes == killAt && !killAfter) std::raise(SIGKILL);
    if (changes == failAt) return std::make_error_code(error);
    return std::nullopt;
  }
  std::error_code done(std::error_code ec) {
    if (changes == killAt && killAfter) std::raise(SIGKILL);
    return ec;
  }
};

}  // namespace ispyt::results_test
