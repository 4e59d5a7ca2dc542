#pragma once
// The answer controls of a Matching task: the left items in the option
// area, each with a panel showing the letter chosen for it and a list of
// the letters of the right-hand items, which stand in the "Відповідники"
// window.  Judged pairs turn green or orange.

#include <QLabel>
#include <array>
#include <functional>
#include <string>

#include "attempt/ui/CardDropDown.h"
#include "attempt/ui/MatchingAnswersWindow.h"
#include "attempt/ui/TaskCanvas.h"
#include "attempt/ui/TaskControls.h"

namespace ispyt {

class MatchingPairs : public TaskControls {
 public:
  // `chosen`: left item p (1..) was given the letter (Windows-1251; empty:
  // none).
  MatchingPairs(TaskCanvas& canvas, Scheduler& scheduler,
                std::function<void(int item, const std::string& letter)> chosen)
      : canvas_(canvas), scheduler_(scheduler), chosen_(std::move(chosen)) {}

  bool handles(TaskType type) const override { return type == TaskType::Matching; }
  void lay(const Task& task, const TaskRecord& record, int mode, bool reviewing) override;
  void showMarks(const Task& task, const TaskRecord& record, const Judgement& marks) override;
  bool click(QPoint) override { return false; }
  void clear() override;

 private:
  struct Pair {
    QLabel* panel = nullptr;
    CardDropDown* list = nullptr;
  };

  void create();
  void drawLeftItems(const Task& task);
  // Draws the right items into the window; it unrolls anew unless it is
  // out for this task already.
  void showAnswersWindow(const Task& task, bool unroll);
  // The panels and lists of the left items, once the window is out.
  void showPanels(bool shown);
  // The panels show the letters the record holds.
  void showLetters(const TaskRecord& record);
  void setPanel(int p, const QString& letter, const QColor& colour);

  TaskCanvas& canvas_;
  Scheduler& scheduler_;
  std::function<void(int, const std::string&)> chosen_;
  std::array<Pair, kMaxMatchingLeft> pairs_{};
  MatchingAnswersWindow* answers_ = nullptr;
  const TaskRecord* record_ = nullptr;  // the record of the task laid out
  QStringList offered_;                 // the letters of the right items shown
  int count_ = 0;
};

}  // namespace ispyt
