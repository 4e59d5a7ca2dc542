#pragma once
// The options of the choice types and the items of a sequence, in a grid
// over the option area: each with its letter (a sequence shows positions),
// picked yellow and judged in the colours of the working mode.

#include <QImage>
#include <QRect>
#include <functional>
#include <vector>

#include "attempt/ui/TaskCanvas.h"
#include "attempt/ui/TaskControls.h"

namespace ispyt {

class ChoiceOptions : public TaskControls {
 public:
  ChoiceOptions(TaskCanvas& canvas, std::function<void(int option)> clicked)
      : canvas_(canvas), clicked_(std::move(clicked)) {}

  bool handles(TaskType type) const override;
  void lay(const Task& task, const TaskRecord& record, int mode, bool reviewing) override;
  void showMarks(const Task& task, const TaskRecord& record, const Judgement& marks) override;
  bool click(QPoint at) override;
  void clear() override;

  // The screen rectangle of option j (1-based) as last laid out.
  QRect cell(int j) const { return cells_.at(j - 1); }
  int count() const { return static_cast<int>(cells_.size()); }

 private:
  void drawOptions(const Task& task, const TaskRecord& record, bool correctOrder);
  void paintMarks(const Judgement& marks);

  TaskCanvas& canvas_;
  std::function<void(int)> clicked_;
  std::vector<QRect> cells_;
  QImage plain_;  // the option area as laid out, before any mark
  QRect area_;
  TaskType type_ = TaskType::SingleChoice;
  bool sequence_ = false;
  bool reviewing_ = false;
};

// The grid of n options in `area`: one column up to 2 options, two up to
// 6, three up to 9, four above; filled row by row.
std::vector<QRect> optionCells(int n, QRect area, int gap);

}  // namespace ispyt
