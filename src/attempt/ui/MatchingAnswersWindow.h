#pragma once
// The "Відповідники" window of a Matching task: a frameless tool window
// over the main window's title area showing the right-hand items, each
// with its letter, below one another.

#include <QImage>
#include <QWidget>

namespace ispyt {

class MatchingAnswersWindow : public QWidget {
 public:
  explicit MatchingAnswersWindow(QWidget* mainWindow);

  void setPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace ispyt
