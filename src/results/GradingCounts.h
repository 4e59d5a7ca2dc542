#pragma once
// The numbers grading reads, gathered from the attempt, the test and its
// settings (or from stored records), so that the arithmetic needs nothing
// else and can be checked with plain numbers.

#include <optional>

#include "results/AttemptResult.h"

namespace ispyt {

struct GradingCounts {
  int mode = 1;            // 0..3, 4 and above monitoring
  int taskCount = 0;       // N
  int elementsJudged = 0;  // T
  int wrongElements = 0;   // TE; -1 marks an attempt broken off
  int tasksDone = 0;
  int bestInExam = 1;    // mode 3: best right elements of a run; 1 elsewhere
  int pass = 0;          // mode 3: from 1; else 0
  int guessingCode = 1;  // L: 0 optimal, 1 none, else the divisor
  // Per table slot 1..60.
  PerTask elementCount{};    // F
  PerTask itemCount{};       // B
  PerTask weight{};          // W
  PerTask wrongCount{};      // E
  PerTask missCount{};       // D
  PerTask judgedElements{};  // G
  // Unset when slot k is position k (an attempt just ended).  For a stored
  // report the slots are file numbers, and this gives the file number at
  // each position (0: no task there).
  std::optional<PerTask> displayOrder;
};

inline bool isMonitoringMode(int mode) { return mode >= 4; }
// The modes whose results keep per-task records: 1, 2 and monitoring.
inline bool keepsTaskRecords(int mode) { return mode == 1 || mode == 2 || mode >= 4; }

}  // namespace ispyt
