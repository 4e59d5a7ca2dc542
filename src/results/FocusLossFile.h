#pragma once
// The focus losses of an attempt, kept beside its report as "<code>.foc"
// in the test folder: a small text file (lines end in CR LF) the report's
// own format leaves untouched.
//
//   N                 the times the station lost the pupil
//   at back kind      one line for each of the first 100: the seconds on
//                     the attempt clock when it was lost and when it was
//                     back (the end of the attempt when it never was);
//                     kind 1: another window took the focus, 2: the
//                     pointer left the screen
//
// A file is written only for an attempt that lost the focus at least once.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "attempt/FocusLosses.h"
#include "results/ReadFault.h"

namespace ispyt {

inline constexpr std::string_view kFocusLossExtension = ".foc";
// Larger than any file the program writes.
inline constexpr std::size_t kMaxFocusLossBytes = 8 * 1024;

struct FocusLossRecord {
  int count = 0;
  std::vector<FocusLoss> listed;  // every one closed

  bool operator==(const FocusLossRecord&) const = default;
};

// The record of an attempt that ended at `elapsed`; a loss still open
// ends there.
FocusLossRecord focusLossRecordOf(const FocusLosses& losses, int elapsed);

// Empty for a record without a loss.
std::string focusLossBytes(const FocusLossRecord& record);
Parsed<FocusLossRecord> ReadFocusLossFile(std::string_view bytes);

std::filesystem::path focusLossFile(const std::filesystem::path& testFolder,
                                    const std::string& attemptCode);

// For each code, the losses its attempt's file records: 0 when there is
// no file, -1 when it cannot be read as one.
std::vector<int> focusLossCounts(const std::filesystem::path& testFolder,
                                 const std::vector<std::string>& codes);

}  // namespace ispyt
