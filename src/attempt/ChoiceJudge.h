#pragma once
// Answering and judging SingleChoice, MultipleChoice and CountedChoice
// tasks: options are picked by clicks and judged one by one against the
// correct texts.

#include "attempt/TaskJudge.h"

namespace ispyt {

class ChoiceJudge : public TaskJudge {
 public:
  bool handles(TaskType type) const override;
  bool laidOut(const Task& task, TaskRecord& record) override;
  bool optionClicked(const Task& task, TaskRecord& record, int option) override;
  Judgement judge(const Task& task, TaskRecord& record, AttemptState& state) override;
  GiveUpOutcome giveUp(const Task& task, TaskRecord& record, AttemptState& state) override;
  Judgement hint(const Task& task, TaskRecord& record) override;
};

}  // namespace ispyt
