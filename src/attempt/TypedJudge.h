#pragma once
// Answering and judging DirectInput tasks: up to three typed fields, each
// judged against its accepted answers.  The typed text of field f is kept
// in the record's given[f].

#include <string>

#include "attempt/TaskJudge.h"

namespace ispyt {

class TypedJudge : public TaskJudge {
 public:
  bool handles(TaskType type) const override;
  bool laidOut(const Task& task, TaskRecord& record) override;
  bool optionClicked(const Task& task, TaskRecord& record, int option) override;
  Judgement judge(const Task& task, TaskRecord& record, AttemptState& state) override;
  GiveUpOutcome giveUp(const Task& task, TaskRecord& record, AttemptState& state) override;
  Judgement hint(const Task& task, TaskRecord& record) override;

  // Field `field` (1..3) now holds `text`; the answer stays complete.
  bool fieldChanged(const Task& task, TaskRecord& record, int field,
                    const std::string& text) override;
};

}  // namespace ispyt
