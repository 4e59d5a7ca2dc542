#pragma once
// The factors that turn the 800x600 design into screen pixels: horizontal
// positions and widths by scaleX, vertical ones by scaleY, font sizes and
// square items by scaleMin; every product rounded halves to even.

#include "platform/Geometry.h"
#include "platform/Rounding.h"

namespace ispyt {

inline constexpr int kDesignWidth = 800;
inline constexpr int kDesignHeight = 600;

struct ScreenScale {
  double scaleX = 1.0;
  double scaleY = 1.0;
  double scaleMin = 1.0;

  int x(double design) const { return roundHalfEven(design * scaleX); }
  int y(double design) const { return roundHalfEven(design * scaleY); }
  int font(double design) const { return roundHalfEven(design * scaleMin); }
  Rect rect(const Rect& design) const {
    return {x(design.x), y(design.y), x(design.width), y(design.height)};
  }
};

}  // namespace ispyt
