#include "Painting.h"

#include <cstdio>

namespace ispyt::tool {

bool parseSize(const std::string& s, int& w, int& h) {
  char x = 0, rest = 0;
  return std::sscanf(s.c_str(), "%d%c%d%c", &w, &x, &h, &rest) == 3 && (x == 'x' || x == 'X') &&
         w > 0 && h > 0 && w <= 8192 && h <= 8192;
}

std::unique_ptr<QGuiApplication> startPainting() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "ispyt-tool";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace ispyt::tool
