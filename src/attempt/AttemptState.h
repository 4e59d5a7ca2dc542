#pragma once
// The running attempt: its mode and clock, the current task, the running
// counts of judged and wrong answer elements, and what the testee answered
// per task.  One instance lives in the workstation from start-up to exit;
// the attempt engine changes it, the card, grading and result files read it.
//
// Per-task tables are indexed by the position of the task in the attempt
// (1..60, slot 0 holds no task); per-option tables by option 1..13.

#include <array>
#include <string>

#include "attempt/FocusLosses.h"
#include "content/Test.h"

namespace ispyt {

// Working modes as `Settings::mode` stores them.
enum AttemptMode : int {
  kModeHint = 0,        // "Підказка"
  kModeTraining = 1,    // "Тренінг"
  kModeTestPaper = 2,   // "Контрольна робота"
  kModeExam = 3,        // "Залік"
  kModeMonitoring = 4,  // "Моніторинг"
};

// How the attempt ended (the four end messages), or that it has not.
enum class AttemptEnd {
  None,
  Failed,     // "Спроба невдала" (mode 3)
  BrokenOff,  // " Тест перервано"
  Finished,   // " Тест завершено"
  TimeOver,   // "Час закінчено"
};

// `wrongElements` of an attempt broken off through "Вихід".
inline constexpr int kBrokenOff = -1;

struct TaskRecord {
  // Submitted (a Sequence also counts while `orderChanged`, see countsDone).
  bool done = false;
  // Sequence: the order the testee left differs from the order first shown.
  bool orderChanged = false;
  int wrongCount = 0;
  // The wrong elements that count for the guessing correction: -1 for every
  // task in mode 3 and 0 otherwise at the start.
  int missCount = 0;
  // How much `elementsJudged` grew while this task was judged (0 = never).
  int judgedElements = 0;
  // The answer as the result files record it.
  std::string answerText;
  // One character per option 1..13: '1' chosen, '0' not (choice types);
  // Matching keeps the chosen right-hand index + 13 here.
  std::string optionMarks = std::string(kMaxItems, '0');

  // The testee's input while the task is shown.
  Slots<bool> chosen{};      // choice types: option picked
  Slots<bool> hintMarks{};   // options shown as correct by a hint or after a wrong answer
  Slots<std::string> given;  // typed texts, chosen blank texts, the order left
  std::string gapAnswers;    // Restoration: every character typed for the gaps

  bool countsDone() const { return done || orderChanged; }
};

struct AttemptState {
  int mode = kModeMonitoring;
  int timeLimit = 30;   // minutes
  int elapsed = 0;      // seconds since the attempt started
  int lastMoveAt = 0;   // `elapsed` at the last free move between tasks
  int currentTask = 0;  // 1..taskCount (taskCount + 1 = past the end); 0 = no attempt
  int taskCount = 0;
  int elementsJudged = 0;
  int wrongElements = 0;  // kBrokenOff marks an attempt broken off
  int tasksDone = 0;
  int bestInExam = 0;  // mode 3: best elementsJudged - wrongElements of this opening
  // Mode 3: the number of the current run through the test (1 at the first,
  // raised by each "Спроба невдала"); 0 in the other modes.
  int pass = 0;
  int pauseAt = -1;   // `elapsed` at which the main button becomes active again
  int hintsUsed = 0;  // mode 0 hints given since the test was opened

  bool running = false;  // an attempt is under way and the clock counts
  bool answerReady = false;
  bool buttonActive = false;
  bool feedbackPause = false;
  bool reviewing = false;
  bool timeOver = false;
  bool freeMovesAllowed = false;  // cleared when an attempt is broken off
  AttemptEnd end = AttemptEnd::None;

  std::array<TaskRecord, kMaxTasks + 1> tasks{};
  // The file number of the task shown at each wheel position (identity
  // until the order is shuffled).
  std::array<int, kMaxTasks + 1> displayOrder{};
  // Since the clock started (a repeat in mode 3 goes on counting).
  FocusLosses focusLosses;

  TaskRecord& task(int k) { return tasks[k]; }
  const TaskRecord& task(int k) const { return tasks[k]; }

  // Every per-task record to its start value for `mode`, the display order
  // to the identity.
  void resetTaskTables();
  bool allDone() const;
  int doneCount() const;
};

}  // namespace ispyt
