#include "shell/Settings.h"

#include <algorithm>

#include "platform/Cp1251.h"

namespace ispyt {

Settings defaultSettings(int taskCount, int launchesLeft) {
  Settings s;
  s.intervals[1] = {1, std::clamp(taskCount, 1, Settings::kMaxTasks)};
  s.launchesLeft = launchesLeft;
  return s;
}

int guessingChoice(int code) {
  auto it = std::find(kGuessingCodes.begin(), kGuessingCodes.end(), code);
  return it == kGuessingCodes.end() ? -1 : static_cast<int>(it - kGuessingCodes.begin());
}

int guessingCodeOf(int choice) {
  return choice >= 0 && choice < kGuessingChoiceCount ? kGuessingCodes[choice] : 1;
}

std::string guessingChoiceName(int choice) {
  static const char* const kNames[kGuessingChoiceCount] = {
      "Оптимальна", "Відсутня", "Дуже низька", "Низька", "Середня", "Висока", "Дуже висока"};
  return choice >= 0 && choice < kGuessingChoiceCount ? cp1251(kNames[choice]) : std::string();
}

std::string modeName(int mode) {
  static const char* const kNames[5] = {"Підказка", "Тренінг", "Контрольна робота", "Залік",
                                        "Моніторинг"};
  return cp1251(kNames[mode >= 0 && mode < 4 ? mode : 4]);
}

}  // namespace ispyt
