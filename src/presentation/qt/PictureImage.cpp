#include "presentation/qt/PictureImage.h"

#include <cstring>

namespace ispyt {

QImage imageView(Picture& picture) {
  if (picture.empty()) return {};
  return QImage(reinterpret_cast<uchar*>(picture.row(0)), picture.width(), picture.height(),
                picture.width() * 4, QImage::Format_RGB32);
}

QImage toImage(const Picture& picture) {
  if (picture.empty()) return {};
  QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y)
    std::memcpy(image.scanLine(y), picture.row(y), std::size_t(picture.width()) * 4);
  return image;
}

QImage toImage(Picture&& picture) {
  if (picture.empty()) return {};
  auto* kept = new Picture(std::move(picture));
  return QImage(reinterpret_cast<uchar*>(kept->row(0)), kept->width(), kept->height(),
                kept->width() * 4, QImage::Format_RGB32,
                [](void* p) { delete static_cast<Picture*>(p); }, kept);
}

QImage pixelWords(const QImage& image) {
  return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
             ? image
             : image.convertToFormat(QImage::Format_RGB32);
}

Picture toPicture(const QImage& image) {
  if (image.isNull()) return {};
  const QImage rgb = pixelWords(image);
  const int w = rgb.width(), h = rgb.height();
  Picture picture = Picture::unfilled({w, h});
  for (int y = 0; y < h; ++y) {
    const auto* in = reinterpret_cast<const Pixel*>(rgb.constScanLine(y));
    Pixel* out = picture.row(y);
    for (int x = 0; x < w; ++x) out[x] = in[x] | 0xFF000000u;
  }
  return picture;
}

Picture toPicture(const QImage& image, QRect part) {
  if (image.depth() != 32 || !image.rect().contains(part)) return toPicture(image.copy(part));
  // The part's rows read in place.
  const QImage view(image.constScanLine(part.y()) + std::size_t(part.x()) * 4, part.width(),
                    part.height(), image.bytesPerLine(), image.format());
  return toPicture(view);
}

QImage keptPicture(const QImage& image) {
  return image.hasAlphaChannel() || image.depth() <= 24
             ? image
             : image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace ispyt
