#pragma once
// The columns the teacher sees for each received attempt, in the window
// and in the exported table, with their texts and the order they sort in.

#include <array>
#include <string>
#include <vector>

#include "receiver/StoredAttempt.h"

namespace ispyt::receiver {

enum class Column {
  Date,
  Time,
  Class,
  Name,
  Test,
  Mode,
  Percent,
  Result120,
  Grade,
  Station,
  AttemptCode,
  CardCode,
  Seconds,
};
inline constexpr int kColumnCount = 13;
// The window shows these; the exported table has them all.
inline constexpr int kShownColumns = 10;

// UTF-8.
std::string columnTitle(Column column);
std::string cellText(const StoredAttempt& attempt, Column column);
// Sorts as the column reads: dates by year, month and day, numbers as
// numbers (zero-padded text).
std::string sortKey(const StoredAttempt& attempt, Column column);

// "Підказка", "Тренінг", "Контрольна робота", "Залік", "Моніторинг".
std::string modeName(int mode);
// On the 12-point school scale, as the workstation grades the 0..120
// result; 0 when every element judged was wrong.
int schoolGrade(int result120, int percent);

// Which attempts the window shows: of one class and one test, or of all
// (an empty choice).
struct AttemptFilter {
  std::string classGroup;
  std::string testName;
  bool accepts(const StoredAttempt& attempt) const;
};
// The classes and tests received, each once, sorted.
std::vector<std::string> classesOf(const std::vector<StoredAttempt>& attempts);
std::vector<std::string> testsOf(const std::vector<StoredAttempt>& attempts);

// The attempts as a table a spreadsheet opens: UTF-8 with a byte order
// mark, fields split by ';', lines ended by CR LF, a title line first.
std::string attemptsCsv(const std::vector<StoredAttempt>& attempts);

}  // namespace ispyt::receiver
