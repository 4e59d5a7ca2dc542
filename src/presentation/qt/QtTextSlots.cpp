#include "presentation/qt/QtTextSlots.h"

namespace ispyt {

Canvas& QtTextSlots::create(int slot, Size size) {
  QImage& image = images_.at(slot);
  image = QImage(std::max(size.width, 1), std::max(size.height, 1), QImage::Format_RGB32);
  canvases_.at(slot) = std::make_unique<QtCanvas>(image, backdrops, true);
  return *canvases_[slot];
}

void QtTextSlots::release(int slot) {
  images_.at(slot) = QImage();
  canvases_.at(slot).reset();
}

}  // namespace ispyt
