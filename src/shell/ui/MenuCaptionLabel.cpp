#include "shell/ui/MenuCaptionLabel.h"

#include <QMouseEvent>

namespace ispyt {

MenuCaptionLabel::MenuCaptionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setAttribute(Qt::WA_Hover);
  restyle();
}

void MenuCaptionLabel::setState(State state) {
  state_ = state;
  restyle();
}

void MenuCaptionLabel::setOpen(bool open) {
  open_ = open;
  restyle();
}

void MenuCaptionLabel::enterEvent(QEnterEvent* event) {
  if (state_ == State::Available) setState(State::Highlighted);
  QLabel::enterEvent(event);
}

void MenuCaptionLabel::leaveEvent(QEvent* event) {
  if (state_ == State::Highlighted) setState(State::Available);
  QLabel::leaveEvent(event);
}

void MenuCaptionLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && state_ == State::Highlighted) emit chosen();
}

void MenuCaptionLabel::restyle() {
  const char* colour = state_ == State::Available     ? "#000080"
                       : state_ == State::Highlighted ? "#0000FF"
                                                      : "#808080";
  setStyleSheet(QString("color: %1; background: %2;")
                    .arg(colour, open_ ? "rgb(255,255,0)" : "transparent"));
}

}  // namespace ispyt
