#include "platform/qt/Desktop.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace ispyt {

QImage takeDesktopSnapshot(QSize size) {
  QScreen* screen = QGuiApplication::primaryScreen();
  QImage grab = screen ? screen->grabWindow(0).toImage() : QImage();
  // A grab of the whole screen is the snapshot itself, without a copy.
  if (grab.size() == size && grab.format() == QImage::Format_RGB32) return grab;
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(QColor(58, 110, 165));
  if (grab.isNull()) return picture;
  QPainter p(&picture);
  p.drawImage(0, 0, grab);
  return picture;
}

QImage desktopThumbnail(const QImage& snapshot, QSize size) {
  QImage thumbnail(size, QImage::Format_RGB32);
  QPainter p(&thumbnail);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(thumbnail.rect(), snapshot);
  return thumbnail;
}

QStringList installedFontFamilies() { return QFontDatabase::families(); }

bool fontInstalled(const QStringList& families, const QString& name) {
  return families.contains(name, Qt::CaseSensitive);
}

}  // namespace ispyt
