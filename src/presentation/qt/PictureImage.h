#pragma once
// Pictures of the core and QImages of Qt: the same pixel words, so a
// picture is painted on in place or crosses by copying rows.

#include <QImage>

#include "platform/Picture.h"

namespace ispyt {

// A QImage painting straight into `picture`, which must outlive it and
// keep its size.
QImage imageView(Picture& picture);
QImage toImage(const Picture& picture);
// The picture's own pixels become the image's, without a copy.
QImage toImage(Picture&& picture);
// The image's pixel words as the core reads them: the image itself when
// its pixels are 32-bit RGB words, else a conversion to them.
QImage pixelWords(const QImage& image);
Picture toPicture(const QImage& image);
// The part of `image`, as image.copy(part) gives it.
Picture toPicture(const QImage& image, QRect part);
// A picture to keep, in the smallest format that shows it: 24-bit when it
// has no alpha channel.
QImage keptPicture(const QImage& image);

}  // namespace ispyt
