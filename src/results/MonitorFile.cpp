#include "results/MonitorFile.h"

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

Parsed<MonitorFile> ReadMonitor(std::string_view bytes, int n) {
  if (n < 1 || n > kMaxTasks)
    return Parsed<MonitorFile>::failure(0, "task count " + std::to_string(n) + " outside 1..60");
  const std::size_t groupSize = (3 * n + 1) * kMonitorRecordSize;
  MonitorFile file;
  std::size_t at = 0;
  for (; bytes.size() - at >= groupSize; at += groupSize) {
    MonitorGroup g;
    g.taskCount = n;
    auto record = [&](int index) { return bytes.substr(at + index * kMonitorRecordSize); };
    for (int k = 1; k <= n; ++k) {
      g.wrongCount[k] = getInt32(record(k - 1), kWrong);
      g.missCount[k] = getInt32(record(n + k - 1), kMiss);
      g.judgedElements[k] = getInt32(record(2 * n + k - 1), kJudged);
    }
    g.attemptCode = getCounted(record(3 * n), kCode, 4);
    g.name = getCounted(record(3 * n), kName, 20);
    file.groups.push_back(std::move(g));
  }
  file.skippedBytes = bytes.size() - at;
  Parsed<MonitorFile> parsed;
  parsed.value = std::move(file);
  return parsed;
}

}  // namespace ispyt
