#include "platform/win32/Win32SystemShell.h"

#include <windows.h>

#include <cstdio>

namespace ispyt {

void Win32SystemShell::setTaskbarVisible(bool visible) {
  if (HWND tray = FindWindowA("Shell_TrayWnd", nullptr)) ShowWindow(tray, visible ? SW_SHOW : SW_HIDE);
}

void Win32SystemShell::setScreenSaverRunning(bool running) {
  UINT old = 0;
  SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running ? 1 : 0, &old, 0);
}

bool Win32SystemShell::activateKeyboardLayout(std::string_view code) {
  std::string name(code);
  return LoadKeyboardLayoutA(name.c_str(), KLF_ACTIVATE) != nullptr;
}

std::string Win32SystemShell::activeKeyboardLayout() const {
  char name[KL_NAMELENGTH] = {};
  if (!GetKeyboardLayoutNameA(name)) return {};
  return name;
}

}  // namespace ispyt
