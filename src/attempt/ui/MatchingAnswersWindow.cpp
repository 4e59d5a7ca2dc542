#include "attempt/ui/MatchingAnswersWindow.h"

#include <QPainter>

#include "platform/qt/QtText.h"

namespace ispyt {

MatchingAnswersWindow::MatchingAnswersWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint) {
  setObjectName("matchingAnswers");
  setWindowTitle(ui("Відповідники"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The window only shows; the main window keeps the focus and the keys.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
}

void MatchingAnswersWindow::setPicture(const QImage& picture) {
  picture_ = picture;
  resize(picture.size());
  update();
}

void MatchingAnswersWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, picture_);
}

}  // namespace ispyt
