#include "results/StoredReports.h"

#include <algorithm>

#include "content/TestSets.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "results/AttemptRecords.h"
#include "results/Scoring.h"

namespace ispyt {

namespace {
// Far above any report of 60 tasks of 13 items.
constexpr std::size_t kMaxReportBytes = 16 * 1024 * 1024;
}  // namespace

std::vector<std::string> ListReports(const std::filesystem::path& testFolder) {
  return CountResults(testFolder).codes;
}

Parsed<Report> ReadReport(const std::filesystem::path& testFolder, const std::string& name) {
  std::string base = name;
  base.erase(std::remove(base.begin(), base.end(), '&'), base.end());
  const auto bytes = readFileBytes(locate(testFolder, base + ".Rez"), kMaxReportBytes);
  if (!bytes) return Parsed<Report>::failure(0, "cannot read the report file");
  return ReadReport(*bytes);
}

ReviewOutcome reviewReport(const std::filesystem::path& testFolder, const std::string& name,
                           AttemptState& attempt, Test& test, Settings& settings, StudentCard& card,
                           AttemptResult& result) {
  ReviewOutcome out;
  Parsed<Report> read = ReadReport(testFolder, name);
  if (!read.ok()) {
    out.fault = read.fault;
    return out;
  }
  attempt.resetTaskTables();
  applyReport(*read.value, attempt, test, settings, card, result);
  const GradingCounts counts = gradingCounts(attempt, test, settings, true);
  const ScoreOutcome score = ComputeResult(counts);
  if (!score.everyPositionHoldsATask) settings.showGrade = false;
  result.result120 = score.result120;
  out.grade = ComputeGrade(counts, result.result120, settings.showGrade, settings.gradeScale);
  result.grade = out.grade.grade;
  result.percent = attemptPercent(counts.wrongElements, counts.elementsJudged);
  out.loaded = true;
  return out;
}

std::string reportAccessErrorText() { return cp1251("Ошибка доступа "); }

}  // namespace ispyt
