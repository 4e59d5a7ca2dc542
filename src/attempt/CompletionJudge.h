#pragma once
// Answering and judging Completion tasks: each blank of the text takes one
// of its variants from a list; each blank is judged against its correct
// text.  The text chosen for blank j is kept in the record's given[j]
// (empty while none is chosen).

#include <string>

#include "attempt/TaskJudge.h"

namespace ispyt {

class CompletionJudge : public TaskJudge {
 public:
  bool handles(TaskType type) const override;
  bool laidOut(const Task& task, TaskRecord& record) override;
  bool optionClicked(const Task& task, TaskRecord& record, int option) override;
  Judgement judge(const Task& task, TaskRecord& record, AttemptState& state) override;
  GiveUpOutcome giveUp(const Task& task, TaskRecord& record, AttemptState& state) override;
  Judgement hint(const Task& task, TaskRecord& record) override;

  // Blank `blank` now shows `text`; the answer stays complete.
  bool blankChosen(const Task& task, TaskRecord& record, int blank,
                   const std::string& text) override;
};

}  // namespace ispyt
