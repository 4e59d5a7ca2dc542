#include "results/ComputeGrade.h"

#include <algorithm>

#include "platform/Cp1251.h"
#include "platform/Rounding.h"

namespace ispyt {

GradeOutcome ComputeGrade(const GradingCounts& c, int result120, bool showGrade, int gradeScale) {
  GradeOutcome out;
  out.grade = std::max(roundHalfEven(gradeScale * result120 / 120.0), 1);
  const bool allWrong = c.wrongElements == c.elementsJudged;
  out.shown =
      ((showGrade && c.bestInExam >= 1 && !allWrong) || c.pass > 1) && !isMonitoringMode(c.mode);
  if (!out.shown) {
    out.sound = "Last";
    if (allWrong && c.pass <= 1) out.grade = 0;
    return out;
  }
  // On a scale above 12 the lowest grades would name a sound "0", which the
  // set does not have.
  const int sound = gradeScale > 0 ? out.grade * 12 / gradeScale : 0;
  out.sound = std::to_string(std::max(sound, 1));
  return out;
}

AchievementLevel GradeLevel(int v, int m) {
  if (v <= m / 4) return AchievementLevel::Low;
  if (v <= m / 2) return AchievementLevel::Medium;
  if (v <= 3 * m / 4) return AchievementLevel::Sufficient;
  return AchievementLevel::High;
}

std::string levelName(AchievementLevel level) {
  switch (level) {
    case AchievementLevel::Low:
      return cp1251("Низький");
    case AchievementLevel::Medium:
      return cp1251("Середній");
    case AchievementLevel::Sufficient:
      return cp1251("Достатній");
    case AchievementLevel::High:
      break;
  }
  return cp1251("Високий");
}

}  // namespace ispyt
