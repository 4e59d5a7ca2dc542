#pragma once
// Answering and judging Restoration tasks: characters are entered gap by
// gap into the grid and judged as they come.  Every character entered is
// appended to the record's gapAnswers; the gap reached follows from them
// and the mode (in modes 0 and 3 a gap waits for its right character).

#include <string>

#include "attempt/TaskJudge.h"

namespace ispyt {

// The character that Backspace enters into a gap.
inline constexpr char kGapBackspace = '\xBB';  // '»'

class RestorationJudge : public TaskJudge {
 public:
  bool handles(TaskType type) const override;
  bool laidOut(const Task& task, TaskRecord& record) override;
  bool optionClicked(const Task& task, TaskRecord& record, int option) override;
  // The characters were judged as they came: only gaps left open count.
  Judgement judge(const Task& task, TaskRecord& record, AttemptState& state) override;
  // A wrong character goes into the current gap (see characterEntered).
  GiveUpOutcome giveUp(const Task& task, TaskRecord& record, AttemptState& state) override;
  Judgement hint(const Task& task, TaskRecord& record) override;

  // Character `c` entered into the current gap: judged and counted at once
  // (also in the record's judgedElements).
  GapEntry characterEntered(const Task& task, TaskRecord& record, AttemptState& state,
                            char c) override;
  // What the last character of gapAnswers did (taken false when none was
  // entered); a give-up enters one too.
  static GapEntry lastEntry(const Task& task, const TaskRecord& record, int mode);

  static int gapCount(const Task& task);
  // The character missing at gap g (1..gapCount), and its cell (1..90).
  static char missingAt(const Task& task, int gap);
  static int cellOf(const Task& task, int gap);
  // The level of cell 1..90: 0 on the line, 1 lowered, 2 raised.
  static int cellLevel(const Task& task, int cell);
  // The palette's keys in order: its characters (empty slots left out),
  // then a space key and the Backspace key ('»') when a gap misses either.
  static std::string paletteKeys(const Task& task);
  // The gap now waiting for a character (gapCount + 1 once all are done).
  static int currentGap(const Task& task, const TaskRecord& record, int mode);
  // Per gap the character that stands in it now ('\0' where none was
  // entered): in modes 0 and 3 the last one tried.
  static std::string gapFill(const Task& task, const TaskRecord& record, int mode);
};

}  // namespace ispyt
