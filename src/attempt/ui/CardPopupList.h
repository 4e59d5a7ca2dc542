#pragma once
// The list a card drop-down opens: a popup that is chosen from with the
// mouse only.  Typed keys are swallowed, so no value can be typed in or
// stepped to; Escape closes it without a choice.

#include <QListWidget>

namespace ispyt {

class CardPopupList : public QListWidget {
  Q_OBJECT

 public:
  explicit CardPopupList(QWidget* parent);

  // Opens under `box` (global coordinates), at least as wide, tall enough
  // for up to `rows` entries; above it when there is no room below.
  void popUp(const QRect& box, int rows);

 signals:
  void chosen(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ispyt
