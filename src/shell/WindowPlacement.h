#pragma once
// Where the main window and the surround window stand on the screen, and
// the scale that follows, from the screen size and the two appearance
// options "На весь екран" (full screen) and "Пропорційно" (proportional).

#include "platform/Geometry.h"
#include "presentation/ScreenScale.h"

namespace ispyt {

enum class SurroundForm {
  Hidden,        // the main window covers an 800-wide screen
  FrameLines,    // covers the screen: desktop picture and two frame lines
  RoundedFrame,  // 824x636 rounded frame around the window
};

struct WindowPlacement {
  Rect window;
  ScreenScale scale;
  bool takesWholeScreen = false;  // taskbar hidden, screen-saver flag set
  SurroundForm surround = SurroundForm::Hidden;
  Rect surroundRect;
  // FrameLines only: x of the two vertical lines, 2 pixels wide.
  int frameLineLeft = 0;
  int frameLineRight = 0;
};

WindowPlacement placeWindow(Size screen, bool fullScreen, bool proportional);

}  // namespace ispyt
