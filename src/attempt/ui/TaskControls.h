#pragma once
// The answer controls of one family of task types in the option area:
// laid out when the task's transition ends, showing the marks the engine
// sends, and taking the testee's input to the engine.  The task screen
// keeps one of each and asks them in turn which type they serve.

#include <QPoint>
#include <string>

#include "attempt/AttemptState.h"
#include "attempt/TaskJudge.h"
#include "content/Test.h"

namespace ispyt {

class TaskControls {
 public:
  virtual ~TaskControls() = default;
  virtual bool handles(TaskType type) const = 0;
  // Lays out the controls of `task`; in review they show the recorded
  // answer and take no input.
  virtual void lay(const Task& task, const TaskRecord& record, int mode, bool reviewing) = 0;
  virtual void showMarks(const Task& task, const TaskRecord& record, const Judgement& marks) = 0;
  // A click in the option area (screen pixels); true when it was taken.
  virtual bool click(QPoint at) = 0;
  // A key the main window got while the task is shown (no answer widget
  // had the focus); true when it was taken.  `text` is Windows-1251.
  virtual bool keyPressed(int /*qtKey*/, const std::string& /*text*/) { return false; }
  // Restoration: a character went into a gap of the task.
  virtual void showGapEntry(const Task&, const TaskRecord&, const GapEntry&) {}
  // The task has left the screen: widgets are hidden.
  virtual void clear() = 0;
};

}  // namespace ispyt
