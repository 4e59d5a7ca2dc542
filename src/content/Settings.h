#pragma once
// The open test's settings, read from its "Config.ini" at every opening.
// Per-task tables are indexed by task number 1..60 (slot 0 holds no task);
// intervals by their number 1..6.

#include <array>
#include <string>

namespace ispyt {

// The password value that means "no password".
inline constexpr int kNoPassword = 47315;

struct Interval {
  int first = 1;
  int last = 1;
};

struct Settings {
  static constexpr int kMaxTasks = 60;
  static constexpr int kMaxIntervals = 6;

  int mode = 4;  // 0 hint, 1 training, 2 test paper, 3 exam, 4 (and above) monitoring
  int timeLimitMinutes = 30;
  bool personalise = true;
  bool shuffle = false;
  bool delay = false;
  bool forbidFreeNavigation = false;
  bool reviewInComposedOrder = false;
  bool showGrade = true;
  int gradeScale = 12;
  bool resultsInPercent = true;
  int guessingCode = 1;                          // one of 0, 1, 2, 3, 4, 5, 9
  std::array<int, kMaxTasks + 1> taskWeights{};  // 0..99, 0 = no weight
  int intervalCount = 1;
  std::array<Interval, kMaxIntervals + 1> intervals{};
  std::array<int, kMaxTasks + 1> taskLinks{};  // 0 unlinked, else 1..8 along a chain
  int password = kNoPassword;
  int launchesLeft = 1;  // 0..99

  bool hasPassword() const { return password != kNoPassword; }
};

// The defaults for a test of `taskCount` tasks (one interval over all of
// them); the launch counter is not a default: it carries over.
Settings defaultSettings(int taskCount, int launchesLeft);

// Intervals 1..k cover tasks 1..n in order, each at least one task long: a
// one-task interval is how a task keeps its place among shuffled ones.
bool intervalsCoverTasks(const Settings& settings, int taskCount);
// Every chain of links runs 1, 2, ... over consecutive tasks of one interval.
bool linksFormChains(const Settings& settings, int taskCount);
// The interval that holds `task`, 0 when none does.
int intervalOf(const Settings& settings, int task);

// Why the tasks first..last cannot become one chain of links.
enum class LinkFault {
  None,
  NotARun,             // fewer than two tasks, or past the test's tasks
  TooLong,             // more than 8 tasks
  OutsideOneInterval,  // not all inside the same interval
  AlreadyLinked,       // a task of the run is in another chain
};
LinkFault linkRunFault(const Settings& settings, int taskCount, int first, int last);
// Gives the run the link digits 1, 2, ... in task order (once linkRunFault
// found nothing).
void linkRun(Settings& settings, int first, int last);

// The guessing-probability choices in the order of the dialog's list:
// "Оптимальна", "Відсутня", "Дуже низька", "Низька", "Середня", "Висока",
// "Дуже висока".
inline constexpr std::array<int, 7> kGuessingCodes = {0, 1, 9, 5, 4, 3, 2};
inline constexpr int kGuessingChoiceCount = 7;
// The choice of a code (-1 when the code is none of them), and the code of a
// choice.
int guessingChoice(int code);
int guessingCodeOf(int choice);
// Windows-1251 names of a choice and of a mode as the dialog shows them
// (a mode above 4 shows as "Моніторинг").
std::string guessingChoiceName(int choice);
std::string modeName(int mode);

}  // namespace ispyt
