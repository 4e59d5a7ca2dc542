#include "shell/ui/SurroundWindow.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include "platform/qt/QtText.h"

namespace ispyt {

SurroundWindow::SurroundWindow(const WindowPlacement& placement, const QImage& desktop,
                               QColor frameColour)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      placement_(placement),
      desktop_(desktop),
      frameColour_(frameColour) {
  setEnabled(false);
  setAttribute(Qt::WA_ShowWithoutActivating);
  placeAsPlaced();
}

void SurroundWindow::placeAsPlaced() {
  const Rect& r = placement_.surroundRect;
  setGeometry(r.x, r.y, r.width, r.height);
  if (placement_.surround == SurroundForm::RoundedFrame) {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, r.width, r.height), 20, 20);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
  } else {
    clearMask();
  }
}

void SurroundWindow::setDesktopMode(bool on, QSize screen, QColor windowColour) {
  desktopMode_ = on;
  windowColour_ = windowColour;
  if (on) {
    clearMask();
    setGeometry(0, 0, screen.width(), screen.height());
  } else {
    placeAsPlaced();
  }
  update();
}

void SurroundWindow::showPublisherLine(const QString& line) {
  publisherLine_ = line;
  update();
}

void SurroundWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (placement_.surround == SurroundForm::FrameLines) {
    p.drawImage(0, 0, desktop_);
    p.fillRect(placement_.frameLineLeft - 1, 0, 2, height(), frameColour_);
    p.fillRect(placement_.frameLineRight - 1, 0, 2, height(), frameColour_);
    return;
  }
  // Captions along the bottom edge, below the main window, or just above
  // it on the desktop; each with a shadow copy one pixel away.
  int baseline = height() - 8;
  int left = 20;
  if (desktopMode_) {
    const Rect& w = placement_.window;
    p.fillRect(rect(), QColor(225, 160, 100));
    p.drawImage(0, 0, desktop_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(frameColour_, 2));
    p.setBrush(windowColour_);
    p.drawRoundedRect(QRect(QPoint(w.x - 20, w.y - 30), QPoint(w.x + 820, w.y + 610)), 17.5, 17.5);
    baseline = w.y - 10;
    left = w.x;
  } else {
    p.fillRect(rect(), frameColour_);
  }
  QFont font("DejaVu Sans");
  font.setPixelSize(11);
  p.setFont(font);
  const QString user = ui("Користувач:");
  p.setPen(QColor(40, 40, 40));
  p.drawText(left + 1, baseline + 1, user);
  p.setPen(QColor(120, 190, 120));
  p.drawText(left, baseline, user);
  if (!publisherLine_.isEmpty()) {
    int x = left + 4 + p.fontMetrics().horizontalAdvance(user);
    int free = 800 - (x + p.fontMetrics().horizontalAdvance(publisherLine_));
    if (free > 0) x += free / 2;
    p.setPen(QColor(30, 30, 30));
    p.drawText(x + 1, baseline, publisherLine_);
    p.setPen(QColor(230, 230, 230));
    p.drawText(x, baseline, publisherLine_);
  }
  font.setPixelSize(9);
  p.setFont(font);
  p.setPen(QColor(192, 192, 192));
  p.drawText(14, 9, smallCaption_);
}

}  // namespace ispyt
