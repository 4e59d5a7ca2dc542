#pragma once
// The "Відповідники" window of a Matching task: a frameless tool window
// over the main window's title area showing the right-hand items, each
// with its letter, below one another.  It unrolls under its title bar when
// a task is laid out; the bar's buttons roll it up, put it over the option
// area, or let it down as far as it goes.

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

#include "attempt/ListUnroll.h"
#include "platform/Scheduler.h"
#include "presentation/ui/CaptionBar.h"

namespace ispyt {

class MatchingAnswersWindow : public QWidget {
 public:
  MatchingAnswersWindow(QWidget* mainWindow, Scheduler& scheduler, const ScreenScale& scale);

  void setPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }
  // The window with the whole picture under its title bar.
  int fullHeight() const { return picture_.height() + CaptionBar::kHeight; }

  // Unrolls at `corner` (relative to the main window) for a task of
  // `items` left items; `out` runs once, when it is out.
  void unroll(QPoint corner, int items, std::function<void()> out);
  bool out() const { return unroll_.done(); }
  // A title-bar button.
  void place(ListButton button);
  CaptionBar* caption() const { return caption_; }
  // Stops unrolling and hides the window.
  void withdraw();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void step();
  void setTopAndHeight(int top, int height);

  QWidget* main_;
  ScreenScale scale_;
  CaptionBar* caption_;
  QImage picture_;
  ListUnroll unroll_;
  std::unique_ptr<Timer> timer_;
  std::function<void()> out_;
  QPoint corner_;
};

}  // namespace ispyt
