#include "attempt/JudgedElement.h"

namespace ispyt {

void judgeElement(bool right, int slot, bool countsMiss, Judgement& result, TaskRecord& record,
                  AttemptState& state) {
  const int mode = state.mode;
  const bool showMarks = mode == kModeHint || mode == kModeTraining || mode == kModeExam;
  ++state.elementsJudged;
  if (right) {
    if (showMarks) result.marks[slot] = Feedback::Right;
    return;
  }
  ++state.wrongElements;
  ++record.wrongCount;
  if (countsMiss) ++record.missCount;
  if (mode == kModeHint) {
    result.marks[slot] = Feedback::ShownRight;
    record.hintMarks[slot] = true;
    state.feedbackPause = true;
  } else if (showMarks) {
    result.marks[slot] = Feedback::Wrong;
  }
}

}  // namespace ispyt
