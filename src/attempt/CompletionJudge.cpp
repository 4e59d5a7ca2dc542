#include "attempt/CompletionJudge.h"

#include <algorithm>

#include "attempt/JudgedElement.h"

namespace ispyt {
namespace {

int blankCount(const Task& task) { return std::clamp(task.elementCount, 0, kMaxItems); }

// The letter the chosen variant had before shuffling; '_' when none is chosen.
char letterOf(const Task& task, int blank, const std::string& text) {
  if (text.empty()) return '_';
  for (int v = 1; v <= std::min(task.variantCount, kMaxItems); ++v)
    if (task.variants[blank][v] == text) return task.variantLetters[blank][v];
  return '_';
}

}  // namespace

bool CompletionJudge::handles(TaskType type) const { return type == TaskType::Completion; }

bool CompletionJudge::laidOut(const Task&, TaskRecord&) { return true; }

bool CompletionJudge::optionClicked(const Task&, TaskRecord&, int) { return true; }

bool CompletionJudge::blankChosen(const Task& task, TaskRecord& record, int blank,
                                  const std::string& text) {
  if (blank >= 1 && blank <= blankCount(task)) record.given[blank] = text;
  return true;
}

Judgement CompletionJudge::judge(const Task& task, TaskRecord& record, AttemptState& state) {
  Judgement result;
  const int n = blankCount(task);
  record.answerText.clear();
  for (int j = 1; j <= n; ++j) record.answerText += letterOf(task, j, record.given[j]);
  // In mode 0 the screen writes the correct text into a wrong blank's list.
  for (int j = 1; j <= n; ++j)
    judgeElement(record.given[j] == task.correctTexts[j], j, false, result, record, state);
  return result;
}

// Every blank counts wrong; the first list is emptied.
GiveUpOutcome CompletionJudge::giveUp(const Task& task, TaskRecord& record, AttemptState& state) {
  const int elements = task.elementCount;
  state.elementsJudged += elements;
  state.wrongElements += elements;
  record.wrongCount = elements;
  record.given[1].clear();
  record.answerText.clear();
  return GiveUpOutcome::Submitted;
}

Judgement CompletionJudge::hint(const Task& task, TaskRecord& record) {
  Judgement shown;
  for (int j = 1; j <= blankCount(task); ++j) {
    shown.marks[j] = Feedback::ShownRight;
    record.hintMarks[j] = true;
  }
  return shown;
}

}  // namespace ispyt
