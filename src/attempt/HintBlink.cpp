#include "attempt/HintBlink.h"

namespace ispyt {

void HintBlink::start(int gap) {
  gap_ = gap;
  step_ = 1;
}

bool HintBlink::tick() {
  if (!blinking()) return false;
  step_ = step_ < kSteps ? step_ + 1 : 0;
  return blinking();
}

}  // namespace ispyt
