#include "platform/qt/PixelFont.h"

#include <algorithm>

#include "platform/Rounding.h"

namespace ispyt {

QFont pixelFont(const char* family, int points, bool bold) {
  QFont f(family);
  f.setPixelSize(std::max(1, roundHalfEven(points * 4 / 3.0)));
  f.setBold(bold);
  return f;
}

}  // namespace ispyt
