#pragma once
// The one way the program ends: give the desktop back (taskbar shown,
// screen-saver flag cleared), then end the process at once.

#include <functional>

#include "platform/SystemShell.h"

namespace ispyt {

class Terminator {
 public:
  // `endProcess` must not return in the program; tests pass a recorder.
  Terminator(SystemShell& shell, std::function<void()> endProcess)
      : shell_(shell), endProcess_(std::move(endProcess)) {}

  void terminate();
  // The repaint check: a screen whose width changed since start-up ends
  // the program, through terminate() so the desktop is restored.
  void checkScreenWidth(int recordedWidth, int currentWidth);

 private:
  SystemShell& shell_;
  std::function<void()> endProcess_;
};

}  // namespace ispyt
