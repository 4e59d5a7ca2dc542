#pragma once
// The program's rectangles as Qt takes them.

#include <QRect>

#include "platform/Geometry.h"

namespace ispyt {

inline QRect qrect(const Rect& r) { return {r.x, r.y, r.width, r.height}; }

}  // namespace ispyt
