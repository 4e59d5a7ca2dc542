#pragma once
// The results not yet stored whole, each kept as one file in the program
// folder's "Pending" folder until its result files are all written.

#include <filesystem>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Random.h"
#include "results/PendingResult.h"
#include "results/StoreResult.h"

namespace ispyt {

std::filesystem::path pendingFolder(const std::filesystem::path& programFolder);

// Stores `result` (StoreResult): first keeps it in "Pending" (in `kept`,
// or under a new name there when `kept` is empty), then writes its files,
// puts its message for the teacher's computer into the outbox, and removes
// the kept copy once both are done.  On return `kept`
// names the kept copy, or is empty when the result is stored or could not
// be kept (a full or read-only program folder: the caller still holds it).
StoreOutcome storeKept(PendingResult& result, std::filesystem::path& kept, FileSystem& files,
                       Random& random, bool again);

// The kept results, oldest first; a file that is not one is left alone.
std::vector<std::filesystem::path> keptResults(const std::filesystem::path& programFolder);

struct RetryOutcome {
  int stored = 0;
  int left = 0;           // still kept
  StoreOutcome failure;   // the last one's, when any is left
};

// Writes out again every kept result (of `testFolder` only, when given).
RetryOutcome retryKeptResults(const std::filesystem::path& programFolder, FileSystem& files,
                              Random& random, const std::filesystem::path& testFolder = {});

// What the teacher is told when results are still kept (Windows-1251).
std::string keptResultsText(const RetryOutcome& outcome);

}  // namespace ispyt
