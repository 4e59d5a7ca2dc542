#pragma once
// A caption of the main menu.  Its state is its font colour: navy when it
// can be chosen, blue while the mouse is on it (the only state in which a
// click counts), grey when it cannot be chosen.  An open section shows an
// opaque yellow background.

#include <QLabel>

namespace ispyt {

class MenuCaptionLabel : public QLabel {
  Q_OBJECT
 public:
  enum class State { Available, Highlighted, Unavailable };

  MenuCaptionLabel(const QString& text, QWidget* parent);

  State state() const { return state_; }
  void setState(State state);
  void setOpen(bool open);
  bool isOpen() const { return open_; }

 signals:
  void chosen();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void restyle();
  State state_ = State::Unavailable;
  bool open_ = false;
};

}  // namespace ispyt
