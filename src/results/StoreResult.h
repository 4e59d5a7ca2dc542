#pragma once
// Writing one attempt's result files so that the result is stored whole or
// not at all, and so that writing it again after any failure stores it
// exactly once.  The order:
//
//  1. the attempt code is checked once more (another workstation may have
//     taken it since), and the free space of both folders;
//  2. the report goes to "<code>.rez.new": not yet a stored result, but it
//     keeps the code from being drawn elsewhere;
//  3. the result database in "REZULT";
//  4. the group appended to "Monitor.dm";
//  5. a launch counted in "Config.ini", and the focus losses written to
//     "<code>.foc" (a failure there stops nothing);
//  6. "<code>.rez.new" renamed to "<code>.rez": from now on the result is
//     stored.
//
// A failure before step 4 undoes what was written.  From step 4 on, what
// reached "Monitor.dm" stays (no other workstation's records are ever cut),
// the database is taken back, and the temporary report keeps its code, so
// that writing again completes the result.

#include <filesystem>
#include <functional>
#include <system_error>

#include "platform/FileSystem.h"
#include "platform/Random.h"
#include "results/PendingResult.h"

namespace ispyt {

struct StoreOutcome {
  std::error_code error;
  std::filesystem::path failedFile;  // the file or folder the failure concerns
  std::filesystem::path reportFile;
  std::filesystem::path monitorFile;  // empty when the result has no group
  std::filesystem::path resultDb;     // empty when the result has no database
  bool launchCounted = false;
  std::filesystem::path focusFile;  // empty when there is none, or it could not be written

  bool stored() const { return !error; }
};

// Beyond the result's own bytes, what a folder must still have free: room
// for the file system's own records and for a replaced file's old copy.
inline constexpr std::uintmax_t kSpareBytes = 64 * 1024;

// `again`: an earlier write of this result may have got part of the way,
// so what is already there is looked for first.  `progress` is called
// after a step that must not be done twice (the launch count) and after a
// change of code, so that the kept copy of the result can follow.
StoreOutcome StoreResult(PendingResult& result, FileSystem& files, Random& random, bool again,
                         const std::function<void()>& progress = {});

}  // namespace ispyt
