#include "results/MonitorCharts.h"

#include <algorithm>

#include "content/ConfigFile.h"
#include "platform/Cp1251.h"
#include "platform/DirectoryScan.h"
#include "platform/Paths.h"
#include "platform/Random.h"

namespace ispyt {

Parsed<MonitorCharts> ReadMonitorCharts(const std::filesystem::path& monitorFile, const Test& test,
                                        const Settings& settings, const ReportCodes& reports,
                                        MonitorView view, std::string_view selected) {
  MonitorCharts charts;
  charts.view = view;
  charts.selectedCode = std::string(selected);
  charts.taskCount = test.taskCount;
  charts.gradeScale = settings.gradeScale;
  const std::string selectedKey = cp1251Upper(selected);
  std::array<long long, kMaxTasks + 1> sums{};
  Parsed<MonitorCounts> read =
      ReadMonitorFile(monitorFile, test.taskCount, [&](const MonitorGroup& group) {
        MonitorRow row = monitorRow(group, test, settings);
        const std::string key = cp1251Upper(row.attemptCode);
        if (view == MonitorView::OneAttempt && key == selectedKey) {
          charts.selected = row;
          charts.taskValues = row.taskPercent;
        }
        if (!reports.contains(key)) return;
        if (view == MonitorView::AllAttempts)
          for (int k = 1; k <= charts.taskCount; ++k) sums[k] += row.taskPercent[k];
        charts.rows.push_back(std::move(row));
      });
  if (!read.ok()) return Parsed<MonitorCharts>::failure(read.fault.position, read.fault.reason);
  charts.read = *read.value;

  const auto kept = static_cast<long long>(charts.rows.size());
  if (view == MonitorView::AllAttempts && kept > 0)
    for (int k = 1; k <= charts.taskCount; ++k)
      charts.taskValues[k] = static_cast<int>(sums[k] / kept);
  for (const MonitorRow& row : charts.rows) {
    charts.gradeSum += row.grade;
    ++charts.levelCounts[static_cast<int>(GradeLevel(row.grade, charts.gradeScale))];
  }
  Parsed<MonitorCharts> parsed;
  parsed.value = std::move(charts);
  return parsed;
}

std::optional<double> MonitorCharts::averageGrade() const {
  if (rows.empty()) return std::nullopt;
  return static_cast<double>(gradeSum) / static_cast<double>(rows.size());
}

ReportCodes storedReportCodes(const std::filesystem::path& testFolder) {
  ReportCodes codes;
  for (const std::string& name : scanEntries(testFolder, Entries::Files))
    if (name.size() > 4 &&
        cp1251EqualNoCase(std::string_view(name).substr(name.size() - 4), ".rez"))
      codes.insert(cp1251Upper(name.substr(0, 4)));
  return codes;
}

Parsed<MonitorCharts> ReadFolderCharts(const std::filesystem::path& testFolder, const Test& test,
                                       const Settings& settings, MonitorView view,
                                       std::string_view selected) {
  return ReadMonitorCharts(locate(testFolder, "Monitor.dm"), test, settings,
                           storedReportCodes(testFolder), view, selected);
}

MonitoredTest readMonitoredTest(const std::filesystem::path& testFolder) {
  MonitoredTest t;
  // The options' display order plays no part in grading.
  Random random(1);
  t.load = LoadTest(locate(testFolder, "test.txt"), t.test, random);
  if (t.load.loaded()) t.settings = readConfigFile(testFolder, t.test.taskCount, 0).settings;
  return t;
}

std::string rowLabel(const MonitorRow& row) {
  return row.name.empty() ? row.attemptCode : row.name;
}

int zoomBarsPerPage(int barsPerPage, int change) {
  return std::clamp(barsPerPage + change, kFewestBarsPerPage, kMostBarsPerPage);
}

int testeeBarsPerPage(const MonitorCharts& charts, int windowWidth) {
  std::size_t longest = 0;
  for (const MonitorRow& row : charts.rows) longest = std::max(longest, rowLabel(row).size());
  if (longest == 0) return kFirstTaskBarsPerPage;
  return std::clamp(static_cast<int>(windowWidth / (10 * static_cast<long long>(longest))),
                    kFewestBarsPerPage, kMostBarsPerPage);
}

std::string averageGradeText(const MonitorCharts& charts, char decimalPoint) {
  if (charts.rows.empty()) return cp1251("—");
  // Grades are never negative: tenths rounded half up in whole numbers.
  const auto rows = static_cast<long long>(charts.rows.size());
  const long long tenths = (charts.gradeSum * 20 + rows) / (2 * rows);
  return std::to_string(tenths / 10) + decimalPoint + std::to_string(tenths % 10);
}

std::string monitorNotice(const MonitorCharts& charts) {
  std::string notice;
  if (charts.damaged())
    notice = cp1251("Файл Monitor.dm пошкоджено: останні ") +
             std::to_string(charts.read.skippedBytes) +
             cp1251(" байт не складають цілого запису спроби й не прочитані.");
  if (charts.view == MonitorView::OneAttempt && !charts.selected) {
    if (!notice.empty()) notice += "\n";
    notice += cp1251("У файлі Monitor.dm немає записів спроби ") + charts.selectedCode + ".";
  }
  return notice;
}

std::vector<std::pair<AchievementLevel, int>> levelSlices(const MonitorCharts& charts) {
  std::vector<std::pair<AchievementLevel, int>> slices;
  for (int level = 0; level < 4; ++level)
    if (charts.levelCounts[level] > 0)
      slices.emplace_back(static_cast<AchievementLevel>(level), charts.levelCounts[level]);
  return slices;
}

}  // namespace ispyt
