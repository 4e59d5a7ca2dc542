#include "attempt/MatchingJudge.h"

#include <algorithm>

#include "attempt/JudgedElement.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

// optionMarks keeps the chosen right-hand index plus this offset.
constexpr int kMarkOffset = 13;

int leftCount(const Task& task) { return std::clamp(task.itemCount - 1, 0, kMaxMatchingLeft); }

bool allLettered(const Task& task, const TaskRecord& record) {
  for (int p = 1; p <= leftCount(task); ++p)
    if (record.given[p].empty()) return false;
  return true;
}

// The place of `letter` in the letter list, 1 when it is not there.
int indexOf(const std::string& letter) {
  const std::string& all = MatchingJudge::letters();
  const auto at = letter.size() == 1 ? all.find(letter[0]) : std::string::npos;
  return at == std::string::npos ? 1 : static_cast<int>(at) + 1;
}

}  // namespace

const std::string& MatchingJudge::letters() {
  static const std::string all = cp1251("АБВГДЕЄЖ");
  return all;
}

bool MatchingJudge::handles(TaskType type) const { return type == TaskType::Matching; }

bool MatchingJudge::laidOut(const Task& task, TaskRecord& record) {
  return allLettered(task, record);
}

bool MatchingJudge::optionClicked(const Task& task, TaskRecord& record, int) {
  return allLettered(task, record);
}

namespace {

// The letters of the right-hand items shown; a "--" item is not shown.
bool offered(const Task& task, const std::string& letter) {
  const int shown = task.hasEmptyRightItem ? task.itemCount - 1 : task.itemCount;
  const std::string& all = MatchingJudge::letters();
  const auto at = letter.size() == 1 ? all.find(letter[0]) : std::string::npos;
  return at != std::string::npos && static_cast<int>(at) < shown;
}

}  // namespace

bool MatchingJudge::letterChosen(const Task& task, TaskRecord& record, int item,
                                 const std::string& letter) {
  // A letter no list offers would be judged as the first one: it is ignored.
  if (item < 1 || item > leftCount(task) || (!letter.empty() && !offered(task, letter)))
    return allLettered(task, record);
  bool taken = false;
  for (int q = 1; q <= leftCount(task); ++q)
    if (q != item && !letter.empty() && record.given[q] == letter) taken = true;
  record.given[item] = taken && record.given[item] != letter ? std::string() : letter;
  return allLettered(task, record);
}

Judgement MatchingJudge::judge(const Task& task, TaskRecord& record, AttemptState& state) {
  Judgement result;
  record.answerText.clear();
  record.optionMarks.assign(kMaxItems, '0');
  for (int p = 1; p <= leftCount(task); ++p) {
    const int index = indexOf(record.given[p]);
    record.optionMarks[p - 1] = static_cast<char>(index + kMarkOffset);
    record.answerText += record.given[p];
    // An empty panel is recorded as the first letter but never judged right.
    // In mode 0 the screen puts the correct letter into a wrong pair's panel.
    const bool right = !record.given[p].empty() && task.rightItems[index] == task.correctTexts[p];
    judgeElement(right, p, false, result, record, state);
  }
  return result;
}

GiveUpOutcome MatchingJudge::giveUp(const Task& task, TaskRecord& record, AttemptState& state) {
  const int elements = leftCount(task);
  state.elementsJudged += elements;
  state.wrongElements += elements;
  record.wrongCount = elements;
  record.answerText.clear();
  record.optionMarks.assign(kMaxItems, static_cast<char>(kMarkOffset));
  return GiveUpOutcome::Submitted;
}

Judgement MatchingJudge::hint(const Task& task, TaskRecord& record) {
  Judgement shown;
  for (int p = 1; p <= leftCount(task); ++p) {
    shown.marks[p] = Feedback::ShownRight;
    record.hintMarks[p] = true;
  }
  return shown;
}

}  // namespace ispyt
