#pragma once
// Storing a finished attempt: grading it, then the report file in the test
// folder, the monitoring records beside it, the result database in
// "REZULT", the launch count of a launch-limited test; afterwards no test
// is open.

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include "attempt/AttemptState.h"
#include "attempt/StudentCard.h"
#include "content/OpenTestState.h"
#include "content/Settings.h"
#include "content/Test.h"
#include "platform/Random.h"
#include "results/AttemptResult.h"
#include "results/ComputeGrade.h"

namespace ispyt {

struct ResultFilesContext {
  Settings& settings;  // a grade no task backs is switched off
  std::filesystem::path programFolder;  // "REZULT" is below it
  // Its folder, name, attempt code and launch counting; afterwards no test
  // is open.
  OpenTestState& openTest;
  AttemptState& attempt;  // tables in position order
  Test& test;             // as the attempt left it
  StudentCard& card;
  AttemptResult& result;
  Random& random;
  std::function<std::tm()> now;      // empty: the local clock
  std::function<void()> sendResult;  // empty: sending is off
};

struct WriteReportOutcome {
  GradeOutcome grade;
  std::filesystem::path reportFile;
  std::filesystem::path monitorFile;  // empty when not written
  std::filesystem::path resultDb;     // empty when not written
  bool launchCounted = false;
  // The first failure, which ends the step; the files before it stay.
  std::error_code error;
  std::filesystem::path failedFile;

  bool stored() const { return !error; }
};

WriteReportOutcome WriteReport(const ResultFilesContext& context);

// Appends the attempt's 3N + 1 monitoring records to "Monitor.dm" of the
// test folder.
std::error_code AppendMonitor(const ResultFilesContext& context, std::filesystem::path& file);
// Appends the attempt's 1 + 2N records to its database in "REZULT";
// `wrong` is the wrong percentage.
std::error_code WriteResultDb(const ResultFilesContext& context, int wrong,
                              std::filesystem::path& file);

// "REZULT/<code>_<test name>.Db" below the program folder, '&' left out of
// the name.
std::filesystem::path resultDbPath(const std::filesystem::path& programFolder,
                                   const std::string& attemptCode, const std::string& testName);

}  // namespace ispyt
