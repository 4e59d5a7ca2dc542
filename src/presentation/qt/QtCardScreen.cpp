#include "presentation/qt/QtCardScreen.h"

#include <algorithm>
#include <cstring>

#include "presentation/qt/PictureImage.h"

namespace ispyt {

Picture QtCardScreen::current() const { return toPicture(screen_, card_); }

void QtCardScreen::show(const Picture& picture, Rect part, Point at) {
  if (screen_.format() != QImage::Format_RGB32)
    screen_ = screen_.convertToFormat(QImage::Format_RGB32);
  // The part, clipped to the picture, to the card area and to the screen.
  const Rect from = intersect(part, picture.rect());
  Rect to{at.x + from.x - part.x, at.y + from.y - part.y, from.width, from.height};
  to = intersect(to, {0, 0, card_.width(), card_.height()});
  to = intersect({to.x + card_.left(), to.y + card_.top(), to.width, to.height},
                 {0, 0, screen_.width(), screen_.height()});
  for (int y = 0; y < to.height; ++y) {
    const int screenY = to.y + y;
    const int sourceY = screenY - card_.top() - at.y + part.y;
    const int sourceX = to.x - card_.left() - at.x + part.x;
    std::memcpy(reinterpret_cast<Pixel*>(screen_.scanLine(screenY)) + to.x,
                picture.row(sourceY) + sourceX, std::size_t(to.width) * sizeof(Pixel));
  }
}

}  // namespace ispyt
