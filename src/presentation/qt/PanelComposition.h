#pragma once
// The decorative panels: a shape drawn over the panel's backdrop at three
// times the size, the scheme's fill showing through the inside of the
// shape, the whole averaged down 3x3 so that its edges come out smooth.

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <functional>

#include "platform/Picture.h"

namespace ispyt {

// Draws a shape on a 3w x 3h painter: what is to show the fill is painted
// in kPanelKey (with no smoothing, so the key stays exact); the outline and
// texts in any other colour.
using PanelShape = std::function<void(QPainter& p, QRectF enlarged)>;
inline constexpr QRgb kPanelKey = qRgb(255, 0, 254);

// `fill3x` is the fill at three times the panel's size; empty: the panel is
// untextured and `inside` (the backdrop when null) shows through the
// shape.  The colour of the shape picture's pixel (3w/10, h) is the one
// made transparent, so the shape must hold that point.
QImage composePanel(const QImage& backdrop, Picture fill3x, const PanelShape& shape,
                    const QImage& inside = {});

}  // namespace ispyt
