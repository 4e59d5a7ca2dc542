#include "presentation/ui/BoxReduce.h"

namespace ispyt {

QImage reduceByThree(const QImage& enlarged) {
  QImage src = enlarged.convertToFormat(QImage::Format_ARGB32);
  const int w = src.width() / 3, h = src.height() / 3;
  QImage out(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y) {
    const QRgb* rows[3] = {reinterpret_cast<const QRgb*>(src.constScanLine(3 * y)),
                           reinterpret_cast<const QRgb*>(src.constScanLine(3 * y + 1)),
                           reinterpret_cast<const QRgb*>(src.constScanLine(3 * y + 2))};
    QRgb* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < w; ++x) {
      int r = 0, g = 0, b = 0, a = 0;
      for (const QRgb* row : rows) {
        for (int i = 0; i < 3; ++i) {
          QRgb c = row[3 * x + i];
          r += qRed(c);
          g += qGreen(c);
          b += qBlue(c);
          a += qAlpha(c);
        }
      }
      dst[x] = qRgba(r / 9, g / 9, b / 9, a / 9);
    }
  }
  return out;
}

}  // namespace ispyt
