#pragma once
// A caption of the main menu, shown in the colour of its state (navy,
// blue, grey) and, while its section is open, on an opaque yellow ground.
// The menu's rules live in MainMenu; the label only shows them and reports
// the mouse.

#include <QLabel>

#include "shell/MainMenu.h"

namespace ispyt {

class MenuCaptionLabel : public QLabel {
  Q_OBJECT
 public:
  MenuCaptionLabel(const QString& text, QWidget* parent);

  void show(CaptionColour colour, bool open);
  CaptionColour colour() const { return colour_; }
  bool isOpen() const { return open_; }

 signals:
  void entered();
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  CaptionColour colour_ = CaptionColour::Grey;
  bool open_ = false;
};

}  // namespace ispyt
