#pragma once
// Taskbar, screen-saver flag and keyboard layouts through the Win32 API.

#include "platform/SystemShell.h"

namespace ispyt {

class Win32SystemShell : public SystemShell {
 public:
  void setTaskbarVisible(bool visible) override;
  void setScreenSaverRunning(bool running) override;
  bool activateKeyboardLayout(std::string_view code) override;
  std::string activeKeyboardLayout() const override;
};

}  // namespace ispyt
