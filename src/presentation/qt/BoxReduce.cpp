#include "presentation/qt/BoxReduce.h"

#include "platform/Picture.h"
#include "presentation/qt/PictureImage.h"

namespace ispyt {

QImage reduceByThree(const QImage& enlarged) {
  // The pixel words are read where they stand; other formats become them.
  const QImage words = pixelWords(enlarged);
  QImage out(words.width() / 3, words.height() / 3, QImage::Format_RGB32);
  if (out.isNull()) return {};
  reduceByThree(reinterpret_cast<const Pixel*>(words.constBits()),
                std::size_t(words.bytesPerLine()) / sizeof(Pixel), words.width(), words.height(),
                reinterpret_cast<Pixel*>(out.bits()),
                std::size_t(out.bytesPerLine()) / sizeof(Pixel));
  return out;
}

}  // namespace ispyt
