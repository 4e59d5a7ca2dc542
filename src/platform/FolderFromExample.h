#pragma once
// A program folder of the user's own, made once from the installed example
// (which a package keeps read-only), so that a fresh install runs the demo
// at once and later starts keep what the user's tests and results became.

#include <filesystem>
#include <system_error>

namespace ispyt {

struct FolderFromExample {
  std::error_code error;        // none when `folder` is ready
  std::filesystem::path where;  // the path the error concerns
  bool made = false;            // true when this call copied the example
};

// Leaves an existing `folder` as it is; otherwise copies `example` into it
// (writable by the user, whatever the example's modes).  The copy is made
// beside it under another name and renamed into place when whole, so an
// interrupted first start leaves no half folder to be taken for a
// program folder: the next start copies again.
FolderFromExample makeFolderFromExample(const std::filesystem::path& example,
                                        const std::filesystem::path& folder);

}  // namespace ispyt
