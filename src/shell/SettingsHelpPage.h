#pragma once
// The settings dialog's help page: a fixed text of 114 lines, and the lines
// the dialog sets in colour each time it opens (headings, the option
// groups, the launch counter, the password).

#include <array>
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace ispyt {

inline constexpr int kSettingsHelpLineCount = 114;

// The page's lines in order (Windows-1251), line 1 first.
const std::vector<std::string>& settingsHelpLines();

struct HelpLineStyle {
  int line = 0;  // 1-based
  Rgb colour;
  bool underline = false;
  // Every styled line is bold, at 12 points.
};
extern const std::array<HelpLineStyle, 7> kSettingsHelpStyles;

}  // namespace ispyt
