#include "shell/WindowPlacement.h"

#include <cstdlib>

namespace ispyt {

WindowPlacement placeWindow(Size screen, bool fullScreen, bool proportional) {
  WindowPlacement p;
  if (fullScreen || screen.width == kDesignWidth) {
    p.takesWholeScreen = true;
    p.window = {0, 0, screen.width, screen.height};
    p.scale.scaleX = static_cast<double>(screen.width) / kDesignWidth;
    p.scale.scaleY = static_cast<double>(screen.height) / kDesignHeight;
    p.scale.scaleMin = p.scale.scaleX < p.scale.scaleY ? p.scale.scaleX : p.scale.scaleY;
    if (proportional) {
      p.scale.scaleX = p.scale.scaleY = p.scale.scaleMin;
      p.window.width = roundHalfEven(kDesignWidth * p.scale.scaleMin);
      p.window.height = roundHalfEven(kDesignHeight * p.scale.scaleMin);
      p.window.y = 0;
      p.window.x = std::abs(screen.width - p.window.width) / 2;
    }
  } else {
    p.window = {screen.width / 2 - kDesignWidth / 2, screen.height / 2 - kDesignHeight / 2,
                kDesignWidth, kDesignHeight};
  }

  if (proportional) {
    p.surround = SurroundForm::FrameLines;
    p.surroundRect = {0, 0, screen.width, screen.height};
    p.frameLineLeft = p.window.x - 1;
    p.frameLineRight = p.window.right() + 1;
  } else if (screen.width == kDesignWidth) {
    p.surround = SurroundForm::Hidden;
  } else {
    p.surround = SurroundForm::RoundedFrame;
    p.surroundRect = {screen.width / 2 - 824 / 2, screen.height / 2 - 636 / 2 - 12, 824, 636};
  }
  return p;
}

}  // namespace ispyt
