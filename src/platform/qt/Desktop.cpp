#include "platform/qt/Desktop.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace ispyt {

QImage takeDesktopSnapshot(QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(QColor(58, 110, 165));
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return picture;
  QPixmap grab = screen->grabWindow(0);
  if (grab.isNull()) return picture;
  QPainter p(&picture);
  p.drawPixmap(0, 0, grab);
  return picture;
}

QStringList installedFontFamilies() { return QFontDatabase::families(); }

bool fontInstalled(const QStringList& families, const QString& name) {
  return families.contains(name, Qt::CaseSensitive);
}

}  // namespace ispyt
