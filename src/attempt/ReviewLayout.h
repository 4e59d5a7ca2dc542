#pragma once
// What the answer controls of a task show when the finished attempt is
// looked through: the testee's recorded answer, read-only, by type.  Choice
// types mark the options chosen (yellow); DirectInput shows the typed
// texts; Sequence the order left; Matching the letter each list and panel
// held (its answer labels disabled); Restoration the grid with the
// characters typed; Completion each blank's text in a disabled list.

#include <string>
#include <vector>

#include "attempt/AttemptState.h"
#include "content/Test.h"

namespace ispyt {

struct ReviewSlot {
  std::string text;     // Windows-1251
  bool picked = false;  // choice types: chosen, drawn yellow
};

struct ReviewLayout {
  // Options, fields, positions, left items, gaps or blanks, from slot 1 on
  // (entries[0] is slot 1).
  std::vector<ReviewSlot> entries;
  // Restoration: the 90 cells of the grid, each gap's cell holding the
  // character typed into it (left as the grid has it where none was).
  std::string grid;
};

ReviewLayout reviewLayout(const Task& task, const TaskRecord& record, int mode);

}  // namespace ispyt
