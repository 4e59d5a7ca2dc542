#include "content/Settings.h"

#include <algorithm>

#include "platform/Cp1251.h"

namespace ispyt {

Settings defaultSettings(int taskCount, int launchesLeft) {
  Settings s;
  s.intervals[1] = {1, std::clamp(taskCount, 1, Settings::kMaxTasks)};
  s.launchesLeft = launchesLeft;
  return s;
}

bool intervalsCoverTasks(const Settings& s, int n) {
  if (s.intervalCount < 1 || s.intervalCount > Settings::kMaxIntervals) return false;
  int next = 1;
  for (int j = 1; j <= s.intervalCount; ++j) {
    if (s.intervals[j].first != next || s.intervals[j].last < s.intervals[j].first) return false;
    next = s.intervals[j].last + 1;
  }
  return next == n + 1;
}

int intervalOf(const Settings& s, int task) {
  for (int j = 1; j <= s.intervalCount && j <= Settings::kMaxIntervals; ++j)
    if (task >= s.intervals[j].first && task <= s.intervals[j].last) return j;
  return 0;
}

bool linksFormChains(const Settings& s, int n) {
  for (int i = 1; i <= n; ++i) {
    int d = s.taskLinks[i];
    if (d < 0 || d > 8) return false;
    if (d > 1 &&
        (i == 1 || s.taskLinks[i - 1] != d - 1 || intervalOf(s, i - 1) != intervalOf(s, i)))
      return false;
  }
  return true;
}

LinkFault linkRunFault(const Settings& s, int n, int first, int last) {
  if (first < 1 || last > std::min(n, Settings::kMaxTasks) || last <= first)
    return LinkFault::NotARun;
  if (last - first + 1 > 8) return LinkFault::TooLong;
  // Outside every interval a task keeps its place anyway: nothing to link.
  const int interval = intervalOf(s, first);
  if (interval == 0 || intervalOf(s, last) != interval) return LinkFault::OutsideOneInterval;
  for (int i = first; i <= last; ++i)
    if (s.taskLinks[i] != 0) return LinkFault::AlreadyLinked;
  return LinkFault::None;
}

void linkRun(Settings& s, int first, int last) {
  for (int i = first; i <= last; ++i) s.taskLinks[i] = i - first + 1;
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
