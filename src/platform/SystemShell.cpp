#include "platform/SystemShell.h"

#ifdef ISPYT_WIN32
#include "platform/win32/Win32SystemShell.h"
#endif

namespace ispyt {

void RecordingSystemShell::setTaskbarVisible(bool visible) {
  taskbarVisible_ = visible;
  calls_.push_back(visible ? "taskbar show" : "taskbar hide");
}

void RecordingSystemShell::setScreenSaverRunning(bool running) {
  screenSaverRunning_ = running;
  calls_.push_back(running ? "screensaver-running 1" : "screensaver-running 0");
}

bool RecordingSystemShell::activateKeyboardLayout(std::string_view code) {
  calls_.push_back("layout " + std::string(code));
  if (code != kLayoutUkrainian && code != kLayoutEnglish && code != kLayoutRussian) return false;
  layout_ = std::string(code);
  return true;
}

std::unique_ptr<SystemShell> makeSystemShell() {
#ifdef ISPYT_WIN32
  return std::make_unique<Win32SystemShell>();
#else
  return std::make_unique<RecordingSystemShell>();
#endif
}

}  // namespace ispyt
