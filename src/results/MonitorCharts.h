#pragma once
// What the monitoring charts show of a test folder: the attempts of
// "Monitor.dm" whose reports are still in the folder, each graded again with
// the open test and its settings; the per-task values (the average over
// those attempts, or one attempt's own); the grades' levels and average.
// Nothing here draws: the charts window and ispyt-tool show the same data.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "content/LoadTest.h"
#include "content/Settings.h"
#include "content/Test.h"
#include "results/ComputeGrade.h"
#include "results/MonitorFile.h"
#include "results/MonitorRow.h"
#include "results/ReadFault.h"

namespace ispyt {

enum class MonitorView {
  AllAttempts,  // "Моніторинг": every kept attempt
  OneAttempt,   // the Insert key: the selected stored result
};

// Codes of the stored reports, upper-cased: a code is kept when
// cp1251Upper(code) is among them (the folder's names ignore case).
using ReportCodes = std::unordered_set<std::string>;

struct MonitorCharts {
  MonitorView view = MonitorView::AllAttempts;
  std::string selectedCode;  // OneAttempt
  // The last attempt with the selected code, kept or not; unset when the
  // file has none.
  std::optional<MonitorRow> selected;
  int taskCount = 0;
  int gradeScale = 12;
  // Per task 1..taskCount: the kept attempts' average percentage (integer
  // division; 0 with none kept), or the selected attempt's percentage.
  PerTask taskValues{};
  std::vector<MonitorRow> rows;  // the kept attempts, in file order
  // Kept attempts per level, by AchievementLevel: "Низький" first.
  std::array<int, 4> levelCounts{};
  long long gradeSum = 0;
  MonitorCounts read;  // what the file held besides the groups

  // The file's length is not a whole number of the test's groups: it was
  // cut off, or its groups were written for a test of another task count.
  bool damaged() const { return read.skippedBytes != 0; }
  std::optional<double> averageGrade() const;
};

// Reads `monitorFile` a group at a time (any size in the memory of one
// group) for `test` (file order) and `settings`.  A group is kept when its
// code is among `reports`; in the one-attempt view the values are those of
// the last group with `selected` as its code.  Fails when the file cannot
// be read or the test has no tasks.
Parsed<MonitorCharts> ReadMonitorCharts(const std::filesystem::path& monitorFile, const Test& test,
                                        const Settings& settings, const ReportCodes& reports,
                                        MonitorView view, std::string_view selected = {});

// The codes of every "*.rez" file of the folder (not only the first ones
// the side list has room for).
ReportCodes storedReportCodes(const std::filesystem::path& testFolder);

// The charts of a test folder: its "Monitor.dm" against its reports.
Parsed<MonitorCharts> ReadFolderCharts(const std::filesystem::path& testFolder, const Test& test,
                                       const Settings& settings, MonitorView view,
                                       std::string_view selected = {});

// The test the charts grade by, read from its folder: "test.txt" in file
// order (an attempt leaves the workstation's copy, and its weights, in the
// order it showed them) and "Config.ini".
struct MonitoredTest {
  Test test;
  Settings settings;
  LoadResult load;
};
MonitoredTest readMonitoredTest(const std::filesystem::path& testFolder);

// What a bar of the per-testee chart is labelled with: the stored name, or
// the code when the name is empty.
std::string rowLabel(const MonitorRow& row);

// Bars per page of the bar charts: 12 at first on the per-task chart; the
// zoom keeps them within 2..40.
inline constexpr int kFirstTaskBarsPerPage = 12;
inline constexpr int kFewestBarsPerPage = 2;
inline constexpr int kMostBarsPerPage = 40;
int zoomBarsPerPage(int barsPerPage, int change);
// The per-testee chart's: `windowWidth` div (10 x the longest label), kept
// within 2..40; with no kept attempt (no label to measure) as the per-task
// chart's.
int testeeBarsPerPage(const MonitorCharts& charts, int windowWidth);

// The average grade with one decimal, halves rounded up ("7.5" with '.' as
// `decimalPoint`); "—" when no attempt was kept.  Windows-1251.
std::string averageGradeText(const MonitorCharts& charts, char decimalPoint);

// What the window says under the charts (Windows-1251; empty when all is
// well): that the file is damaged and its end was not read, or that it has
// no records of the selected attempt.
std::string monitorNotice(const MonitorCharts& charts);

// The levels with at least one attempt, "Низький" first, with their counts.
std::vector<std::pair<AchievementLevel, int>> levelSlices(const MonitorCharts& charts);

}  // namespace ispyt
