#pragma once
// The answer controls of a Completion task: the text with its gaps drawn in
// the option area, and over each gap a list of the blank's variants, as
// wide as the longest of them.  Judged blanks turn green or orange; in
// mode 0 a wrong one shows the correct text in light blue.

#include <QStringList>
#include <array>
#include <functional>
#include <string>

#include "attempt/ui/CardDropDown.h"
#include "attempt/ui/TaskCanvas.h"
#include "attempt/ui/TaskControls.h"

namespace ispyt {

class CompletionBlanks : public TaskControls {
 public:
  // `chosen`: blank j (1..) now shows the text (Windows-1251; empty: none).
  CompletionBlanks(TaskCanvas& canvas,
                   std::function<void(int blank, const std::string& text)> chosen)
      : canvas_(canvas), chosen_(std::move(chosen)) {}

  bool handles(TaskType type) const override { return type == TaskType::Completion; }
  void lay(const Task& task, const TaskRecord& record, int mode, bool reviewing) override;
  void showMarks(const Task& task, const TaskRecord& record, const Judgement& marks) override;
  bool click(QPoint) override { return false; }
  void clear() override;

  // The box of blank j's list for a gap drawn at cell width `g`, with the
  // font size its text takes: as wide as `longest` cells and a margin.
  struct ListBox {
    int width = 0;
    int fontSize = 0;
  };
  static ListBox listBox(int longest, int g);

 private:
  void create();
  void showTexts(const TaskRecord& record);

  TaskCanvas& canvas_;
  std::function<void(int, const std::string&)> chosen_;
  std::array<CardDropDown*, kGapCount> lists_{};
  std::array<QStringList, kGapCount> variants_;  // what each list offers
  const TaskRecord* record_ = nullptr;           // the record of the task laid out
  int count_ = 0;
};

}  // namespace ispyt
