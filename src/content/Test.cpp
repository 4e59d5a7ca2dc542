#include "content/Test.h"

#include "platform/Cp1251.h"

namespace ispyt {

std::string taskTypeTitle(const Task& task) {
  switch (task.type) {
    case TaskType::SingleChoice:
      return cp1251("Одиничний вибір");
    case TaskType::MultipleChoice:
      return cp1251("Множинний вибір");
    case TaskType::DirectInput:
      return cp1251("Пряме введення");
    case TaskType::Sequence:
      return cp1251("Послідовність");
    case TaskType::Matching:
      return cp1251("Відповідність");
    case TaskType::Restoration:
      return cp1251("Відновлення");
    case TaskType::CountedChoice:
      return cp1251("Множинний вибір-") + std::to_string(task.correctCount);
    case TaskType::Completion:
      return cp1251("Доповнення");
  }
  return {};
}

void Test::reset() {
  title.clear();
  taskCount = 0;
  for (Task& t : tasks) t = Task();
}

}  // namespace ispyt
