#pragma once
// The judges of all eight task types, registered in one TaskJudges.  The
// per-type judges stay reachable for the input that only their types take
// (typed fields, letters, blanks, grid characters).

#include "attempt/ChoiceJudge.h"
#include "attempt/CompletionJudge.h"
#include "attempt/MatchingJudge.h"
#include "attempt/RestorationJudge.h"
#include "attempt/SequenceJudge.h"
#include "attempt/TaskJudges.h"
#include "attempt/TypedJudge.h"

namespace ispyt {

class AllTaskJudges : public TaskJudges {
 public:
  AllTaskJudges() {
    add(choice);
    add(typed);
    add(sequence);
    add(matching);
    add(restoration);
    add(completion);
  }
  AllTaskJudges(const AllTaskJudges&) = delete;
  AllTaskJudges& operator=(const AllTaskJudges&) = delete;

  ChoiceJudge choice;
  TypedJudge typed;
  SequenceJudge sequence;
  MatchingJudge matching;
  RestorationJudge restoration;
  CompletionJudge completion;
};

}  // namespace ispyt
