#include "presentation/qt/PanelComposition.h"

#include <utility>

#include "presentation/qt/BoxReduce.h"
#include "presentation/qt/PictureImage.h"

namespace ispyt {

namespace {

// The backdrop at three times its size, each pixel a block, so that the
// reduction gives it back unchanged outside the shape.
Picture enlarged(const QImage& picture, Size size) {
  if (picture.size() == QSize(size.width / 3, size.height / 3))
    return enlargeByThree(toPicture(picture));
  Picture out(size);
  QImage view = imageView(out);
  QPainter p(&view);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(view.rect(), picture);
  return out;
}

}  // namespace

QImage composePanel(const QImage& backdrop, Picture fill3x, const PanelShape& shape,
                    const QImage& inside) {
  const int w = backdrop.width(), h = backdrop.height();
  if (w <= 0 || h <= 0) return backdrop;
  Picture shapePicture = enlarged(backdrop, {3 * w, 3 * h});
  Picture out = fill3x.size() == shapePicture.size() ? std::move(fill3x)
                : inside.isNull()                    ? shapePicture
                                                     : enlarged(inside, shapePicture.size());
  QImage view = imageView(shapePicture);
  QPainter p(&view);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  shape(p, QRectF(view.rect()));
  p.end();
  const Pixel key = shapePicture.at(3 * w / 10, h);
  out.copyKeyed(shapePicture, shapePicture.rect(), {0, 0}, key);
  return reduceByThree(imageView(out));
}

}  // namespace ispyt
