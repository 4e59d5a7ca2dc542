#pragma once
// "Monitor.dm" in a test folder: 44-byte records (`MonitorRecord`), with no
// header and no count.  Each attempt adds one group of 3N + 1 records: the
// wrong counts of tasks 1..N (file order), their guess counts, their judged
// elements, then a closing record with the attempt code and the name (the
// code when no name was given).  A reader must know N from the test.
//
// MonitorRecord:  0 unused | 4 wrongCount | 8 missCount | 12 judgedElements
//                 16 counted string[4] code | 21 counted string[20] name
//                 42 padding (2)

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "results/AttemptResult.h"
#include "results/ReadFault.h"

namespace ispyt {

inline constexpr std::size_t kMonitorRecordSize = 44;

// One attempt's group, tables by task file number 1..taskCount.
struct MonitorGroup {
  int taskCount = 0;
  PerTask wrongCount{};
  PerTask missCount{};
  PerTask judgedElements{};
  std::string attemptCode;
  std::string name;  // as stored: the code when the testee gave no name
};

// The 3N + 1 records of a group, name and code cut to their fields.
std::string monitorBytes(const MonitorGroup& group);

struct MonitorFile {
  std::vector<MonitorGroup> groups;
  // Bytes after the last whole group (an interrupted write), not read.
  std::size_t skippedBytes = 0;
};

// Fails only when `taskCount` is outside 1..60.
Parsed<MonitorFile> ReadMonitor(std::string_view bytes, int taskCount);

}  // namespace ispyt
