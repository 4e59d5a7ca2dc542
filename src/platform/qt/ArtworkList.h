#pragma once
// The built-in picture sheet (seven 320x160 pictures), drawn once at
// start-up.  The pieces the screens use are named in platform/Artwork.h.

#include <QImage>
#include <QVector>

#include "platform/Artwork.h"

namespace ispyt {

class ArtworkList {
 public:
  static ArtworkList build();

  int count() const { return static_cast<int>(pictures_.size()); }
  const QImage& picture(int index) const { return pictures_.at(index); }
  QImage cut(const artwork::Cut& cut) const;

 private:
  QVector<QImage> pictures_;
};

}  // namespace ispyt
