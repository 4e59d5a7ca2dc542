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
//
// An append cut short leaves part of a group; the next writer fills it
// with zero bytes to the group's end (FileSystem::append), so groups always
// start at a multiple of the group's size.  Such a filled group, or any
// whose closing record holds no attempt code, is damaged: readers count it
// and pass over it.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "results/AttemptResult.h"
#include "results/ReadFault.h"

namespace ispyt {

inline constexpr std::size_t kMonitorRecordSize = 44;

// The bytes of one attempt's group in a test of `taskCount` tasks.
inline constexpr std::size_t monitorGroupSize(int taskCount) {
  return (3 * static_cast<std::size_t>(taskCount) + 1) * kMonitorRecordSize;
}

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

// One group's bytes read back; nothing when they are not one whole group
// of a test of `taskCount` tasks.
std::optional<MonitorGroup> readMonitorGroup(std::string_view bytes, int taskCount);

// What a reader found besides the groups it handed on.
struct MonitorCounts {
  std::size_t groups = 0;
  std::size_t damagedGroups = 0;  // passed over
  // Bytes after the last whole group (an interrupted write), not read.
  std::size_t skippedBytes = 0;
};

struct MonitorFile {
  std::vector<MonitorGroup> groups;
  std::size_t damagedGroups = 0;
  std::size_t skippedBytes = 0;
};

// Fails only when `taskCount` is outside 1..60.
Parsed<MonitorFile> ReadMonitor(std::string_view bytes, int taskCount);

// Reads the file a group at a time, so that a file of any size takes the
// memory of one group; `visit` gets each whole group in file order.  Fails
// when `taskCount` is outside 1..60 or the file cannot be read.
Parsed<MonitorCounts> ReadMonitorFile(const std::filesystem::path& file, int taskCount,
                                      const std::function<void(const MonitorGroup&)>& visit);

}  // namespace ispyt
