#pragma once
// Reading "test.txt" into the `Test`.  The file stores its item orders
// scrambled and its typed answers under key lines; the loader restores them,
// checks every block's header code, shuffles the options for display and
// rejects any file outside the format.  The core never shows a message: it
// returns the outcome, and the seams let the rest of the workstation react.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "content/Test.h"
#include "platform/Random.h"

namespace ispyt {

enum class LoadStatus {
  Loaded,        // value = tasks + 1 (1 for a title alone)
  NoData,        // the file cannot be opened: "Нема даних"
  Incompatible,  // not a test of this format: "Несумісний тест"
};

struct LoadResult {
  int value = 0;  // tasks read + 1, or 0 on failure
  LoadStatus status = LoadStatus::NoData;
  // Where a failure was found: the 1-based line of the file, the task
  // block (0 outside a block) and what is wrong, in English (for authors
  // and tools; the program shows only the fixed message).
  int line = 0;
  int task = 0;
  std::string reason;

  bool loaded() const { return status == LoadStatus::Loaded; }
  int taskCount() const { return value > 0 ? value - 1 : 0; }
};

// The program's fixed message for a failure (Windows-1251): "Нема даних" or
// "Несумісний тест"; empty for Loaded.
std::string loadMessage(LoadStatus status);

// What the loader needs from the rest of the workstation.  Empty members
// are skipped.
struct LoadTestSeams {
  // Resets the attempt's per-task tables and display order; called before
  // reading.
  std::function<void()> resetAttemptTables;
  // Shows a failure's message box (the text of loadMessage).
  std::function<void(const std::string& cp1251Text)> showMessage;
};

// Tells whether the test folder holds a picture ("P7-1.bmp"); the name is
// Windows-1251 and matched ignoring case.
using PictureProbe = std::function<bool(const std::string& name)>;

// Parses the bytes of a test file into `test` (which is reset first).  On
// failure `test` is left reset.
LoadResult readTest(std::string_view bytes, Test& test, Random& random,
                    const PictureProbe& hasPicture);

// Loads the file at `path`; pictures are probed in the file's folder.
// Calls seams.resetAttemptTables before reading and seams.showMessage on
// failure.
LoadResult LoadTest(const std::filesystem::path& path, Test& test, Random& random,
                    const LoadTestSeams& seams = {});

}  // namespace ispyt
