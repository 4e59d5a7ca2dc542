#include "results/ui/ResultBackdrop.h"

#include <QLinearGradient>
#include <algorithm>

namespace ispyt {

void paintResultBackdrop(QPainter& p, QSize size, const QImage& backdrop) {
  const QRect all(QPoint(0, 0), size);
  // The sky also shows through a backdrop's transparent parts.
  if (backdrop.isNull() || backdrop.hasAlphaChannel()) p.fillRect(all, resultSky(size));
  if (!backdrop.isNull()) p.drawImage(all, backdrop);
}

QLinearGradient resultSky(QSize size) {
  QLinearGradient sky(0, 0, 0, size.height());
  sky.setColorAt(0, QColor(214, 230, 250));
  sky.setColorAt(1, QColor(250, 252, 255));
  return sky;
}

QImage resultCanvas(QSize size) {
  return QImage(std::max(size.width(), 1), std::max(size.height(), 1),
                QImage::Format_ARGB32_Premultiplied);
}

}  // namespace ispyt
