#pragma once
// The stored reports of a test folder: their codes, and one report opened
// for review.

#include <filesystem>
#include <string>
#include <vector>

#include "attempt/AttemptState.h"
#include "attempt/StudentCard.h"
#include "content/Settings.h"
#include "content/Test.h"
#include "results/AttemptResult.h"
#include "results/ComputeGrade.h"
#include "results/ReadFault.h"
#include "results/ReportFile.h"

namespace ispyt {

// The codes (first 4 characters of the name) of the first 59 "*.rez" files
// the scan of the folder returns.
std::vector<std::string> ListReports(const std::filesystem::path& testFolder);

// The report "<name>.Rez" of the folder, any '&' left out of the name and
// the case of the file name ignored.  A file that cannot be read fails at
// position 0.
Parsed<Report> ReadReport(const std::filesystem::path& testFolder, const std::string& name);

// Opening a stored report for review: read, loaded into the attempt (its
// per-task records cleared first), the test and the card, graded through
// its display order.  On a fault nothing is loaded.
struct ReviewOutcome {
  ReadFault fault;
  bool loaded = false;
  GradeOutcome grade;
};
ReviewOutcome reviewReport(const std::filesystem::path& testFolder, const std::string& name,
                           AttemptState& attempt, Test& test, Settings& settings, StudentCard& card,
                           AttemptResult& result);

// Shown when a stored report cannot be opened: "Ошибка доступа "
// (Windows-1251).
std::string reportAccessErrorText();

}  // namespace ispyt
