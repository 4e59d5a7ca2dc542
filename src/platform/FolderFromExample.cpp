#include "platform/FolderFromExample.h"

namespace ispyt {

namespace fs = std::filesystem;

namespace {

FolderFromExample failed(std::error_code error, fs::path where) {
  return {.error = error, .where = std::move(where)};
}

// Copies the tree of `from` into the new folder `to`, entry by entry, so
// that a failure names the entry it met.
FolderFromExample copyTree(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::create_directory(to, ec); ec) return failed(ec, to);
  fs::recursive_directory_iterator it(from, ec), end;
  if (ec) return failed(ec, from);
  for (; it != end; it.increment(ec)) {
    if (ec) return failed(ec, from);
    const fs::path target = to / it->path().lexically_relative(from);
    const fs::file_status status = it->status(ec);
    if (ec) return failed(ec, it->path());
    if (fs::is_directory(status))
      fs::create_directory(target, ec);
    else if (fs::is_regular_file(status))
      fs::copy_file(it->path(), target, ec);
    else
      continue;  // sockets, devices: nothing a program folder holds
    if (ec) return failed(ec, target);
    // A package installs the example read-only to the user.
    fs::permissions(target,
                    fs::perms::owner_read | fs::perms::owner_write |
                        (fs::is_directory(status) ? fs::perms::owner_exec : fs::perms::none),
                    fs::perm_options::add, ec);
    if (ec) return failed(ec, target);
  }
  if (ec) return failed(ec, from);
  return {};
}

}  // namespace

FolderFromExample makeFolderFromExample(const fs::path& example, const fs::path& folder) {
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return {};
  if (fs::exists(folder, ec))
    return failed(std::make_error_code(std::errc::not_a_directory), folder);
  if (!fs::is_directory(example, ec))
    return failed(ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory), example);
  if (fs::create_directories(folder.parent_path(), ec); ec) return failed(ec, folder.parent_path());

  fs::path partial = folder;
  partial += ".new";
  fs::remove_all(partial, ec);  // what an interrupted first start left
  if (ec) return failed(ec, partial);
  if (FolderFromExample copied = copyTree(example, partial); copied.error) {
    fs::remove_all(partial, ec);
    return copied;
  }
  fs::rename(partial, folder, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove_all(partial, ignored);
    return failed(ec, folder);
  }
  return {.made = true};
}

}  // namespace ispyt
