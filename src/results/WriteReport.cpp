#include "results/WriteReport.h"

#include <algorithm>
#include <set>

#include "content/ConfigFile.h"
#include "content/TestSets.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"
#include "results/AppendRecords.h"
#include "results/AttemptRecords.h"
#include "results/DateTimeText.h"
#include "results/Scoring.h"

namespace ispyt {
namespace {

namespace fs = std::filesystem;

constexpr int kFirstCode = 100;
constexpr int kCodeCount = 899;  // 100..998

// The code with new digits (same letter) while a file of the folder already
// bears it; false when every code of the letter is taken.
bool makeCodeFree(const fs::path& folder, std::string& code, Random& random) {
  const std::set<std::string> inUse = baseNamesInUse(folder);
  const std::string letter = code.substr(0, 1);
  auto taken = [&](int digits) {
    return inUse.count(cp1251Upper(letter + std::to_string(digits))) > 0;
  };
  if (!inUse.count(cp1251Upper(code))) return true;
  int free = 0;
  for (int d = kFirstCode; d < kFirstCode + kCodeCount; ++d) free += taken(d) ? 0 : 1;
  if (free == 0) return false;
  int digits = 0;
  do digits = kFirstCode + random.random(kCodeCount);
  while (taken(digits));
  code = letter + std::to_string(digits);
  return true;
}

std::string withoutAmpersands(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
  return text;
}

}  // namespace

fs::path resultDbPath(const fs::path& programFolder, const std::string& attemptCode,
                      const std::string& testName) {
  const fs::path folder = locate(programFolder, "REZULT");
  return locate(folder, attemptCode + "_" + withoutAmpersands(testName) + ".Db");
}

std::error_code AppendMonitor(const ResultFilesContext& c, fs::path& file) {
  file = locate(c.openTest.testFolder, "Monitor.dm");
  return appendRecords(
      file, monitorBytes(monitorGroupOf(c.attempt, c.test, c.result.attemptCode, c.card.fullName)));
}

std::error_code WriteResultDb(const ResultFilesContext& c, int wrong, fs::path& file) {
  std::error_code ec;
  fs::create_directories(locate(c.programFolder, "REZULT"), ec);
  if (ec) return ec;
  file = resultDbPath(c.programFolder, c.result.attemptCode, c.openTest.testName);
  return appendRecords(file, resultDbBytes(resultDbEntryOf(c.attempt, c.test, c.settings, c.card,
                                                           c.result, c.openTest.testName, wrong)));
}

WriteReportOutcome WriteReport(const ResultFilesContext& c) {
  AttemptState& attempt = c.attempt;
  AttemptResult& result = c.result;
  const fs::path& folder = c.openTest.testFolder;
  WriteReportOutcome out;
  auto fail = [&](std::error_code ec, fs::path file) {
    out.error = ec;
    out.failedFile = std::move(file);
    return out;
  };

  std::error_code probe;
  if (folder.empty() || !fs::is_directory(folder, probe))
    return fail(std::make_error_code(std::errc::no_such_file_or_directory), folder);
  std::string code = c.openTest.attemptCode;
  if (!makeCodeFree(folder, code, c.random))
    return fail(std::make_error_code(std::errc::file_exists), folder / pathFromCp1251(code));
  c.openTest.attemptCode = code;
  result.attemptCode = code;
  out.reportFile = folder / pathFromCp1251(code + ".rez");

  if (attempt.mode != kModeExam) attempt.bestInExam = 1;
  const GradingCounts counts = gradingCounts(attempt, c.test, c.settings);
  const ScoreOutcome score = ComputeResult(counts);
  if (!score.everyPositionHoldsATask) c.settings.showGrade = false;
  result.result120 = score.result120;
  out.grade = ComputeGrade(counts, result.result120, c.settings.showGrade, c.settings.gradeScale);
  result.grade = out.grade.grade;
  result.percent = attemptPercent(counts.wrongElements, counts.elementsJudged);
  const DateTimeText stamp = FormatDateTime(c.now ? c.now() : localTimeNow());
  result.dateText = stamp.date;
  result.timeText = stamp.time;

  if (std::error_code ec = replaceFile(
          out.reportFile, reportBytes(reportOf(attempt, c.test, c.settings, c.card, result))))
    return fail(ec, out.reportFile);

  const bool taskRecords = keepsTaskRecords(attempt.mode);
  if (taskRecords) {
    fs::path file;
    if (std::error_code ec = AppendMonitor(c, file)) return fail(ec, file);
    out.monitorFile = file;
  }

  StudentCard& card = c.card;
  if (!card.fullName.empty()) {
    if (card.classGroup.empty()) card.classGroup = " -";
    if (card.fullName.back() == ' ') card.fullName.pop_back();
    if (taskRecords && !card.fullName.empty()) {
      fs::path file;
      if (std::error_code ec =
              WriteResultDb(c, wrongPercent(counts.wrongElements, counts.elementsJudged), file))
        return fail(ec, file);
      out.resultDb = file;
    }
  }
  // Every stored result of a launch-limited test uses up a launch, with or
  // without a name.
  if (c.openTest.launchCounting) {
    if (std::error_code ec = countLaunch(folder, c.openTest.keptCopy))
      return fail(ec, configPath(folder));
    out.launchCounted = true;
  }
  if (taskRecords && !card.fullName.empty() && c.sendResult) c.sendResult();

  c.openTest.currentTestPath = kNoTestOpen;
  return out;
}

}  // namespace ispyt
