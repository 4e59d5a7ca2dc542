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
// must hold that point.  The shape is drawn once for each band of rows,
// on a painter moved up to the band: a shape whose edges are computed
// (sines, ellipses) may fall a sub-pixel otherwise there, and is drawn
// whole.
enum class PanelBands { Many, Whole };
QImage composePanel(const QImage& backdrop, std::optional<FillRows> fill, const PanelShape& shape,
                    const QImage& inside = {}, PanelBands bands = PanelBands::Many);

}  // namespace ispyt
