#include "attempt/TaskJudges.h"

namespace ispyt {

void TaskJudges::add(TaskJudge& judge) {
  for (int t = 0; t < static_cast<int>(judges_.size()); ++t)
    if (judge.handles(static_cast<TaskType>(t))) judges_[t] = &judge;
}

TaskJudge* TaskJudges::of(TaskType type) const {
  const auto t = static_cast<unsigned>(type);
  return t < judges_.size() ? judges_[t] : nullptr;
}

bool TaskJudges::handles(TaskType type) const { return of(type) != nullptr; }

bool TaskJudges::laidOut(const Task& task, TaskRecord& record) {
  TaskJudge* j = of(task.type);
  return j && j->laidOut(task, record);
}

bool TaskJudges::optionClicked(const Task& task, TaskRecord& record, int option) {
  TaskJudge* j = of(task.type);
  return j && j->optionClicked(task, record, option);
}

Judgement TaskJudges::judge(const Task& task, TaskRecord& record, AttemptState& state) {
  TaskJudge* j = of(task.type);
  return j ? j->judge(task, record, state) : Judgement{};
}

GiveUpOutcome TaskJudges::giveUp(const Task& task, TaskRecord& record, AttemptState& state) {
  TaskJudge* j = of(task.type);
  return j ? j->giveUp(task, record, state) : GiveUpOutcome::NotAffected;
}

Judgement TaskJudges::hint(const Task& task, TaskRecord& record) {
  TaskJudge* j = of(task.type);
  return j ? j->hint(task, record) : Judgement{};
}

bool TaskJudges::fieldChanged(const Task& task, TaskRecord& record, int field,
                              const std::string& text) {
  TaskJudge* j = of(task.type);
  return j && j->fieldChanged(task, record, field, text);
}

bool TaskJudges::letterChosen(const Task& task, TaskRecord& record, int item,
                              const std::string& letter) {
  TaskJudge* j = of(task.type);
  return j && j->letterChosen(task, record, item, letter);
}

bool TaskJudges::blankChosen(const Task& task, TaskRecord& record, int blank,
                             const std::string& text) {
  TaskJudge* j = of(task.type);
  return j && j->blankChosen(task, record, blank, text);
}

GapEntry TaskJudges::characterEntered(const Task& task, TaskRecord& record, AttemptState& state,
                                      char c) {
  TaskJudge* j = of(task.type);
  return j ? j->characterEntered(task, record, state, c) : GapEntry{};
}

}  // namespace ispyt
