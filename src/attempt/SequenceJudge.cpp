#include "attempt/SequenceJudge.h"

#include <algorithm>

#include "attempt/JudgedElement.h"

namespace ispyt {
namespace {

int itemCount(const Task& task) { return std::clamp(task.itemCount, 0, kMaxOrderItems); }

int picked(const Task& task, const TaskRecord& record) {
  for (int j = 1; j <= itemCount(task); ++j)
    if (record.chosen[j]) return j;
  return 0;
}

bool orderAsShown(const Task& task, const TaskRecord& record) {
  for (int j = 1; j <= itemCount(task); ++j)
    if (record.given[j] != task.items[j]) return false;
  return true;
}

}  // namespace

bool SequenceJudge::handles(TaskType type) const { return type == TaskType::Sequence; }

// The order shown may be submitted unchanged; a task shown again keeps the
// order the testee left.
bool SequenceJudge::laidOut(const Task& task, TaskRecord& record) {
  const int n = itemCount(task);
  if (std::all_of(record.given.begin() + 1, record.given.begin() + n + 1,
                  [](const std::string& s) { return s.empty(); }))
    std::copy(task.items.begin() + 1, task.items.begin() + n + 1, record.given.begin() + 1);
  return picked(task, record) == 0;
}

bool SequenceJudge::optionClicked(const Task& task, TaskRecord& record, int option) {
  if (option < 1 || option > itemCount(task)) return picked(task, record) == 0;
  const int p = picked(task, record);
  if (p == 0) {
    record.chosen[option] = true;
    return false;
  }
  record.chosen[p] = false;
  if (p != option) {
    std::swap(record.given[p], record.given[option]);
    record.orderChanged = !orderAsShown(task, record);
  }
  return true;
}

char SequenceJudge::letterAt(const Task& task, const TaskRecord& record, int position) {
  // Equal texts share a letter in display order: the first unused one.
  Slots<bool> used{};
  for (int j = 1; j <= position; ++j)
    for (int i = 1; i <= itemCount(task); ++i)
      if (!used[i] && task.items[i] == record.given[j]) {
        used[i] = true;
        if (j == position) return task.itemLetters[i];
        break;
      }
  return '_';
}

Judgement SequenceJudge::judge(const Task& task, TaskRecord& record, AttemptState& state) {
  Judgement result;
  record.answerText.clear();
  for (int j = 1; j <= itemCount(task); ++j) {
    record.answerText += letterAt(task, record, j);
    judgeElement(record.given[j] == task.correctTexts[j], j, true, result, record, state);
    // A right position is shown only where the answer is practised.
    if (state.mode == kModeExam && result.marks[j] == Feedback::Right)
      result.marks[j] = Feedback::None;
  }
  return result;
}

// Given up without a move, the whole order counts wrong at once; once the
// testee has moved items, it is judged as it stands.
GiveUpOutcome SequenceJudge::giveUp(const Task& task, TaskRecord& record, AttemptState& state) {
  std::fill(record.chosen.begin(), record.chosen.end(), false);
  if (record.orderChanged) {
    judge(task, record, state);
    return GiveUpOutcome::Submitted;
  }
  const int n = itemCount(task);
  record.answerText.clear();
  for (int j = 1; j <= n; ++j) record.answerText += letterAt(task, record, j);
  state.elementsJudged += n;
  state.wrongElements += n;
  record.wrongCount = n;
  return GiveUpOutcome::Submitted;
}

// The correct order is shown; a hinted sequence keeps no guessing count.
Judgement SequenceJudge::hint(const Task& task, TaskRecord& record) {
  Judgement shown;
  for (int j = 1; j <= itemCount(task); ++j) {
    shown.marks[j] = Feedback::ShownRight;
    record.hintMarks[j] = true;
  }
  record.missCount = 0;
  return shown;
}

}  // namespace ispyt
