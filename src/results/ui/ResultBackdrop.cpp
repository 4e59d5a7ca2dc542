#include "results/ui/ResultBackdrop.h"

#include <QLinearGradient>
#include <algorithm>

namespace ispyt {

void paintResultBackdrop(QPainter& p, QSize size, const QImage& backdrop) {
  const QRect all(QPoint(0, 0), size);
  if (!backdrop.isNull()) {
    p.drawImage(all, backdrop);
    return;
  }
  QLinearGradient sky(0, 0, 0, size.height());
  sky.setColorAt(0, QColor(214, 230, 250));
  sky.setColorAt(1, QColor(250, 252, 255));
  p.fillRect(all, sky);
}

QImage resultCanvas(QSize size) {
  QImage image(std::max(size.width(), 1), std::max(size.height(), 1),
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  return image;
}

}  // namespace ispyt
