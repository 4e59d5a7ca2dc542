#include "results/Scoring.h"

#include <algorithm>

#include "platform/Rounding.h"

namespace ispyt {
namespace {

double ratio(double a, double b) { return b == 0 ? 0.0 : a / b; }

// Counts read from a damaged file can be any 32-bit values: the arithmetic
// runs wide and results are kept within int.
int toInt(double x) { return roundHalfEven(std::clamp(x, -1e9, 1e9)); }
int toInt(long long x) {
  return static_cast<int>(std::clamp<long long>(x, -1000000000, 1000000000));
}

// The values of the weighted sum shared by grading and regrading.
struct TaskTerms {
  int weightSum = 0;                                      // S
  double value(const GradingCounts& c, int slot) const {  // w[k]
    if (weightSum != 0) return ratio(120.0, weightSum) * c.weight[slot];
    return ratio(120.0, c.elementsJudged) * c.elementCount[slot];
  }
  int denominator(const GradingCounts& c, int slot) const {  // d[k]
    if (c.judgedElements[slot] != 0 && weightSum != 0) return c.judgedElements[slot];
    return c.elementCount[slot];
  }
  int guessDivisor(const GradingCounts& c, int slot) const {  // h[k]
    return c.guessingCode == 0 ? c.itemCount[slot] : c.guessingCode;
  }
};

int taskCountOf(const GradingCounts& c) { return std::clamp(c.taskCount, 0, kMaxTasks); }

TaskTerms termsOf(const GradingCounts& c) {
  TaskTerms t;
  for (int k = 1; k <= taskCountOf(c); ++k) t.weightSum += c.weight[k];
  return t;
}

// The table slot of position k, or 0 when no task stands there.
int slotAt(const GradingCounts& c, int k) {
  if (!c.displayOrder) return k;
  int slot = (*c.displayOrder)[k];
  return slot >= 1 && slot <= kMaxTasks ? slot : 0;
}

int examResult(const GradingCounts& c) {
  const int n = taskCountOf(c);
  int r = toInt(120.0 - ratio((c.pass - 1.0) * 120.0, n));
  if (c.tasksDone < n) {
    double elements = 0;
    for (int k = 1; k <= n; ++k) elements += c.elementCount[k];
    r = toInt(r - ratio(120.0, elements) * (elements - c.bestInExam));
  }
  return std::clamp(r, 1, 120);  // a stored pass below 1 would lift it above
}

}  // namespace

ScoreOutcome ComputeResult(const GradingCounts& c) {
  ScoreOutcome out;
  if (c.mode == 3) {
    out.result120 = examResult(c);
    return out;
  }
  double e = 120.0;
  if (c.mode == 0) {
    e -= ratio(120.0, c.elementsJudged) * c.wrongElements;
  } else {
    const TaskTerms t = termsOf(c);
    for (int k = 1; k <= taskCountOf(c); ++k) {
      const int slot = slotAt(c, k);
      if (slot == 0) {
        out.everyPositionHoldsATask = false;
        continue;
      }
      const double w = t.value(c, slot);
      e -= ratio(w, t.denominator(c, slot)) * c.wrongCount[slot];
      if (c.guessingCode != 1) {
        const double v = w != 0 ? w : ratio(120.0, c.elementsJudged);
        e -= c.missCount[slot] * ratio(ratio(v, c.elementCount[slot]), t.guessDivisor(c, slot));
      }
    }
  }
  // A stored report of an attempt broken off can still carry TE = -1,
  // which would lift a hint-mode result above the scale.
  int r = std::min(toInt(e), 120);
  if (c.wrongElements == 0) r = 120;
  if (r == 120 && c.wrongElements != 0) r = 119;
  out.result120 = r;
  return out;
}

int RecomputeGrade(const GradingCounts& c, int gradeScale) {
  const TaskTerms t = termsOf(c);
  long long elements = 0;
  long long wrong = 0;
  double e = 120.0;
  for (int k = 1; k <= taskCountOf(c); ++k) {
    elements += c.elementCount[k];
    wrong += c.wrongCount[k];
    const double w = t.value(c, k);
    e -= ratio(w, t.denominator(c, k)) * c.wrongCount[k];
    if (c.guessingCode != 1)
      e -= c.missCount[k] * ratio(ratio(w, c.elementCount[k]), t.guessDivisor(c, k));
  }
  if (elements == wrong) return 0;
  const long long r = toInt(e);
  if ((gradeScale * r) / 120 < 0) return 1;
  return toInt(gradeScale * r / 120.0);
}

int TaskPercent(int judged, int wrong, int elementCount) {
  const long long of = judged != 0 ? judged : elementCount;
  return of == 0 ? 0 : toInt((of - wrong) * 100 / of);
}

int TaskPercent(const GradingCounts& c, int k) {
  return TaskPercent(c.judgedElements[k], c.wrongCount[k], c.elementCount[k]);
}

int wrongPercent(int wrongElements, int elementsJudged) {
  return elementsJudged == 0 ? 100 : toInt(wrongElements * 100LL / elementsJudged);
}

int attemptPercent(int wrongElements, int elementsJudged) {
  return 100 - wrongPercent(wrongElements, elementsJudged);
}

}  // namespace ispyt
