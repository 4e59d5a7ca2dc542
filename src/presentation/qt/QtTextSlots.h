#pragma once
// The table of text slots: the off-screen bitmaps task texts are rendered
// into, which the screens then copy out.

#include <QImage>
#include <array>
#include <memory>

#include "platform/qt/QtCanvas.h"
#include "presentation/RenderTaskText.h"

namespace ispyt {

class QtTextSlots : public TextSlots {
 public:
  Canvas& create(int slot, Size size) override;
  void release(int slot) override;

  // The slot's bitmap; null when the slot holds none.
  const QImage& image(int slot) {
    return canvases_.at(slot) ? canvases_[slot]->image() : images_.at(slot);
  }
  // True when the slot's white is to show through (a picture slot).
  bool transparent(int slot) const {
    return canvases_.at(slot) && canvases_.at(slot)->transparent();
  }

  SlotImages backdrops;

 private:
  std::array<QImage, kTextSlotCount> images_;
  std::array<std::unique_ptr<QtCanvas>, kTextSlotCount> canvases_;
};

}  // namespace ispyt
