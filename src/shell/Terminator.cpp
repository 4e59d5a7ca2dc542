#include "shell/Terminator.h"

namespace ispyt {

void Terminator::terminate() {
  shell_.setTaskbarVisible(true);
  shell_.setScreenSaverRunning(false);
  endProcess_();
}

void Terminator::checkScreenWidth(int recordedWidth, int currentWidth) {
  if (recordedWidth != currentWidth) terminate();
}

}  // namespace ispyt
