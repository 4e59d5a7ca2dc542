#pragma once
// Storing a finished attempt: grading it, then its report in the test
// folder, the monitoring records beside it, the result database in
// "REZULT" and the launch count of a launch-limited test, whole or not at
// all (StoreResult); afterwards no test is open.  A result that cannot be
// stored is kept in "Pending" and written out again later: at the next
// attempt, at the next start-up, or when the teacher asks.

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
#include "platform/FileSystem.h"
#include "platform/Random.h"
#include "results/AttemptResult.h"
#include "results/ComputeGrade.h"
#include "results/PendingResult.h"
#include "results/ResultOutlet.h"

namespace ispyt {

struct ResultFilesContext {
  Settings& settings;  // a grade no task backs is switched off
  std::filesystem::path programFolder;  // "REZULT" and "Pending" are below it
  // Its folder, name, attempt code and launch counting; afterwards no test
  // is open.
  OpenTestState& openTest;
  AttemptState& attempt;  // tables in position order
  Test& test;             // as the attempt left it
  StudentCard& card;
  AttemptResult& result;
  Random& random;
  std::function<std::tm()> now;    // empty: the local clock
  ResultOutlet* outlet = nullptr;  // to the teacher's computer; empty: nothing is sent
  FileSystem* files = nullptr;     // empty: the disk's own
};

struct WriteReportOutcome {
  GradeOutcome grade;
  std::filesystem::path reportFile;
  std::filesystem::path monitorFile;  // empty when not written
  std::filesystem::path resultDb;     // empty when not written
  std::filesystem::path focusFile;    // empty when none, or not written
  bool launchCounted = false;
  // Why the result is not stored, and the file it concerns; nothing of it
  // is stored then.
  std::error_code error;
  std::filesystem::path failedFile;
  // The result as it is stored, or is to be: its kept copy in "Pending"
  // (empty when it is stored, or could not be kept on disk).
  PendingResult result;
  std::filesystem::path keptFile;
  // Stored, it goes to the teacher's computer at once (modes 1, 2 and 4
  // under a name, with sending on); the message is in `result`.
  bool sends = false;

  bool stored() const { return !error; }
};

WriteReportOutcome WriteReport(const ResultFilesContext& context);

// Writes a result that could not be stored once more; true when it now is.
bool WriteReportAgain(const ResultFilesContext& context, WriteReportOutcome& outcome);

// The end of the closing animation: a stored result's message goes to the
// teacher's computer once more.
void sendAfterClosing(const ResultFilesContext& context, const WriteReportOutcome& outcome);

// What the result screen says when the result is not stored (Windows-1251
// plain text, lines ending in '\n'): which file, why, and that the answers
// are kept.
std::string resultNotStoredText(const WriteReportOutcome& outcome);

}  // namespace ispyt
