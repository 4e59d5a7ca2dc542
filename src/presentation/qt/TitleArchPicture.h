#pragma once
// The arched title of the first screen, drawn smooth over the title
// area's backdrop, with the six letter tiles of the picture sheet.

#include <QImage>

#include "platform/qt/ArtworkList.h"
#include "presentation/ScreenScale.h"

namespace ispyt {

enum class TitleTiles { None, Row, SineWave, CosineWave };

// Variant 1: arch and tiles in a row; 2 and 3: tiles on a sine and cosine
// wave; 4: an empty arch (the backdrop alone); 5: the arch alone.
QImage drawTitleArch(const QImage& backdrop, int variant, const ScreenScale& scale,
                     const ArtworkList& artwork, bool lightText);

}  // namespace ispyt
