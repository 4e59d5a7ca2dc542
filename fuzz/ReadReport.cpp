// Any bytes as a report file: the reader must give a report or a fault
// without a memory fault; a report it gives must write and read back to
// the same file, and load for review and grade inside its tables.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "results/AttemptRecords.h"
#include "results/ReportFile.h"
#include "results/Scoring.h"
#include "Require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ispyt::Parsed<ispyt::Report> read = ispyt::ReadReport(bytes);
  if (!read.ok()) {
    require(read.fault.position >= 1 && !read.fault.reason.empty());
    return 0;
  }
  require(read.value->taskCount >= 0 && read.value->taskCount <= ispyt::kMaxTasks);
  // Writing normalises (an empty blank answer becomes " "); after that the
  // file is a fixed point.
  const std::string once = ispyt::reportBytes(*read.value);
  ispyt::Parsed<ispyt::Report> again = ispyt::ReadReport(once);
  require(again.ok());
  require(ispyt::reportBytes(*again.value) == once);

  static ispyt::Test test;
  static ispyt::AttemptState attempt;
  test.reset();
  attempt = ispyt::AttemptState{};
  ispyt::Settings settings;
  ispyt::StudentCard card;
  ispyt::AttemptResult result;
  ispyt::applyReport(*read.value, attempt, test, settings, card, result);
  ispyt::ScoreOutcome score =
      ispyt::ComputeResult(ispyt::gradingCounts(attempt, test, settings, true));
  require(score.result120 <= 120);
  return 0;
}
