#pragma once
// The built-in picture sheet (seven 320x160 pictures), each drawn once,
// when first asked for: start-up draws only what the first screen shows,
// down to the part of a picture its tiles are cut from.
// The pieces the screens use are named in platform/Artwork.h.

#include <QImage>
#include <array>

#include "platform/Artwork.h"

namespace ispyt {

class ArtworkList {
 public:
  static constexpr int kCount = 7;

  // A null picture for an index outside 0..kCount-1.
  const QImage& picture(int index) const;
  QImage cut(const artwork::Cut& cut) const;

 private:
  // Picture 0 with its textures drawn, the rest perhaps not yet.
  QImage& withTextures() const;

  mutable std::array<QImage, kCount> pictures_;
  // Picture 0 may hold its textures alone, until more of it is asked for.
  mutable bool sheetWhole_ = false;
};

}  // namespace ispyt
