#include "results/MonitorCsv.h"

#include "platform/Cp1251.h"

namespace ispyt {
namespace {

// A field with the separator, a quote or a line end in it goes in quotes.
std::string field(const std::string& text) {
  if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

std::string monitorCsv(const MonitorCharts& charts, char decimalPoint) {
  std::string csv = cp1251("Код;Користувач;Оцінка;Рівень");
  for (int k = 1; k <= charts.taskCount; ++k) csv += ";" + std::to_string(k);
  csv += "\r\n";
  auto line = [&](const MonitorRow& row) {
    csv += field(row.attemptCode) + ";" + field(rowLabel(row)) + ";" + std::to_string(row.grade) +
           ";" + levelName(GradeLevel(row.grade, charts.gradeScale));
    for (int k = 1; k <= charts.taskCount; ++k) csv += ";" + std::to_string(row.taskPercent[k]);
    csv += "\r\n";
  };
  if (charts.view == MonitorView::OneAttempt) {
    if (charts.selected) line(*charts.selected);
  } else {
    for (const MonitorRow& row : charts.rows) line(row);
    csv += cp1251(";Середнє;") + averageGradeText(charts, decimalPoint) + ";";
    for (int k = 1; k <= charts.taskCount; ++k) csv += ";" + std::to_string(charts.taskValues[k]);
    csv += "\r\n";
  }
  return csv;
}

}  // namespace ispyt
