#include "shell/ui/MenuCaptionLabel.h"

#include <QMouseEvent>

namespace ispyt {

MenuCaptionLabel::MenuCaptionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  show(CaptionColour::Grey, false);
}

void MenuCaptionLabel::show(CaptionColour colour, bool open) {
  colour_ = colour;
  open_ = open;
  const char* c = colour == CaptionColour::Navy   ? "#000080"
                  : colour == CaptionColour::Blue ? "#0000FF"
                                                  : "#808080";
  setStyleSheet(QString("color: %1; background: %2;").arg(c, open ? "#FFFF00" : "transparent"));
}

void MenuCaptionLabel::enterEvent(QEnterEvent* event) {
  emit entered();
  QLabel::enterEvent(event);
}

void MenuCaptionLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace ispyt
