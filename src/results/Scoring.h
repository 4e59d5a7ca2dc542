#pragma once
// The result of an attempt on the 0..120 scale and its percentages.
//
// A term whose divisor is 0 adds nothing: nothing judged (T = 0) makes the
// unweighted task values 0, a task with no elements costs nothing and its
// guessing share is 0, and a test with no tasks or elements takes nothing
// off an exam result.  A percentage of nothing judged is 0.

#include "results/GradingCounts.h"

namespace ispyt {

struct ScoreOutcome {
  int result120 = 0;
  // False when a position of a stored report holds no task: its grade is
  // then not shown ("Оцінка" switched off).
  bool everyPositionHoldsATask = true;
};

ScoreOutcome ComputeResult(const GradingCounts& counts);

// The grade of a stored monitoring row on a scale of `gradeScale`: its E,
// D and G, its T, and F, B, W, L of the open test (slots are file numbers).
int RecomputeGrade(const GradingCounts& counts, int gradeScale);

// Right elements of the task in slot k, in per cent of those judged (of
// its element count when it was never judged); 0 for a task of no
// elements.
int TaskPercent(const GradingCounts& counts, int k);
int TaskPercent(int judged, int wrong, int elementCount);

// Wrong elements in per cent of those judged (TE * 100 div T), 100 when
// nothing was judged; the whole-attempt percentage is 100 less it.
int wrongPercent(int wrongElements, int elementsJudged);
int attemptPercent(int wrongElements, int elementsJudged);

}  // namespace ispyt
