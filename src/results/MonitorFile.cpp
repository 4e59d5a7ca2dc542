#include "results/MonitorFile.h"

#include <cstdio>
#include <optional>

#include "platform/DiskFile.h"
#include "results/RecordFields.h"

namespace ispyt {
namespace {

enum Offset : std::size_t {
  kWrong = 4,
  kMiss = 8,
  kJudged = 12,
  kCode = 16,
  kName = 21,
};

std::string countRecord(std::size_t offset, int value) {
  std::string r = blankRecord(kMonitorRecordSize);
  putInt32(r, offset, value);
  return r;
}

}  // namespace

std::string monitorBytes(const MonitorGroup& g) {
  std::string out;
  out.reserve((3 * g.taskCount + 1) * kMonitorRecordSize);
  for (int k = 1; k <= g.taskCount; ++k) out += countRecord(kWrong, g.wrongCount[k]);
  for (int k = 1; k <= g.taskCount; ++k) out += countRecord(kMiss, g.missCount[k]);
  for (int k = 1; k <= g.taskCount; ++k) out += countRecord(kJudged, g.judgedElements[k]);
  std::string closing = blankRecord(kMonitorRecordSize);
  putCounted(closing, kCode, g.attemptCode, 4);
  putCounted(closing, kName, g.name, 20);
  return out + closing;
}

namespace {

// The group in `bytes` (one group's size), or nothing when it is damaged.
std::optional<MonitorGroup> decodeGroup(std::string_view bytes, int n) {
  auto record = [&](int index) { return bytes.substr(index * kMonitorRecordSize); };
  const std::string_view closing = record(3 * n);
  // Every attempt has a code: an empty one is a filled or never finished
  // group.
  if (closing[kCode] == '\0') return std::nullopt;
  MonitorGroup g;
  g.taskCount = n;
  for (int k = 1; k <= n; ++k) {
    g.wrongCount[k] = getInt32(record(k - 1), kWrong);
    g.missCount[k] = getInt32(record(n + k - 1), kMiss);
    g.judgedElements[k] = getInt32(record(2 * n + k - 1), kJudged);
  }
  g.attemptCode = getCounted(closing, kCode, 4);
  g.name = getCounted(closing, kName, 20);
  return g;
}

std::optional<std::string> taskCountFault(int n) {
  if (n >= 1 && n <= kMaxTasks) return std::nullopt;
  return "task count " + std::to_string(n) + " outside 1..60";
}

}  // namespace

std::optional<MonitorGroup> readMonitorGroup(std::string_view bytes, int n) {
  if (taskCountFault(n) || bytes.size() != monitorGroupSize(n)) return std::nullopt;
  return decodeGroup(bytes, n);
}

Parsed<MonitorFile> ReadMonitor(std::string_view bytes, int n) {
  if (auto fault = taskCountFault(n)) return Parsed<MonitorFile>::failure(0, *fault);
  const std::size_t groupSize = monitorGroupSize(n);
  MonitorFile file;
  std::size_t at = 0;
  for (; bytes.size() - at >= groupSize; at += groupSize) {
    if (auto g = decodeGroup(bytes.substr(at, groupSize), n))
      file.groups.push_back(std::move(*g));
    else
      ++file.damagedGroups;
  }
  file.skippedBytes = bytes.size() - at;
  Parsed<MonitorFile> parsed;
  parsed.value = std::move(file);
  return parsed;
}

Parsed<MonitorCounts> ReadMonitorFile(const std::filesystem::path& path, int n,
                                      const std::function<void(const MonitorGroup&)>& visit) {
  if (auto fault = taskCountFault(n)) return Parsed<MonitorCounts>::failure(0, *fault);
  std::FILE* file = openFile(path, "rb");
  if (!file) return Parsed<MonitorCounts>::failure(0, "the file cannot be read");
  MonitorCounts counts;
  std::string group(monitorGroupSize(n), '\0');
  std::size_t got = 0;
  while ((got = std::fread(group.data(), 1, group.size(), file)) == group.size()) {
    if (auto g = decodeGroup(group, n)) {
      ++counts.groups;
      visit(*g);
    } else {
      ++counts.damagedGroups;
    }
  }
  counts.skippedBytes = got;
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return Parsed<MonitorCounts>::failure(0, "the file cannot be read to its end");
  Parsed<MonitorCounts> parsed;
  parsed.value = counts;
  return parsed;
}

}  // namespace ispyt
