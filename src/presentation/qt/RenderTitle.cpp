#include "presentation/qt/RenderTitle.h"

#include "presentation/qt/BoxReduce.h"

namespace ispyt {

QImage RenderTitle(QtTextSlots& textSlots, const SlotBackdrop& backdrop, std::string_view title,
                   int width, int height) {
  GapBoxes gaps;  // a title has no answer boxes
  GapAnchors anchors;
  TextRenderTarget target{textSlots, gaps, anchors, backdrop};
  RenderTaskText(target, title, "", 3 * width, 3 * height, false, true, kTitleSlot, kBlack, 192);
  QImage smooth = reduceByThree(textSlots.image(kTitleSlot));
  textSlots.release(kTitleSlot);
  return smooth;
}

}  // namespace ispyt
