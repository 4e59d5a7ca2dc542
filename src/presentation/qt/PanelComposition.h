#pragma once
// The decorative panels: a shape drawn over the panel's backdrop at three
// times the size, the scheme's fill showing through the inside of the
// shape, the whole averaged down 3x3 so that its edges come out smooth.

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <functional>
#include <optional>

#include "platform/Picture.h"
#include "presentation/Fills.h"

namespace ispyt {

// Draws a shape on a 3w x 3h painter: what is to show the fill is painted
// in kPanelKey (with no smoothing, so the key stays exact); the outline and
// texts in any other colour.
using PanelShape = std::function<void(QPainter& p, QRectF enlarged)>;
inline constexpr QRgb kPanelKey = qRgb(255, 0, 254);

// `fill` writes the fill at three times the panel's size; none: the panel
// is untextured and `inside` (the backdrop when null; else of the
// backdrop's size) shows through the shape.  The colour of the shape
// picture's pixel (3w/10, h) is the one made transparent, so the shape
// must hold that point.
//
// A large panel of plain shapes is better put together in bands of rows
// (PanelBands::Many), the shape drawn once more for each, on a painter
// moved up to the band, and no picture nine times its size made.  Texts
// cost more to draw again than the picture saves, and edges computed from
// sines may fall a sub-pixel otherwise on a moved painter: those panels
// are drawn whole.
enum class PanelBands { Many, Whole };
QImage composePanel(const QImage& backdrop, std::optional<FillRows> fill, const PanelShape& shape,
                    const QImage& inside = {}, PanelBands bands = PanelBands::Whole);

}  // namespace ispyt
