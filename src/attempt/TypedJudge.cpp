#include "attempt/TypedJudge.h"

#include <algorithm>

#include "attempt/JudgedElement.h"
#include "attempt/TypedText.h"

namespace ispyt {
namespace {

int fieldCount(const Task& task) { return std::clamp(task.elementCount, 0, kMaxFields); }

bool isAccepted(const Task& task, int field, const std::string& text) {
  const int n = std::min({task.acceptedCount[field], kComparedAnswers, kMaxItems});
  for (int a = 1; a <= n; ++a)
    if (TypedEqual(text, task.accepted[field][a])) return true;
  return false;
}

}  // namespace

bool TypedJudge::handles(TaskType type) const { return type == TaskType::DirectInput; }

bool TypedJudge::laidOut(const Task&, TaskRecord&) { return true; }

bool TypedJudge::optionClicked(const Task&, TaskRecord&, int) { return true; }

bool TypedJudge::fieldChanged(const Task& task, TaskRecord& record, int field,
                              const std::string& text) {
  if (field >= 1 && field <= fieldCount(task)) record.given[field] = text;
  return true;
}

Judgement TypedJudge::judge(const Task& task, TaskRecord& record, AttemptState& state) {
  Judgement result;
  record.answerText.clear();
  for (int f = 1; f <= fieldCount(task); ++f) {
    const std::string text = NormaliseTyped(record.given[f]);
    if (f > 1) record.answerText += '|';
    record.answerText += text.empty() ? "_" : text;
    // In mode 0 the screen writes the first accepted answer into a wrong field.
    judgeElement(!text.empty() && isAccepted(task, f, text), f, false, result, record, state);
  }
  return result;
}

GiveUpOutcome TypedJudge::giveUp(const Task&, TaskRecord&, AttemptState&) {
  return GiveUpOutcome::NotAffected;
}

Judgement TypedJudge::hint(const Task& task, TaskRecord& record) {
  Judgement shown;
  for (int f = 1; f <= fieldCount(task); ++f) {
    shown.marks[f] = Feedback::ShownRight;
    record.hintMarks[f] = true;
  }
  return shown;
}

}  // namespace ispyt
