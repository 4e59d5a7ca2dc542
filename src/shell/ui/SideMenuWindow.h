#pragma once
// The drop-down list under "Тест" and "Результат": a borderless popup that
// paints the items of a SideMenuLayout, the one under the mouse in yellow,
// on the colour scheme's background inside a 2-pixel frame.

#include <QImage>
#include <QWidget>

#include "shell/SideMenuLayout.h"

namespace ispyt {

class SideMenuWindow : public QWidget {
  Q_OBJECT
 public:
  explicit SideMenuWindow(QWidget* owner);

  void setBackground(const QImage& fill, QColor frameColour);
  void setItemFont(const QFont& font);
  ItemMetrics metrics(int fontSize) const;
  // Shows the layout at a position on the screen.
  void open(const SideMenuLayout& layout, QPoint screenPosition);
  const SideMenuLayout& layout() const { return layout_; }
  // The item at a point of the window, or 0.
  int itemAt(QPoint p) const;
  // Closes the list after a choice (not "by the system").
  void closeAfterChoice();

 signals:
  void itemClicked(int index);
  void closedBySystem();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QRect itemRect(int index) const;
  SideMenuLayout layout_;
  QImage fill_;
  QColor frameColour_{96, 96, 96};
  int hovered_ = 0;
  bool closingOnPurpose_ = false;
};

}  // namespace ispyt
