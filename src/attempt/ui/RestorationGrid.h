#pragma once
// A Restoration task in the option area: the task's picture, when it has
// one, the grid of 15 columns by 6 rows with its gaps as empty boxes and
// the characters entered in the colours of the working mode, the rolling
// pointer over the current gap, and the palette whose keys enter
// characters.  With the keyboard option on, typed characters (Backspace
// as '»') go to the gap too.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "attempt/GapPointer.h"
#include "attempt/HintBlink.h"
#include "attempt/ui/TaskCanvas.h"
#include "attempt/ui/TaskControls.h"
#include "platform/Scheduler.h"
#include "presentation/DecorSettings.h"

namespace ispyt {

class RestorationGrid : public TaskControls {
 public:
  // `decor` gives the pointer speed (changed by Left and Right) and the
  // keyboard option; pictures are looked up in `testFolder`.
  RestorationGrid(TaskCanvas& canvas, Scheduler& scheduler, DecorSettings& decor,
                  const std::filesystem::path& testFolder, std::function<void(char)> entered);
  ~RestorationGrid() override;

  bool handles(TaskType type) const override { return type == TaskType::Restoration; }
  void lay(const Task& task, const TaskRecord& record, int mode, bool reviewing) override;
  void showMarks(const Task& task, const TaskRecord& record, const Judgement& marks) override;
  bool click(QPoint at) override;
  bool keyPressed(int qtKey, const std::string& text) override;
  void showGapEntry(const Task& task, const TaskRecord& record, const GapEntry& entry) override;
  void clear() override;

  struct Key {
    QRect rect;
    char c;
  };
  // The palette as last laid out, and the screen rectangle of cell 1..90.
  const std::vector<Key>& keys() const { return keys_; }
  QRect cell(int c) const;
  const GapPointer& pointer() const { return pointer_; }
  const HintBlink& blink() const { return blink_; }

 private:
  void layOut();
  void drawPlain();
  void paint();
  void drawGap(QPainter& p, int gap, char typed);
  void drawKeys(QPainter& p);
  int baselineOf(int cell) const;  // of the character in cell 1..90, by its level
  QRect gapBox(int gap) const;
  Point pointerAt(int gap) const;
  void follow();
  // Whether the character typed into `gap` stands there (a wrong one in
  // mode 0 does not: the gap waits).
  bool standing(int gap, char typed) const;
  bool closeUp();

  TaskCanvas& canvas_;
  DecorSettings& decor_;
  const std::filesystem::path& testFolder_;
  std::function<void(char)> entered_;
  std::unique_ptr<Timer> pointerTimer_;
  std::unique_ptr<Timer> blinkTimer_;

  Task task_;  // copies: the task slots may be rearranged while it is shown
  TaskRecord record_;
  int mode_ = 0;
  bool reviewing_ = false;
  bool laid_ = false;
  QRect area_;
  QPoint origin_;  // the top-left corner of cell 1
  QSize pitch_;
  QImage picture_;
  QRect pictureBox_;
  std::vector<Key> keys_;
  QImage plain_;  // the option area with the picture and the grid's own cells
  GapPointer pointer_;
  int pointerGap_ = 0;  // the gap the pointer goes to
  HintBlink blink_;
  // Per cell 1..90: how many cells its row has closed up before it, and
  // whether it is a gap closed by a '»'.
  std::vector<int> shift_ = std::vector<int>(kGridCells + 1, 0);
  std::vector<bool> closed_ = std::vector<bool>(kGridCells + 1, false);
};

}  // namespace ispyt
