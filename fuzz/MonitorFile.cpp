// Any bytes as "Monitor.dm" of a test of N tasks (the first byte picks N):
// every whole group is read or counted as damaged, the rest is counted as
// skipped, each group writes back to records that read the same, and
// regrading it as the charts do stays in range whatever its counts.

#include "results/MonitorFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "content/Settings.h"
#include "content/Test.h"
#include "results/ComputeGrade.h"
#include "results/MonitorRow.h"
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
  const ispyt::MonitorFile& file = *read.value;
  const std::size_t groupSize = ispyt::monitorGroupSize(n);
  require((file.groups.size() + file.damagedGroups) * groupSize + file.skippedBytes ==
          bytes.size());
  require(file.skippedBytes < groupSize);

  static ispyt::Test test;
  test.taskCount = n;
  ispyt::Settings settings;
  settings.guessingCode = data[0] % 3;
  for (int k = 1; k <= n; ++k) {
    test.task(k).elementCount = k % 4;
    test.task(k).itemCount = k % 5;
    settings.taskWeights[k] = k % 7;
  }
  for (const ispyt::MonitorGroup& g : file.groups) {
    ispyt::Parsed<ispyt::MonitorFile> back = ispyt::ReadMonitor(ispyt::monitorBytes(g), n);
    require(back.ok() && back.value->groups.size() == 1 && sameGroup(back.value->groups[0], g));
    const ispyt::MonitorRow row = ispyt::monitorRow(g, test, settings);
    require(row.grade >= 0 && row.grade <= settings.gradeScale);
    ispyt::GradeLevel(row.grade, settings.gradeScale);
  }
  return 0;
}
