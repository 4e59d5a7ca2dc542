// An image stretched over a slot: three times an opaque image is drawn as
// 3x3 blocks of its pixels, which must be what the painter's own
// unsmoothed stretch draws; any other stretch is the painter's.  A slot
// made blank is white wherever the stretch leaves it.

#include <QPainter>
#include <QtTest>

#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtGeometry.h"

using namespace ispyt;

namespace {

QImage noise(QSize size, QImage::Format format) {
  QImage image(size, format);
  std::uint32_t v = 2024;
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      v = v * 1664525u + 1013904223u;
      row[x] = format == QImage::Format_RGB32 ? 0xFF000000u | v >> 8 : v;
    }
  }
  return image;
}

QImage slotFilled(QSize size, QColor colour = Qt::white) {
  QImage slot(size, QImage::Format_RGB32);
  slot.fill(colour);
  return slot;
}

}  // namespace

class QtCanvasStretchTest : public QObject {
  Q_OBJECT
 private slots:
  void aStretchIsThePaintersOwn() {
    const struct {
      QSize image, slot;
      Rect target;
      QImage::Format format;
    } cases[] = {
        {{850, 248}, {2550, 744}, {0, 0, 2550, 744}, QImage::Format_RGB32},  // the title
        {{1, 1}, {3, 3}, {0, 0, 3, 3}, QImage::Format_RGB32},
        {{37, 5}, {140, 30}, {7, 4, 111, 15}, QImage::Format_RGB32},  // three times, within
        {{37, 5}, {100, 30}, {7, 4, 111, 15}, QImage::Format_RGB32},  // beyond the slot
        {{37, 5}, {140, 30}, {0, 0, 100, 15}, QImage::Format_RGB32},  // not three times
        {{37, 5}, {140, 30}, {0, 0, 111, 15}, QImage::Format_ARGB32},  // not opaque
    };
    for (const auto& c : cases) {
      SlotImages images;
      images.titleBackdrop = noise(c.image, c.format);
      QImage painted = slotFilled(c.slot);
      QPainter(&painted).drawImage(qrect(c.target), images.titleBackdrop);
      const QString name = QString("%1x%2 over %3x%4 at %5,%6")
                               .arg(c.image.width())
                               .arg(c.image.height())
                               .arg(c.target.width)
                               .arg(c.target.height)
                               .arg(c.target.x)
                               .arg(c.target.y);
      QImage canvasSlot = slotFilled(c.slot);
      QtCanvas(canvasSlot, images).stretchImage(SlotImage::TitleBackdrop, c.target);
      QVERIFY2(canvasSlot == painted, qPrintable(name));
      // Whatever a blank slot's memory held, none of it shows.
      QImage blankSlot = slotFilled(c.slot, QColor(18, 52, 86));
      QtCanvas blank(blankSlot, images, true);
      blank.stretchImage(SlotImage::TitleBackdrop, c.target);
      QVERIFY2(blank.image() == painted, qPrintable("blank, " + name));
    }
  }

  void aBlankSlotNothingIsDrawnOnIsWhite() {
    SlotImages images;
    QImage blankSlot = slotFilled({40, 30}, QColor(18, 52, 86));
    QtCanvas blank(blankSlot, images, true);
    QVERIFY(blank.image() == slotFilled({40, 30}));
    QImage lined = slotFilled({40, 30}, QColor(18, 52, 86));
    QtCanvas canvas(lined, images, true);
    canvas.drawLine({0, 10}, {40, 10}, {0, 0, 0}, 1);
    QCOMPARE(canvas.image().pixel(5, 20), qRgb(255, 255, 255));
    QCOMPARE(canvas.image().pixel(5, 10), qRgb(0, 0, 0));
  }
};

QTEST_MAIN(QtCanvasStretchTest)
#include "QtCanvasStretchTest.moc"
