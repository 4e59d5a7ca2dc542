#pragma once
// Answering and judging one task, by its type: what makes an answer
// complete, how a submitted answer is judged and recorded, what giving up
// counts, and which marks the screen shows afterwards.  The engine calls
// these for the current task; each task type brings its own judge.

#include <string>

#include "attempt/AttemptState.h"
#include "content/Test.h"

namespace ispyt {

// What a slot (option, field, blank, position) shows after judging.
enum class Feedback : unsigned char {
  None,
  Picked,      // chosen, not judged yet: yellow
  Right,       // green
  Wrong,       // pink (options) or orange (fields, positions)
  ShownRight,  // the correct one shown by a hint or after a wrong answer: cyan
};

struct Judgement {
  Slots<Feedback> marks{};
};

// What a character entered into a Restoration gap did.
struct GapEntry {
  bool taken = false;   // the task still had an open gap
  bool right = false;   // the character was the gap's missing one
  bool ready = false;   // every gap is done: the main button completes the task
  bool failed = false;  // mode 3: a wrong character completes the task at once
  int gap = 0;          // the gap the character went to (1..)
  // How the character is drawn: Right green, Wrong red, None navy (modes 2
  // and 4 show no judgement), ShownRight: mode 0 blinks the expected one.
  Feedback mark = Feedback::None;
};

enum class GiveUpOutcome {
  NotAffected,  // the type ignores giving up
  Submitted,    // counted as given up; the engine moves on
  Continues,    // the task stays (a Restoration gap got a wrong character)
};

class TaskJudge {
 public:
  virtual ~TaskJudge() = default;

  virtual bool handles(TaskType type) const = 0;
  // The task's controls are laid out; returns whether the answer as shown
  // may be submitted at once.
  virtual bool laidOut(const Task& task, TaskRecord& record) = 0;
  // A click on option `option`; returns whether the answer is complete.
  virtual bool optionClicked(const Task& task, TaskRecord& record, int option) = 0;
  // Judges the submitted answer: the counts of `state`, the record's
  // wrongCount, missCount, answerText and optionMarks, and in mode 0 on a
  // wrong answer `state.feedbackPause`.
  virtual Judgement judge(const Task& task, TaskRecord& record, AttemptState& state) = 0;
  virtual GiveUpOutcome giveUp(const Task& task, TaskRecord& record, AttemptState& state) = 0;
  // A hint (mode 0): the correct answer shown, recorded in hintMarks.
  virtual Judgement hint(const Task& task, TaskRecord& record) = 0;

  // Input that only some types take; the engine passes each only to a task
  // of its type, so the others keep these bodies.  Each returns whether the
  // answer is complete.
  // DirectInput: field `field` (1..3) now holds `text`.
  virtual bool fieldChanged(const Task&, TaskRecord&, int /*field*/, const std::string&) {
    return false;
  }
  // Matching: the list of left item `item` was set to `letter` (empty: none).
  virtual bool letterChosen(const Task&, TaskRecord&, int /*item*/, const std::string&) {
    return false;
  }
  // Completion: blank `blank` now shows `text` (empty: none).
  virtual bool blankChosen(const Task&, TaskRecord&, int /*blank*/, const std::string&) {
    return false;
  }
  // Restoration: character `c` entered into the current gap, judged at once.
  virtual GapEntry characterEntered(const Task&, TaskRecord&, AttemptState&, char) { return {}; }
};

}  // namespace ispyt
