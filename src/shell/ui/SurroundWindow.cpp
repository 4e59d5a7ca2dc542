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
  const Rect& r = placement.surroundRect;
  setGeometry(r.x, r.y, r.width, r.height);
  if (placement.surround == SurroundForm::RoundedFrame) {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, r.width, r.height), 20, 20);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
  }
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
  p.fillRect(rect(), frameColour_);
  // Captions along the bottom edge, below the main window, each with a
  // shadow copy one pixel away.
  QFont font("DejaVu Sans");
  font.setPixelSize(11);
  p.setFont(font);
  const int baseline = height() - 8;
  const QString user = ui("Користувач:");
  p.setPen(QColor(40, 40, 40));
  p.drawText(21, baseline + 1, user);
  p.setPen(QColor(120, 190, 120));
  p.drawText(20, baseline, user);
  if (!publisherLine_.isEmpty()) {
    int x = 24 + p.fontMetrics().horizontalAdvance(user);
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
