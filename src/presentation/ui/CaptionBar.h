#pragma once
// The title bar of the program's small windows (help, about, appendix, the
// matching list), drawn by the program itself: the station's windows are
// frameless, so they look and act the same under any desktop, or none.
// Dragging the bar moves its window.

#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace ispyt {

// Moves `window` with the mouse from the point it was taken at; the
// windows that drag by their whole surface share it.
class WindowDrag {
 public:
  void press(QWidget* window, QPoint global);
  void move(QWidget* window, QPoint global) const;
  void release() { active_ = false; }

 private:
  QPoint offset_;
  bool active_ = false;
};

class CaptionBar : public QWidget {
 public:
  enum class Button { Minimise, Maximise, Restore, Close };
  static constexpr int kHeight = 20;

  explicit CaptionBar(QWidget* window);

  void setText(const QString& text);
  const QString& text() const { return text_; }
  // The buttons shown, left to right, at the bar's right end.
  void setButtons(std::vector<Button> buttons);
  const std::vector<Button>& buttons() const { return buttons_; }
  void setColours(QColor bar, QColor ink);
  // Where a button stands on the bar; empty when it is not shown.
  QRect buttonRect(Button button) const;

  std::function<void(Button)> pressed;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString text_;
  std::vector<Button> buttons_;
  QColor bar_{0, 0, 128};
  QColor ink_{Qt::white};
  WindowDrag drag_;
};

}  // namespace ispyt
