#include "results/ResultSummary.h"

#include "content/Settings.h"
#include "platform/Cp1251.h"

namespace ispyt {

std::string storedResultSummary(const AttemptResult& result, const StudentCard& card,
                                const AttemptState& attempt, const GradeOutcome& grade,
                                int gradeScale) {
  std::string text = cp1251("Результат ") + result.attemptCode + "\n";
  std::string who = card.fullName;
  const bool hasClass = !card.classGroup.empty() && card.classGroup != " -";
  if (hasClass) who += (who.empty() ? "" : ", ") + card.classGroup;
  if (!who.empty()) text += who + "\n";
  text += result.dateText + "  " + result.timeText + "\n";
  text += cp1251("Режим: ") + modeName(attempt.mode) + "\n";
  text += cp1251("Виконано завдань: ") + std::to_string(attempt.tasksDone) + cp1251(" з ") +
          std::to_string(attempt.taskCount) + "\n";
  if (attempt.wrongElements == kBrokenOff) text += cp1251("Тест перервано") + "\n";
  text += cp1251("Правильних відповідей: ") + std::to_string(result.percent) + " %";
  if (grade.shown)
    text += "\n" + cp1251("Оцінка: ") + std::to_string(grade.grade) + cp1251(" з ") +
            std::to_string(gradeScale);
  return text;
}

}  // namespace ispyt
