#include "attempt/ChoiceJudge.h"

#include <algorithm>

namespace ispyt {
namespace {

int chosenCount(const Task& task, const TaskRecord& record) {
  int n = 0;
  for (int j = 1; j <= task.itemCount; ++j)
    if (record.chosen[j]) ++n;
  return n;
}

bool isCorrect(const Task& task, int option) {
  return task.items[option] == task.correctTexts[option];
}

void countWrong(TaskRecord& record, AttemptState& state) {
  ++state.wrongElements;
  ++record.wrongCount;
  ++record.missCount;
}

}  // namespace

bool ChoiceJudge::handles(TaskType type) const {
  return type == TaskType::SingleChoice || type == TaskType::MultipleChoice ||
         type == TaskType::CountedChoice;
}

// A counted choice is complete only with exactly as many options chosen as
// are correct.
bool ChoiceJudge::laidOut(const Task& task, TaskRecord& record) {
  const int n = chosenCount(task, record);
  return task.type == TaskType::CountedChoice ? n == task.correctCount : n > 0;
}

// Every option of the task is counted, not only the first seven: a single
// choice may have up to 13 options, and the eighth must be answerable too.
bool ChoiceJudge::optionClicked(const Task& task, TaskRecord& record, int option) {
  const int n = chosenCount(task, record);
  if (record.chosen[option])
    record.chosen[option] = false;
  else if (task.type == TaskType::MultipleChoice || n == 0 ||
           (task.type == TaskType::CountedChoice && n < task.correctCount))
    record.chosen[option] = true;
  return laidOut(task, record);
}

Judgement ChoiceJudge::judge(const Task& task, TaskRecord& record, AttemptState& state) {
  Judgement result;
  const int mode = state.mode;
  const bool single = task.type == TaskType::SingleChoice;
  // A counted choice cannot take every correct option once a wrong one is
  // chosen, so a correct option left unchosen is not held against it.
  const bool counted = task.type == TaskType::CountedChoice;
  const bool showRight = mode == kModeHint || mode == kModeTraining;
  const bool showWrong = mode != kModeTestPaper && mode != kModeMonitoring;
  if (single) ++state.elementsJudged;
  record.answerText.clear();
  record.optionMarks.assign(kMaxItems, '0');
  for (int j = 1; j <= task.itemCount; ++j) {
    const bool chosen = record.chosen[j];
    const bool correct = isCorrect(task, j);
    if (chosen) {
      record.answerText += task.itemLetters[j];
      record.optionMarks[j - 1] = '1';
    }
    if (!single && (chosen || (correct && !counted))) ++state.elementsJudged;
    if (chosen && correct) {
      if (showRight) result.marks[j] = Feedback::Right;
    } else if (chosen) {
      if (showWrong) result.marks[j] = Feedback::Wrong;
      countWrong(record, state);
    } else if (correct) {
      if (!single && !counted) countWrong(record, state);
      if (mode == kModeHint) {
        result.marks[j] = Feedback::ShownRight;
        record.hintMarks[j] = true;
        state.feedbackPause = true;
      }
    }
  }
  if (!single) std::sort(record.answerText.begin(), record.answerText.end());
  return result;
}

GiveUpOutcome ChoiceJudge::giveUp(const Task& task, TaskRecord& record, AttemptState& state) {
  const int elements = task.type == TaskType::SingleChoice ? 1 : task.elementCount;
  state.elementsJudged += elements;
  state.wrongElements += elements;
  record.wrongCount = elements;
  record.answerText.clear();
  record.optionMarks.assign(kMaxItems, '0');
  return GiveUpOutcome::Submitted;
}

Judgement ChoiceJudge::hint(const Task& task, TaskRecord& record) {
  Judgement shown;
  for (int j = 1; j <= task.itemCount; ++j)
    if (isCorrect(task, j)) {
      shown.marks[j] = Feedback::ShownRight;
      record.hintMarks[j] = true;
    }
  return shown;
}

}  // namespace ispyt
