#pragma once
// The judges of all task types behind one TaskJudge: each call goes to the
// judge registered for the task's type.  A type without a judge cannot be
// answered (its answer never becomes complete).

#include <array>

#include "attempt/TaskJudge.h"

namespace ispyt {

class TaskJudges : public TaskJudge {
 public:
  void add(TaskJudge& judge);

  bool handles(TaskType type) const override;
  bool laidOut(const Task& task, TaskRecord& record) override;
  bool optionClicked(const Task& task, TaskRecord& record, int option) override;
  Judgement judge(const Task& task, TaskRecord& record, AttemptState& state) override;
  GiveUpOutcome giveUp(const Task& task, TaskRecord& record, AttemptState& state) override;
  Judgement hint(const Task& task, TaskRecord& record) override;
  bool fieldChanged(const Task& task, TaskRecord& record, int field,
                    const std::string& text) override;
  bool letterChosen(const Task& task, TaskRecord& record, int item,
                    const std::string& letter) override;
  bool blankChosen(const Task& task, TaskRecord& record, int blank,
                   const std::string& text) override;
  GapEntry characterEntered(const Task& task, TaskRecord& record, AttemptState& state,
                            char c) override;

 private:
  TaskJudge* of(TaskType type) const;
  std::array<TaskJudge*, 8> judges_{};
};

}  // namespace ispyt
