// The exit panel's picture of the desktop: where the window keeps only
// the thumbnail, drawn 1:1 into the panel's rectangle it gives the pixels
// the whole snapshot drawn smoothly into that rectangle gave.

#include <QPainter>
#include <QtTest>

#include "platform/qt/Desktop.h"
#include "platform/qt/QtGeometry.h"
#include "presentation/MainLayout.h"
#include "presentation/ScreenScale.h"

using namespace ispyt;

namespace {

QImage drawnInto(const QImage& picture, QRect where, QSize screen) {
  QImage out(screen, QImage::Format_RGB32);
  out.fill(Qt::gray);
  QPainter p(&out);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(where, picture);
  return out;
}

}  // namespace

class DesktopThumbnailTest : public QObject {
  Q_OBJECT
 private slots:
  void theThumbnailIsTheSnapshotScaledWhereThePanelShowsIt() {
    const struct {
      QSize screen;
      ScreenScale scale;
    } cases[] = {{{800, 600}, {1, 1, 1}},
                 {{1280, 800}, {1.6, 4.0 / 3, 4.0 / 3}},
                 {{1920, 1080}, {2.4, 1.8, 1.8}}};
    for (const auto& c : cases) {
      // A desktop of noise, where any other sampling shows.
      QImage snapshot(c.screen, QImage::Format_RGB32);
      std::uint32_t v = 12345;
      for (int y = 0; y < snapshot.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(snapshot.scanLine(y));
        for (int x = 0; x < snapshot.width(); ++x) {
          v = v * 1664525u + 1013904223u;
          row[x] = 0xFF000000u | v >> 8;
        }
      }
      const QRect thumb = qrect(c.scale.rect(layout::kExitDesktopThumb));
      const QImage thumbnail = desktopThumbnail(snapshot, thumb.size());
      QCOMPARE(thumbnail.size(), thumb.size());
      QVERIFY2(drawnInto(thumbnail, thumb, c.screen) == drawnInto(snapshot, thumb, c.screen),
               qPrintable(QString("%1x%2").arg(c.screen.width()).arg(c.screen.height())));
    }
  }
};

QTEST_MAIN(DesktopThumbnailTest)
#include "DesktopThumbnailTest.moc"
