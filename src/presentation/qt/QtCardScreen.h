#pragma once
// The card area of a screen picture, as a transition shows into it.

#include <QImage>
#include <QRect>
#include <functional>

#include "presentation/Transition.h"

namespace ispyt {

class QtCardScreen : public CardScreen {
 public:
  // `screen` is the picture the window shows; `repaint` has it shown.
  QtCardScreen(QImage& screen, QRect card, std::function<void()> repaint)
      : screen_(screen), card_(card), repaint_(std::move(repaint)) {}

  Picture current() const override;
  void show(const Picture& picture, Rect part, Point at) override;
  void repaint() override {
    if (repaint_) repaint_();
  }

 private:
  QImage& screen_;
  QRect card_;
  std::function<void()> repaint_;
};

}  // namespace ispyt
