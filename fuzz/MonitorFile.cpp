// Any bytes as "Monitor.dm" of a test of N tasks (the first byte picks N):
// every whole group is read, the rest is counted as skipped, each group
// writes back to records that read the same, and regrading it stays in
// range.

#include "results/MonitorFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "results/ComputeGrade.h"
#include "results/Scoring.h"
#include "Require.h"

namespace {

bool sameGroup(const ispyt::MonitorGroup& a, const ispyt::MonitorGroup& b) {
  return a.taskCount == b.taskCount && a.wrongCount == b.wrongCount && a.missCount == b.missCount &&
         a.judgedElements == b.judgedElements && a.attemptCode == b.attemptCode && a.name == b.name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int n = data[0] % ispyt::kMaxTasks + 1;
  std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  ispyt::Parsed<ispyt::MonitorFile> read = ispyt::ReadMonitor(bytes, n);
  require(read.ok());
  const std::size_t groupSize = (3 * n + 1) * ispyt::kMonitorRecordSize;
  require(read.value->groups.size() * groupSize + read.value->skippedBytes == bytes.size());
  require(read.value->skippedBytes < groupSize);
  for (const ispyt::MonitorGroup& g : read.value->groups) {
    ispyt::Parsed<ispyt::MonitorFile> back = ispyt::ReadMonitor(ispyt::monitorBytes(g), n);
    require(back.ok() && back.value->groups.size() == 1 && sameGroup(back.value->groups[0], g));
    ispyt::GradingCounts c;
    c.taskCount = n;
    c.guessingCode = data[0] % 3;
    for (int k = 1; k <= n; ++k) {
      c.elementCount[k] = k % 4;
      c.itemCount[k] = k % 5;
      c.wrongCount[k] = g.wrongCount[k];
      c.missCount[k] = g.missCount[k];
      c.judgedElements[k] = g.judgedElements[k];
      c.elementsJudged += g.judgedElements[k] != 0 ? g.judgedElements[k] : c.elementCount[k];
      ispyt::TaskPercent(c, k);
    }
    ispyt::GradeLevel(ispyt::RecomputeGrade(c, 12), 12);
  }
  return 0;
}
