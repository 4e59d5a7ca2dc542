#pragma once
// The input fields of a DirectInput task: one field per answer under its
// label, taking only the keys the typed-answer rules allow; judged fields
// turn green or orange, and in mode 0 a wrong one shows its first accepted
// answer in light blue.

#include <QLineEdit>
#include <array>
#include <functional>
#include <string>

#include "attempt/ui/TaskCanvas.h"
#include "attempt/ui/TaskControls.h"

namespace ispyt {

// A field that refuses the keys the typed-answer rules refuse; a paste
// goes in as it is (judging tidies it).
class TypedEdit : public QLineEdit {
 public:
  explicit TypedEdit(QWidget* parent) : QLineEdit(parent) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

class TypedFields : public TaskControls {
 public:
  // `edited`: field f (1..) now holds the text (Windows-1251).  `typing`:
  // fields that take typing are on the screen, or are gone (false).
  TypedFields(TaskCanvas& canvas, std::function<void(int field, const std::string& text)> edited,
              std::function<void(bool typing)> typing)
      : canvas_(canvas), edited_(std::move(edited)), typing_(std::move(typing)) {}

  bool handles(TaskType type) const override { return type == TaskType::DirectInput; }
  void lay(const Task& task, const TaskRecord& record, int mode, bool reviewing) override;
  void showMarks(const Task& task, const TaskRecord& record, const Judgement& marks) override;
  bool click(QPoint) override { return false; }
  void clear() override;

 private:
  void create();
  void setColour(int f, const QColor& colour);

  TaskCanvas& canvas_;
  std::function<void(int, const std::string&)> edited_;
  std::function<void(bool)> typing_;
  std::array<TypedEdit*, kMaxFields> fields_{};
  int count_ = 0;
};

}  // namespace ispyt
