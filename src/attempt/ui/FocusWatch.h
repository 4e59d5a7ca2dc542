#pragma once
// Notes the focus losses of the attempt under way: whether a window of
// the program holds the focus, and whether the pointer is on the main
// window's screen, looked at as the focus moves and four times a second
// while the attempt clock runs.

#include <QObject>
#include <QWidget>
#include <memory>

#include "attempt/AttemptState.h"
#include "platform/Scheduler.h"

namespace ispyt {

class FocusWatch : public QObject {
 public:
  FocusWatch(QWidget* window, AttemptState& state, Scheduler& scheduler);

  inline static constexpr int kLookMs = 250;

 private:
  void look();

  QWidget* window_;
  AttemptState& state_;
  std::unique_ptr<Timer> timer_;
};

}  // namespace ispyt
