#pragma once
// Answering and judging Sequence tasks: the testee orders the items by
// swapping two at a time (a click picks one, a click on another swaps
// them); each position is judged against the correct order.  The order the
// testee leaves is kept in the record's given[1..N], a picked item in
// chosen.

#include "attempt/TaskJudge.h"

namespace ispyt {

class SequenceJudge : public TaskJudge {
 public:
  bool handles(TaskType type) const override;
  bool laidOut(const Task& task, TaskRecord& record) override;
  bool optionClicked(const Task& task, TaskRecord& record, int option) override;
  Judgement judge(const Task& task, TaskRecord& record, AttemptState& state) override;
  GiveUpOutcome giveUp(const Task& task, TaskRecord& record, AttemptState& state) override;
  Judgement hint(const Task& task, TaskRecord& record) override;

  // The letter the item at position `position` of the testee's order had
  // before shuffling.
  static char letterAt(const Task& task, const TaskRecord& record, int position);
};

}  // namespace ispyt
