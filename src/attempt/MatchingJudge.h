#pragma once
// Answering and judging Matching tasks: each left item gets the letter
// ("А".."Ж") of a right-hand item from its list; each pair is judged.  The
// letter shown in the panel of left item p is kept in the record's given[p]
// (empty while the panel is empty).

#include <string>

#include "attempt/TaskJudge.h"

namespace ispyt {

class MatchingJudge : public TaskJudge {
 public:
  bool handles(TaskType type) const override;
  bool laidOut(const Task& task, TaskRecord& record) override;
  bool optionClicked(const Task& task, TaskRecord& record, int option) override;
  Judgement judge(const Task& task, TaskRecord& record, AttemptState& state) override;
  GiveUpOutcome giveUp(const Task& task, TaskRecord& record, AttemptState& state) override;
  Judgement hint(const Task& task, TaskRecord& record) override;

  // The list of left item `item` was set to `letter`; a letter another panel
  // already shows empties this one.  Returns whether every left item has a
  // letter.
  bool letterChosen(const Task& task, TaskRecord& record, int item,
                    const std::string& letter) override;

  // The right-hand letters in order, as Windows-1251 bytes.
  static const std::string& letters();
};

}  // namespace ispyt
