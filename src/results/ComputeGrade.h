#pragma once
// The grade of an attempt from its 0..120 result, whether the result screen
// shows it, and the sound it plays.

#include <string>

#include "results/GradingCounts.h"

namespace ispyt {

struct GradeOutcome {
  int grade = 0;  // 1..gradeScale; 0 when nothing was right and no grade is shown
  bool shown = false;
  // "1".."12" (the 12-point sound set whatever the scale) when shown, else
  // "Last".
  std::string sound;
};

// `showGrade` is the test's "Оцінка" setting as grading left it.
GradeOutcome ComputeGrade(const GradingCounts& counts, int result120, bool showGrade,
                          int gradeScale);

enum class AchievementLevel { Low, Medium, Sufficient, High };

// Quarters of the scale, each holding its upper bound: with 12 points
// 0-3, 4-6, 7-9 and 10-12.
AchievementLevel GradeLevel(int value, int gradeScale);
// "Низький", "Середній", "Достатній", "Високий" (Windows-1251).
std::string levelName(AchievementLevel level);

}  // namespace ispyt
