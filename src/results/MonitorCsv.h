#pragma once
// The monitoring rows as a CSV table for a spreadsheet (Windows-1251,
// fields split by ';', lines ending in CR LF): a header, then one line per
// kept attempt — code, name, grade, level and each task's percentage — and
// a last line with the average grade and the tasks' average percentages;
// in the one-attempt view the header and that attempt's line.

#include <string>

#include "results/MonitorCharts.h"

namespace ispyt {

std::string monitorCsv(const MonitorCharts& charts, char decimalPoint);

}  // namespace ispyt
