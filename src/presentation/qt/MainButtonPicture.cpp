#include "presentation/qt/MainButtonPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ispyt {

void paintMainButton(QImage& screen, QRect box, const QImage& background, bool active) {
  QPainter p(&screen);
  if (!background.isNull()) p.drawImage(box.topLeft(), background, box);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF key = QRectF(box).adjusted(3, 3, -3, -3);
  const double radius = key.height() / 4;
  // The shadow under the key.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(key.translated(2, 3), radius, radius);
  QLinearGradient g(key.topLeft(), key.bottomLeft());
  g.setColorAt(0, active ? QColor(150, 240, 150) : QColor(225, 225, 225));
  g.setColorAt(0.5, active ? QColor(40, 170, 70) : QColor(180, 180, 180));
  g.setColorAt(1, active ? QColor(20, 110, 40) : QColor(150, 150, 150));
  p.setPen(QPen(active ? QColor(10, 70, 30) : QColor(120, 120, 120), 2));
  p.setBrush(g);
  p.drawRoundedRect(key, radius, radius);
  // The arrow: a shaft and a head pointing on.
  const double w = key.width(), h = key.height();
  const double x0 = key.left() + w * 0.22, x1 = key.left() + w * 0.55, x2 = key.left() + w * 0.8;
  const double cy = key.center().y();
  QPainterPath arrow;
  arrow.moveTo(x0, cy - h * 0.1);
  arrow.lineTo(x1, cy - h * 0.1);
  arrow.lineTo(x1, cy - h * 0.28);
  arrow.lineTo(x2, cy);
  arrow.lineTo(x1, cy + h * 0.28);
  arrow.lineTo(x1, cy + h * 0.1);
  arrow.lineTo(x0, cy + h * 0.1);
  arrow.closeSubpath();
  p.setPen(QPen(active ? QColor(10, 70, 30) : QColor(130, 130, 130), 1.5));
  p.setBrush(active ? QColor(255, 255, 160) : QColor(235, 235, 235));
  p.drawPath(arrow);
}

}  // namespace ispyt
