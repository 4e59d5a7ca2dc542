#include "presentation/qt/RenderTitle.h"

#include "presentation/qt/BoxReduce.h"

namespace ispyt {

QImage RenderTitle(QtTextSlots& textSlots, const SlotBackdrop& backdrop, std::string_view title,
                   int width, int height) {
  GapBoxes gaps;  // a title has no answer boxes
  GapAnchors anchors;
  TextRenderTarget target{textSlots, gaps, anchors, backdrop};
  RenderTaskText(target, title, "", 3 * width, 3 * height, false, true, kTitleSlot, kBlack, 192);
  QImage title3x = textSlots.image(kTitleSlot).copy(0, 0, 3 * width, 3 * height);
  textSlots.release(kTitleSlot);
  return reduceByThree(title3x).convertToFormat(QImage::Format_RGB32);
}

}  // namespace ispyt
